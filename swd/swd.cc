#include "swd/swd.h"

#include <algorithm>
#include <iterator>
#include <sstream>
#include <utility>

#include "dictionary/errors.h"
#include "dictionary/scrambled_file.h"
#include "dictionary/tag_table.h"
#include "platform/case_tables.h"

namespace lemmatizer {
namespace {

// The pieces of `text` between the separators, empty pieces dropped.
std::vector<std::string> SplitPieces(const std::string& text, const char* separators) {
  std::vector<std::string> pieces;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of(separators, start);
    const size_t stop = end == std::string::npos ? text.size() : end;
    if (stop > start) pieces.push_back(text.substr(start, stop - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return pieces;
}

// Equality under the fold of the comparison without regard to case; the
// end of the shorter string counts as byte 0.
bool EqualIgnoringCase(const std::string& a, const std::string& b) {
  const size_t length = a.size() > b.size() ? a.size() : b.size();
  for (size_t i = 0; i < length; ++i) {
    const unsigned char x = i < a.size() ? static_cast<unsigned char>(a[i]) : 0;
    const unsigned char y = i < b.size() ? static_cast<unsigned char>(b[i]) : 0;
    if (kLatin1Upper(x) != kLatin1Upper(y)) return false;
  }
  return true;
}

// The whole-word fold and the first-letter map of each kind of key.
const ByteMap* WholeWordFold(SwdKeyKind kind) {
  switch (kind) {
    case SwdKeyKind::kRussian:
      return &kCp1251YoToYe;
    case SwdKeyKind::kGreek:
      return &kGreekAlphaTonos;
    case SwdKeyKind::kDefault:
      break;
  }
  return nullptr;
}

const ByteMap& FirstLetterMap(SwdKeyKind kind) {
  switch (kind) {
    case SwdKeyKind::kRussian:
      return kCp1251Lower;
    case SwdKeyKind::kGreek:
      return kGreekSwdFirstLetter;
    case SwdKeyKind::kDefault:
      break;
  }
  return kDefaultLower;
}

// Adds the number of every tag named in `field` to the ascending set
// `tags`; an unknown name is reported in `error` and skipped.
void ParseTags(const std::string& field, const std::string& line, std::vector<int32_t>& tags,
               std::string& error) {
  for (const std::string& name : SplitPieces(field, " \t")) {
    int32_t number = -1;
    try {
      number = CTagTable::GetTagNumber(name.c_str());
    } catch (const std::string&) {
      number = -1;
    }
    if (number < 1 || number > CTagTable::kLastTag) {
      error += "Tag (" + name + ") not supported in line : " + line + "\n";
      continue;
    }
    const auto at = std::lower_bound(tags.begin(), tags.end(), number);
    if (at == tags.end() || *at != number) tags.insert(at, number);
  }
}

// Splits one line into source and entry. Raises a string object for a line
// without a source, or without the lemma or tag field it needs.
std::string ParseLine(const std::string& line, SwdEntry& entry, std::string& error) {
  const std::vector<std::string> pieces = SplitPieces(line, ";");
  if (pieces.empty()) RaiseString("didn't find source std::string in line : " + line);
  const std::string& source = pieces[0];
  // The lemma field is empty when the byte after the line's first ';' is
  // ';' again; a line without any ';' or ending in its first ';' has a
  // lemma field and then lacks it.
  const size_t semicolon = line.find(';');
  const bool emptyLemma =
      semicolon != std::string::npos && semicolon + 1 < line.size() && line[semicolon + 1] == ';';
  const size_t tagPiece = emptyLemma ? 1 : 2;
  if (pieces.size() <= tagPiece) RaiseString("didn't find tags for std::string in line : " + line);
  entry.lemma = emptyLemma ? source : pieces[1];
  ParseTags(pieces[tagPiece], line, entry.tags, error);
  return source;
}

}  // namespace
}  // namespace lemmatizer

CSWD::CSWD(const char* language, int /*unused*/)
    : m_language(language == nullptr ? "" : language), m_keyKind(lemmatizer::SwdKeyKind::kDefault) {
  // The language's own key applies when the code is spelt as its row, in
  // capitals or capitalised; any other spelling gets the default key.
  if (const lemmatizer::Language* row = lemmatizer::FindLanguageAsSpelt(m_language)) {
    m_keyKind = row->swdKey;
  }
}

CSWD::~CSWD() = default;

void CSWD::Load(const char* path, std::string& error) {
  std::stringstream text;
  if (!lemmatizer::ReadScrambledFile(path, text)) {
    error = std::string("Could not open swd file ") + (path == nullptr ? "" : path);
    return;
  }
  m_entries.clear();
  try {
    std::string line;
    for (;;) {
      lemmatizer::ReadLine(text, line, '\n', true);
      // A last line that the end of the text cut off is not used.
      if (!text.good()) break;
      if (!line.empty() && line.back() == '\r') line.pop_back();
      SwdEntry entry;
      std::string source = lemmatizer::ParseLine(line, entry, error);
      // Entries with equal sources keep the order of their lines.
      m_entries.emplace(std::move(source), std::move(entry));
    }
  } catch (const std::string& message) {
    error += "Exception caught : " + message + "\n";
  } catch (...) {
    error = "unknown exception";
  }
  MergeNeighbours();
  m_foldedSources.clear();
  for (const auto& entry : m_entries) m_foldedSources.insert(FoldedSource(entry.first));
}

std::string CSWD::FoldedSource(const std::string& text) {
  std::string folded = text;
  for (char& c : folded) c = lemmatizer::kLatin1Upper(c);
  return folded;
}

void CSWD::MergeNeighbours() {
  if (m_entries.empty()) return;
  auto previous = m_entries.begin();
  for (auto it = std::next(previous); it != m_entries.end();) {
    if (it->first == previous->first && it->second.lemma == previous->second.lemma) {
      std::vector<int32_t> united;
      std::set_union(previous->second.tags.begin(), previous->second.tags.end(),
                     it->second.tags.begin(), it->second.tags.end(), std::back_inserter(united));
      previous->second.tags.swap(united);
      it = m_entries.erase(it);
    } else {
      previous = it++;
    }
  }
}

std::string CSWD::LookupKey(const char* word) const {
  std::string key = word == nullptr ? "" : word;
  if (key.empty()) return key;
  if (const lemmatizer::ByteMap* fold = lemmatizer::WholeWordFold(m_keyKind)) {
    for (char& c : key) c = (*fold)(c);
  }
  key[0] = lemmatizer::FirstLetterMap(m_keyKind)(key[0]);
  return key;
}

bool CSWD::Lookup(const char* word, std::vector<std::string>& lemmas, std::vector<int32_t>& tags) {
  lemmas.clear();
  tags.clear();
  if (word == nullptr || *word == '\0') return false;
  const std::string key = LookupKey(word);
  // Only a source equal to the key without regard to case can match; most
  // words have none, and the set answers that faster than the table.
  if (m_foldedSources.count(FoldedSource(key)) == 0) return false;
  bool found = false;
  for (auto it = m_entries.lower_bound(key);
       it != m_entries.end() && lemmatizer::EqualIgnoringCase(it->first, key); ++it) {
    found = true;
    const SwdEntry& entry = it->second;
    for (int32_t n : entry.tags) {
      lemmas.push_back(entry.lemma);
      tags.push_back(n);
    }
  }
  return found;
}
