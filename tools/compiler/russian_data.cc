#include "tools/compiler/russian_data.h"

#include <map>
#include <set>

#include "tools/compiler/file_writers.h"

namespace lemmatizer {

namespace {

constexpr int32_t kProperNoun = 97;  // NOMP

// Windows-1251 capitals, as the PWD dictionary tests them.
bool IsCapital(unsigned char b) {
  return (b >= 0x41 && b <= 0x5A) || (b >= 0xC0 && b <= 0xDF) || b == 0x8A || b == 0x8C ||
         b == 0x8E || b == 0x8F;
}

// PWD lines cannot hold ';', blanks or line ends.
bool Writable(const std::string& s) {
  return !s.empty() && s.find_first_of("; \t\r\n") == std::string::npos;
}

std::string LowerFirst(const std::string& word) {
  std::string lowered = word;
  const auto b = static_cast<unsigned char>(lowered[0]);
  if ((b >= 0x41 && b <= 0x5A) || (b >= 0xC0 && b <= 0xDF))
    lowered[0] = static_cast<char>(b + 0x20);
  if (b == 0x8A || b == 0x8C || b == 0x8E || b == 0x8F) lowered[0] = static_cast<char>(b + 0x10);
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
  std::vector<std::string> lines;
  // ending -> replacement -> count
  std::map<std::string, std::map<std::string, int>> rules;
  for (const LexiconForm& form : forms) {
    if (form.form.empty() || !IsCapital(static_cast<unsigned char>(form.form[0]))) continue;
    for (const LexiconReading& reading : form.readings) {
      if (reading.tag != kProperNoun || !Writable(form.form) || !Writable(reading.lemma)) continue;
      if (commonWords.count(LowerFirst(form.form)) == 0) {
        lines.push_back(form.form + ";" + reading.lemma + ";");
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
  wholeForms.clear();
  for (const std::string& line : lines) {
    if (!wholeForms.empty()) wholeForms += '\n';
    wholeForms += line;
  }
  endings.clear();
  for (const auto& rule : rules) {
    // The most frequent replacement of a well attested ending.
    const auto* best = &*rule.second.begin();
    int total = 0;
    for (const auto& r : rule.second) {
      total += r.second;
      if (r.second > best->second) best = &r;
    }
    if (best->second < 3 || best->second * 10 < total * 8) continue;
    if (!endings.empty()) endings += '\n';
    endings += "2;" + rule.first + ";" + best->first + ";";
  }
  // The loader needs at least one line in each file; an entry that can never
  // match keeps an empty table valid.
  if (wholeForms.empty()) wholeForms = "\xC0\xC0\xC0\xC0\xC0\xC0;\xC0\xC0\xC0\xC0\xC0\xC0;";
  if (endings.empty()) endings = "2;\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0\xC0;\xC0;";
}

bool WriteRussianFiles(const std::vector<LexiconForm>& forms, const std::string& dir,
                       std::string& error) {
  std::string wholeForms, endings;
  RussianPwdTexts(forms, wholeForms, endings);
  if (!WriteScrambled(dir + "ru1.pwd", wholeForms) || !WriteScrambled(dir + "ru2.pwd", endings) ||
      !WriteScrambled(dir + "ru.txt", "Online Default for Russian (no extension rows)\n")) {
    error = "cannot write the Russian files in " + dir;
    return false;
  }
  return true;
}

}  // namespace lemmatizer
