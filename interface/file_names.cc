#include "interface/file_names.h"

#include <algorithm>

namespace lemmatizer {

LanguageFileNames NamesBelowBase(const std::string& basePath, const std::string& code) {
  const std::string base = basePath + "lemm/" + code;
  LanguageFileNames names;
  names.dictionary = base + "-cwd.hsq";
  names.prefix = base + "-prfx.hsq";
  names.pwd1 = base + "1.pwd";
  names.pwd2 = base + "2.pwd";
  names.swd = base + ".swd";
  names.sharpS = base + "-ss.hsq";
  names.extension = base + ".txt";
  names.words = base + "-words.bin";
  return names;
}

LanguageFileNames NamesInDirectory(const std::string& directory, const std::string& code,
                                   const Language* row, char separator) {
  const std::string base = directory + separator + code;
  LanguageFileNames names;
  names.swd = base + ".swd";
  names.dictionary = base + "-cwd.hsq";
  if (row == nullptr) return names;
  if (row->Reads(kPwdFiles)) {
    names.pwd1 = base + "1.pwd";
    names.pwd2 = base + "2.pwd";
  }
  if (row->Reads(kExtensionFile)) names.extension = base + "-all.txt";
  if (row->Reads(kPrefixFile)) names.prefix = base + "-prfx.hsq";
  if (row->Reads(kSharpSFile)) names.sharpS = base + "-ss.hsq";
  if (row->ListsWords()) names.words = base + "-words.bin";
  names.context = base + "-context.txt";
  return names;
}

std::vector<std::string> FileNamesOfLanguage(const Language& row) {
  const std::string code = row.code;
  std::vector<std::string> files;
  const auto add = [&files](const std::string& path, size_t prefixLength) {
    if (path.size() <= prefixLength) return;
    const std::string name = path.substr(prefixLength);
    if (std::find(files.begin(), files.end(), name) == files.end()) files.push_back(name);
  };
  const LanguageFileNames inDirectory = NamesInDirectory("", code, &row);
  for (const std::string* name :
       {&inDirectory.dictionary, &inDirectory.swd, &inDirectory.pwd1, &inDirectory.pwd2,
        &inDirectory.prefix, &inDirectory.sharpS, &inDirectory.extension}) {
    add(*name, 1);  // after the backslash
  }
  // LemmatizeCreate forms the extra names for every language, but reads
  // them only where the row says so.
  const LanguageFileNames belowBase = NamesBelowBase("", code);
  add(belowBase.dictionary, 5);  // after "lemm/"
  add(belowBase.swd, 5);
  if (row.Reads(kPwdFiles)) {
    add(belowBase.pwd1, 5);
    add(belowBase.pwd2, 5);
  }
  if (row.Reads(kPrefixFile)) add(belowBase.prefix, 5);
  if (row.Reads(kSharpSFile)) add(belowBase.sharpS, 5);
  if (row.Reads(kExtensionFile)) add(belowBase.extension, 5);
  return files;
}

}  // namespace lemmatizer
