#include "pwd/pwd.h"

#include "dictionary/scrambled_file.h"
#include "dictionary/tag_table.h"
#include "platform/case_tables.h"
#include "registry/languages.h"

namespace lemmatizer {
namespace {

constexpr size_t kLongestEnding = 30;

// The lines of a loaded file with the loaders' rules: leading blanks
// skipped, one '\r' before the '\n' removed. The end is tested before each
// read, so the remainder after a final '\n' is one more, empty, line.
template <typename Line>
void ForEachLine(const std::string& text, Line&& line) {
  LineReader lines(text);
  while (lines.Good()) {
    std::string_view read = lines.Next();
    if (!read.empty() && read.back() == '\r') read.remove_suffix(1);
    line(read);
  }
}

// The positions of the first `count` ';' of `line`; false when it has fewer.
bool FindSemicolons(std::string_view line, size_t* at, int count) {
  size_t from = 0;
  for (int i = 0; i < count; ++i) {
    at[i] = line.find(';', from);
    if (at[i] == std::string_view::npos) return false;
    from = at[i] + 1;
  }
  return true;
}

// "form;lemma;..." into `words`.
void LoadWords(const std::string& text, StringMultimap& words, std::string& error) {
  ForEachLine(text, [&](std::string_view line) {
    size_t at[2];
    if (!FindSemicolons(line, at, 2)) {
      error += "bad entry ignored : " + std::string(line);
      return;
    }
    const std::string_view form = line.substr(0, at[0]);
    const std::string_view lemma = line.substr(at[0] + 1, at[1] - at[0] - 1);
    words.Add(form, lemma.empty() ? form : lemma);
  });
}

// "n;ending;replacement;..." into the table numbered n; `lengths` gets a bit
// for every ending length.
void LoadEndings(const std::string& text, StringMultimap& endings1, StringMultimap& endings2,
                 uint32_t& lengths1, uint32_t& lengths2, std::string& error) {
  ForEachLine(text, [&](std::string_view line) {
    size_t at[3];
    if (!FindSemicolons(line, at, 3) || line.find(' ') != std::string_view::npos) {
      error += "bad entry ignored : " + std::string(line);
      return;
    }
    const std::string_view number = line.substr(0, at[0]);
    const std::string_view ending = line.substr(at[0] + 1, at[1] - at[0] - 1);
    std::string_view replacement = line.substr(at[1] + 1, at[2] - at[1] - 1);
    if (replacement.empty()) replacement = ending;
    // Endings longer than any word part the lookup tries are never found.
    const uint32_t bit = ending.size() <= kLongestEnding ? 1u << ending.size() : 0;
    if (number == "1") {
      endings1.Add(ending, replacement);
      lengths1 |= bit;
    } else if (number == "2") {
      endings2.Add(ending, replacement);
      lengths2 |= bit;
    } else {
      error += "bad entry number ignored : " + std::string(line);
    }
  });
}

}  // namespace
}  // namespace lemmatizer

using lemmatizer::ReadingList;
using lemmatizer::ReadingSource;
using lemmatizer::StringMultimap;

CPWD::CPWD(const char* language)
    : m_lengths1(0),
      m_lengths2(0),
      m_language(language == nullptr ? "" : language),
      m_active(false) {
  // Only a code spelt exactly as its row reads the PWD files.
  const lemmatizer::Language* row = lemmatizer::FindLanguage(m_language);
  m_active = row != nullptr && row->Reads(lemmatizer::kPwdFiles);
}

CPWD::~CPWD() = default;

void CPWD::Load(const char* path1, const char* path2, std::string& error) {
  if (!m_active) return;
  std::string text1;
  if (!lemmatizer::ReadScrambledText(path1, text1)) {
    error = std::string("Could not open PWD file ") + (path1 == nullptr ? "" : path1);
    return;
  }
  std::string text2;
  if (!lemmatizer::ReadScrambledText(path2, text2)) {
    error = std::string("Could not open PWD file ") + (path2 == nullptr ? "" : path2);
    return;
  }
  m_words.Clear();
  m_endings1.Clear();
  m_endings2.Clear();
  m_lengths1 = m_lengths2 = 0;
  lemmatizer::LoadWords(text1, m_words, error);
  lemmatizer::LoadEndings(text2, m_endings1, m_endings2, m_lengths1, m_lengths2, error);
  m_words.Freeze();
  m_endings1.Freeze();
  m_endings2.Freeze();
}

bool CPWD::FindByEnding(std::string_view word, const StringMultimap& endings, uint32_t lengths,
                        ReadingList& out, std::string& scratch) const {
  // The longest ending of at most 30 bytes, never the whole word.
  for (size_t n = lemmatizer::kLongestEnding; n >= 1; --n) {
    if (n >= word.size() || (lengths & (1u << n)) == 0) continue;
    const size_t stem = word.size() - n;
    const StringMultimap::Range range = endings.Find(word.substr(stem));
    if (range.Empty()) continue;
    for (size_t i = range.begin; i < range.end; ++i) {
      scratch.assign(word.data(), stem);
      scratch.append(endings.Value(i));
      out.Add(scratch, lemmatizer::kNompTag, ReadingSource::kPwd);
    }
    return true;
  }
  return false;
}

bool CPWD::Find(const char* word, ReadingList& out, int32_t& final, std::string& scratch) const {
  if (word == nullptr || *word == '\0' || !m_active) return false;
  if (!lemmatizer::IsCp1251Capital(static_cast<unsigned char>(word[0]))) return false;
  final = 0;
  // The word is searched exactly as given: forms with Ё/ё are listed with
  // those letters in the data files.
  const std::string_view form(word);
  const StringMultimap::Range range = m_words.Find(form);
  if (!range.Empty()) {
    for (size_t i = range.begin; i < range.end; ++i) {
      out.Add(m_words.Value(i), lemmatizer::kNompTag, ReadingSource::kPwd);
    }
    final = 1;
    return true;
  }
  if (FindByEnding(form, m_endings1, m_lengths1, out, scratch)) {
    final = 1;
    return true;
  }
  return FindByEnding(form, m_endings2, m_lengths2, out, scratch);
}

bool CPWD::Lookup(const char* word, std::vector<std::string>& lemmas, std::vector<int32_t>& tags,
                  int32_t& final) {
  if (word == nullptr || *word == '\0' || !m_active) return false;
  lemmas.clear();
  tags.clear();
  ReadingList readings;
  std::string scratch;
  const bool found = Find(word, readings, final, scratch);
  for (size_t i = 0; i < readings.Size(); ++i) {
    lemmas.emplace_back(readings.Lemma(i), readings.LemmaLength(i));
    tags.push_back(readings.Tag(i));
  }
  return found;
}
