#include "pwd/pwd.h"

#include <sstream>

#include "dictionary/scrambled_file.h"
#include "platform/case_tables.h"
#include "registry/languages.h"

namespace lemmatizer {
namespace {

constexpr int32_t kNompTag = 97;
constexpr size_t kLongestEnding = 30;

// Reads the next line with the loaders' rules: leading blanks skipped, one
// '\r' before the '\n' removed.
void NextLine(std::istream& text, std::string& line) {
  ReadLine(text, line, '\n', true);
  if (!line.empty() && line.back() == '\r') line.pop_back();
}

// "form;lemma;..." into m_words.
void LoadWords(std::istream& text, std::multimap<std::string, std::string>& words,
               std::string& error) {
  std::string line;
  // The end is tested before each read: the remainder after a final '\n' is
  // one more, empty, line.
  while (text.good()) {
    NextLine(text, line);
    const size_t first = line.find(';');
    const size_t second = first == std::string::npos ? first : line.find(';', first + 1);
    if (second == std::string::npos) {
      error += "bad entry ignored : " + line;
      continue;
    }
    std::string form = line.substr(0, first);
    std::string lemma = line.substr(first + 1, second - first - 1);
    if (lemma.empty()) lemma = form;
    words.emplace(std::move(form), std::move(lemma));
  }
}

// "n;ending;replacement;..." into the table numbered n.
void LoadEndings(std::istream& text, std::multimap<std::string, std::string>& endings1,
                 std::multimap<std::string, std::string>& endings2, std::string& error) {
  std::string line;
  while (text.good()) {
    NextLine(text, line);
    const size_t first = line.find(';');
    const size_t second = first == std::string::npos ? first : line.find(';', first + 1);
    const size_t third = second == std::string::npos ? second : line.find(';', second + 1);
    if (third == std::string::npos || line.find(' ') != std::string::npos) {
      error += "bad entry ignored : " + line;
      continue;
    }
    const std::string number = line.substr(0, first);
    std::string ending = line.substr(first + 1, second - first - 1);
    std::string replacement = line.substr(second + 1, third - second - 1);
    if (replacement.empty()) replacement = ending;
    if (number == "1") {
      endings1.emplace(std::move(ending), std::move(replacement));
    } else if (number == "2") {
      endings2.emplace(std::move(ending), std::move(replacement));
    } else {
      error += "bad entry number ignored : " + line;
    }
  }
}

// The lemmas of the longest ending of `word` (at most 30 bytes, never the
// whole word) that `endings` holds, appended in table order.
bool FindByEnding(const std::string& word, const std::multimap<std::string, std::string>& endings,
                  std::vector<std::string>& lemmas, std::vector<int32_t>& tags) {
  for (size_t n = kLongestEnding; n >= 1; --n) {
    if (n >= word.size()) continue;
    const size_t stem = word.size() - n;
    const auto range = endings.equal_range(word.substr(stem));
    if (range.first == range.second) continue;
    for (auto it = range.first; it != range.second; ++it) {
      lemmas.push_back(word.substr(0, stem) + it->second);
      tags.push_back(kNompTag);
    }
    return true;
  }
  return false;
}

}  // namespace
}  // namespace lemmatizer

CPWD::CPWD(const char* language)
    : m_cursor(m_words.end()), m_language(language == nullptr ? "" : language), m_active(false) {
  // Only a code spelt exactly as its row reads the PWD files.
  const lemmatizer::Language* row = lemmatizer::FindLanguage(m_language);
  m_active = row != nullptr && row->Reads(lemmatizer::kPwdFiles);
}

CPWD::~CPWD() = default;

void CPWD::Load(const char* path1, const char* path2, std::string& error) {
  if (!m_active) return;
  std::stringstream text1;
  if (!lemmatizer::ReadScrambledFile(path1, text1)) {
    error = std::string("Could not open PWD file ") + (path1 == nullptr ? "" : path1);
    return;
  }
  std::stringstream text2;
  if (!lemmatizer::ReadScrambledFile(path2, text2)) {
    error = std::string("Could not open PWD file ") + (path2 == nullptr ? "" : path2);
    return;
  }
  m_words.clear();
  m_endings1.clear();
  m_endings2.clear();
  m_cursor = m_words.end();
  try {
    lemmatizer::LoadWords(text1, m_words, error);
    lemmatizer::LoadEndings(text2, m_endings1, m_endings2, error);
  } catch (const std::string& message) {
    error += "Exception caught : " + message + "\n";
  }
}

bool CPWD::Lookup(const char* word, std::vector<std::string>& lemmas, std::vector<int32_t>& tags,
                  int32_t& final) {
  if (word == nullptr || *word == '\0') return false;
  if (!m_active) return false;
  lemmas.clear();
  tags.clear();
  if (!lemmatizer::IsCp1251Capital(static_cast<unsigned char>(word[0]))) return false;
  final = 0;
  const std::string form = word;
  // The word is searched exactly as given: forms with Ё/ё are listed with
  // those letters in the data files.
  for (m_cursor = m_words.lower_bound(form); m_cursor != m_words.end() && m_cursor->first == form;
       ++m_cursor) {
    lemmas.push_back(m_cursor->second);
    tags.push_back(lemmatizer::kNompTag);
    final = 1;
  }
  if (!lemmas.empty()) return true;
  if (lemmatizer::FindByEnding(form, m_endings1, lemmas, tags)) {
    final = 1;
    return true;
  }
  return lemmatizer::FindByEnding(form, m_endings2, lemmas, tags);
}
