#include "interface/language_handle.h"

#include "dictionary/errors.h"
#include "interface/file_names.h"
#include "platform/file.h"
#include "platform/memory.h"
#include "platform/text.h"
#include "registry/language_objects.h"

namespace lemmatizer {

namespace {

bool Exists(const std::string& path) { return FileSizeByPath(path.c_str()) >= 0; }

// The directory that holds the main dictionary of `code`: `directory`
// itself or its "lemm/" subdirectory.
std::string FilesDirectory(const std::string& directory, const std::string& code) {
  std::string base = directory.empty() ? "." : directory;
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  for (const std::string& candidate : {base, base + "/lemm"}) {
    if (Exists(candidate + "/" + code + "-cwd.hsq")) return candidate;
  }
  RaiseText("no dictionary for \"%s\" in %s (%s-cwd.hsq is missing there and in its lemm/)",
            code.c_str(), directory.c_str(), code.c_str());
}

}  // namespace

std::unique_ptr<lemm_language> OpenLanguage(const std::string& code, const std::string& directory) {
  auto language = std::make_unique<lemm_language>();
  language->code = LowerCopy(code.c_str());
  language->row = FindLanguage(language->code);
  if (language->row == nullptr || !IsOffered(*language->row)) {
    RaiseText("unknown language code \"%s\"", code.c_str());
  }
  const Language& row = *language->row;
  const std::string files = FilesDirectory(directory, language->code);
  LanguageFileNames names = NamesInDirectory(files, language->code, &row, '/');
  if (row.Reads(kExtensionFile) && !Exists(names.extension)) {
    // The name of the LemmatizeCreate layout.
    names.extension = files + "/" + language->code + ".txt";
  }

  language->dictionary =
      BuildDictionary(row, names.dictionary.c_str(), names.prefix.c_str(), names.sharpS.c_str());
  std::string error;
  language->swd = std::make_unique<CSWD>(language->code.c_str(), 0);
  language->swd->Load(names.swd.c_str(), error);
  if (!error.empty()) RaiseString(error);
  language->pwd = std::make_unique<CPWD>(language->code.c_str());
  language->pwd->Load(names.pwd1.c_str(), names.pwd2.c_str(), error);
  if (!error.empty()) RaiseString(error);
  if (row.Reads(kExtensionFile)) ReadExtensionTable(names.extension, language->extension);
  if (!names.words.empty() && Exists(names.words)) {
    language->words = std::make_unique<WordList>(names.words);
  }
  if (Exists(names.context)) language->context = std::make_unique<ContextModel>(names.context);
  language->splitOff = SplitOffWords::Of(row);
  ReleaseFreeMemory();
  return language;
}

}  // namespace lemmatizer
