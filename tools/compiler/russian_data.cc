#include "tools/compiler/russian_data.h"

#include <algorithm>
#include <map>
#include <set>

#include "dictionary/scrambled_file.h"
#include "interface/file_names.h"
#include "interface/russian_extension_writer.h"
#include "platform/case_tables.h"
#include "pwd/pwd_writer.h"

namespace lemmatizer {

namespace {

constexpr int32_t kProperNoun = 97;  // NOMP

std::string LowerFirst(const std::string& word) {
  std::string lowered = word;
  lowered[0] = kCp1251Lower(lowered[0]);
  return lowered;
}

}  // namespace

void RussianPwdTexts(const std::vector<LexiconForm>& forms, std::string& wholeForms,
                     std::string& endings) {
  // Forms that are also common words in lower case ("Вера" and "вера"):
  // a final whole-form answer would hide the common word, so they stay out.
  std::set<std::string> commonWords;
  for (const LexiconForm& form : forms) {
    for (const LexiconReading& reading : form.readings) {
      if (reading.tag != kProperNoun) commonWords.insert(form.form);
    }
  }
  std::vector<PwdWholeForm> lines;
  // ending -> replacement -> count
  std::map<std::string, std::map<std::string, int>> rules;
  for (const LexiconForm& form : forms) {
    if (form.form.empty() || !IsCp1251Capital(static_cast<unsigned char>(form.form[0]))) continue;
    for (const LexiconReading& reading : form.readings) {
      if (reading.tag != kProperNoun || !PwdWritable(form.form) || !PwdWritable(reading.lemma)) {
        continue;
      }
      if (commonWords.count(LowerFirst(form.form)) == 0) {
        lines.push_back(PwdWholeForm{form.form, reading.lemma});
      }
      // The ending rule, with one shared byte before the change so that
      // neither ending nor replacement is empty.
      size_t common = 0;
      while (common < form.form.size() && common < reading.lemma.size() &&
             form.form[common] == reading.lemma[common]) {
        ++common;
      }
      if (common == 0 || common == form.form.size()) continue;
      const std::string ending = form.form.substr(common - 1);
      if (ending.size() > 30 || ending.size() >= form.form.size()) continue;
      ++rules[ending][reading.lemma.substr(common - 1)];
    }
  }
  std::vector<PwdEnding> endingRules;
  for (const auto& rule : rules) {
    // The most frequent replacement of a well attested ending.
    const auto* best = &*rule.second.begin();
    int total = 0;
    for (const auto& r : rule.second) {
      total += r.second;
      if (r.second > best->second) best = &r;
    }
    if (best->second < 3 || best->second * 10 < total * 8) continue;
    endingRules.push_back(PwdEnding{2, rule.first, best->first});
  }
  // In form order, which the loader then finds sorted; a form's lines keep
  // their order, so the table is the same.
  std::stable_sort(lines.begin(), lines.end(),
                   [](const PwdWholeForm& a, const PwdWholeForm& b) { return a.form < b.form; });
  wholeForms = PwdWholeFormsText(lines);
  endings = PwdEndingsText(endingRules);
}

bool WriteRussianFiles(const std::vector<LexiconForm>& forms,
                       const std::vector<ExtensionRow>& extensionRows, const Language& language,
                       const std::string& outDir, std::string& error) {
  std::string wholeForms, endings;
  RussianPwdTexts(forms, wholeForms, endings);
  // Both creation entry points' names: the extension file has two.
  const std::string extension = ExtensionText(
      extensionRows.empty() ? "(no extension rows)" : "(case, number and gender by ending)",
      extensionRows);
  const LanguageFileNames belowBase = NamesBelowBase(outDir, language.code);
  const LanguageFileNames inDirectory = NamesInDirectory(outDir + "lemm", language.code, &language);
  for (const auto& file :
       {std::make_pair(belowBase.pwd1, wholeForms), std::make_pair(belowBase.pwd2, endings),
        std::make_pair(belowBase.extension, extension),
        std::make_pair(inDirectory.extension, extension)}) {
    if (file.first.empty()) continue;
    if (!WriteScrambledFile(file.first, file.second)) {
      error = "cannot write " + file.first;
      return false;
    }
  }
  return true;
}

}  // namespace lemmatizer
