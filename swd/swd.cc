#include "swd/swd.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "dictionary/errors.h"
#include "dictionary/scrambled_file.h"
#include "dictionary/tag_table.h"
#include "platform/case_tables.h"

namespace lemmatizer {
namespace {

// The fold of the comparison without regard to case.
unsigned char Fold(char c) { return kLatin1Upper(static_cast<unsigned char>(c)); }

// Equality under that fold; the end of the shorter string counts as byte 0.
bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  const size_t length = a.size() > b.size() ? a.size() : b.size();
  for (size_t i = 0; i < length; ++i) {
    const char x = i < a.size() ? a[i] : '\0';
    const char y = i < b.size() ? b[i] : '\0';
    if (Fold(x) != Fold(y)) return false;
  }
  return true;
}

// Whether the two have the same folded form: the same length and equal
// bytes ignoring case. (Equal ignoring case allows trailing NUL bytes on
// one side as well; the folded forms do not, and a word is looked up only
// among sources whose folded form is its key's.)
bool SameFoldedForm(std::string_view a, std::string_view b) {
  return a.size() == b.size() && EqualIgnoringCase(a, b);
}

// A hash of the folded form.
uint32_t FoldHash(std::string_view text) {
  uint32_t hash = 2166136261u;
  for (const char c : text) hash = (hash ^ Fold(c)) * 16777619u;
  return hash;
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

// Calls `piece` for each run of `text` between bytes of `separators`,
// empty runs dropped.
template <typename Piece>
void ForEachPiece(std::string_view text, const char* separators, Piece&& piece) {
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of(separators, start);
    if (end == std::string_view::npos) end = text.size();
    if (end > start) piece(text.substr(start, end - start));
    start = end + 1;
  }
}

// Adds the number of every tag named in `field` to the ascending set
// `tags`; an unknown name is reported in `error` and skipped. A name is
// read up to a NUL byte, as a C string would be.
void ParseTags(std::string_view field, std::string_view line, std::vector<uint16_t>& tags,
               std::string& error) {
  ForEachPiece(field, " \t", [&](std::string_view name) {
    const std::string_view looked = name.substr(0, name.find('\0'));
    const int32_t number = CTagTable::FindTagNumber(looked);
    if (number < 1 || number > CTagTable::kLastTag) {
      error +=
          "Tag (" + std::string(name) + ") not supported in line : " + std::string(line) + "\n";
      return;
    }
    const auto tag = static_cast<uint16_t>(number);
    const auto at = std::lower_bound(tags.begin(), tags.end(), tag);
    if (at == tags.end() || *at != tag) tags.insert(at, tag);
  });
}

struct ParsedLine {
  std::string_view source;
  std::string_view lemma;
  std::string_view tagField;
};

// Splits one line into its fields. Raises a string object for a line
// without a source, or without the lemma or tag field it needs.
ParsedLine ParseLine(std::string_view line) {
  std::string_view pieces[3];
  size_t count = 0;
  ForEachPiece(line, ";", [&](std::string_view piece) {
    if (count < 3) pieces[count] = piece;
    ++count;
  });
  if (count == 0) RaiseString("didn't find source std::string in line : " + std::string(line));
  // The lemma field is empty when the byte after the line's first ';' is
  // ';' again; a line without any ';' or ending in its first ';' has a
  // lemma field and then lacks it.
  const size_t semicolon = line.find(';');
  const bool emptyLemma = semicolon != std::string_view::npos && semicolon + 1 < line.size() &&
                          line[semicolon + 1] == ';';
  const size_t tagPiece = emptyLemma ? 1 : 2;
  if (count <= tagPiece) {
    RaiseString("didn't find tags for std::string in line : " + std::string(line));
  }
  return ParsedLine{pieces[0], emptyLemma ? pieces[0] : pieces[1], pieces[tagPiece]};
}

}  // namespace
}  // namespace lemmatizer

using lemmatizer::ReadingList;
using lemmatizer::ReadingSource;

CSWD::CSWD(const char* language, int /*unused*/)
    : m_language(language == nullptr ? "" : language), m_keyKind(lemmatizer::SwdKeyKind::kDefault) {
  // The language's own key applies when the code is spelt as its row, in
  // capitals or capitalised; any other spelling gets the default key.
  if (const lemmatizer::Language* row = lemmatizer::FindLanguageAsSpelt(m_language)) {
    m_keyKind = row->swdKey;
  }
}

CSWD::~CSWD() = default;

void CSWD::Clear() {
  m_text.clear();
  m_entries.clear();
  m_tags.clear();
  m_slots.clear();
  m_groupStart.clear();
  m_members.clear();
}

void CSWD::Load(const char* path, std::string& error) {
  std::string text;
  if (!lemmatizer::ReadScrambledText(path, text)) {
    error = std::string("Could not open swd file ") + (path == nullptr ? "" : path);
    return;
  }
  Clear();
  try {
    lemmatizer::LineReader lines(text);
    std::vector<uint16_t> tags;
    for (;;) {
      std::string_view line = lines.Next();
      // A last line that the end of the text cut off is not used.
      if (!lines.Good()) break;
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      const lemmatizer::ParsedLine parsed = lemmatizer::ParseLine(line);
      tags.clear();
      lemmatizer::ParseTags(parsed.tagField, line, tags, error);
      Entry entry;
      entry.source = static_cast<uint32_t>(m_text.size());
      entry.sourceLength = static_cast<uint32_t>(parsed.source.size());
      m_text.append(parsed.source);
      entry.lemma = entry.source;
      entry.lemmaLength = static_cast<uint32_t>(parsed.lemma.size());
      if (parsed.lemma != parsed.source) {
        entry.lemma = static_cast<uint32_t>(m_text.size());
        m_text.append(parsed.lemma);
      }
      entry.tags = static_cast<uint32_t>(m_tags.size());
      entry.tagCount = static_cast<uint32_t>(tags.size());
      m_tags.insert(m_tags.end(), tags.begin(), tags.end());
      m_entries.push_back(entry);
    }
  } catch (const std::string& message) {
    error += "Exception caught : " + message + "\n";
  } catch (...) {
    error = "unknown exception";
  }
  SortAndMerge();
  BuildFoldIndex();
}

void CSWD::SortAndMerge() {
  // Entries with equal sources keep the order of their lines.
  const auto bySource = [this](const Entry& a, const Entry& b) { return Source(a) < Source(b); };
  if (!std::is_sorted(m_entries.begin(), m_entries.end(), bySource)) {
    std::stable_sort(m_entries.begin(), m_entries.end(), bySource);
  }
  // Each run of neighbours with equal source and lemma becomes its first
  // entry, with the union of their tags.
  std::vector<uint16_t> united;
  size_t kept = 0;
  for (size_t i = 0; i < m_entries.size(); ++i) {
    Entry& previous = m_entries[kept == 0 ? 0 : kept - 1];
    const Entry& entry = m_entries[i];
    if (kept > 0 && Source(entry) == Source(previous) && Lemma(entry) == Lemma(previous)) {
      const uint16_t* a = m_tags.data() + previous.tags;
      const uint16_t* b = m_tags.data() + entry.tags;
      united.clear();
      std::set_union(a, a + previous.tagCount, b, b + entry.tagCount, std::back_inserter(united));
      previous.tags = static_cast<uint32_t>(m_tags.size());
      previous.tagCount = static_cast<uint32_t>(united.size());
      m_tags.insert(m_tags.end(), united.begin(), united.end());
      continue;
    }
    m_entries[kept++] = entry;
  }
  m_entries.resize(kept);
}

void CSWD::BuildFoldIndex() {
  size_t slots = 16;
  while (slots < m_entries.size() * 2) slots *= 2;
  m_slots.assign(slots, 0);
  std::vector<uint32_t> groupOf(m_entries.size());
  std::vector<uint32_t> representative;  // an entry of each group
  for (size_t i = 0; i < m_entries.size(); ++i) {
    const std::string_view source = Source(m_entries[i]);
    for (size_t s = lemmatizer::FoldHash(source) & (slots - 1);; s = (s + 1) & (slots - 1)) {
      if (m_slots[s] == 0) {
        representative.push_back(static_cast<uint32_t>(i));
        m_slots[s] = static_cast<uint32_t>(representative.size());
        groupOf[i] = m_slots[s] - 1;
        break;
      }
      const uint32_t group = m_slots[s] - 1;
      if (lemmatizer::SameFoldedForm(source, Source(m_entries[representative[group]]))) {
        groupOf[i] = group;
        break;
      }
    }
  }
  // The members of each group, ascending: a counting sort by group.
  m_groupStart.assign(representative.size() + 1, 0);
  for (const uint32_t group : groupOf) ++m_groupStart[group + 1];
  std::partial_sum(m_groupStart.begin(), m_groupStart.end(), m_groupStart.begin());
  m_members.resize(m_entries.size());
  std::vector<uint32_t> next(m_groupStart.begin(), m_groupStart.end() - 1);
  for (size_t i = 0; i < m_entries.size(); ++i) {
    m_members[next[groupOf[i]]++] = static_cast<uint32_t>(i);
  }
}

int64_t CSWD::FindGroup(std::string_view key) const {
  if (m_slots.empty()) return -1;
  const size_t mask = m_slots.size() - 1;
  for (size_t s = lemmatizer::FoldHash(key) & mask;; s = (s + 1) & mask) {
    if (m_slots[s] == 0) return -1;
    const uint32_t group = m_slots[s] - 1;
    const Entry& first = m_entries[m_members[m_groupStart[group]]];
    if (lemmatizer::SameFoldedForm(key, Source(first))) return group;
  }
}

std::string CSWD::FoldedSource(const std::string& text) {
  std::string folded = text;
  for (char& c : folded) c = lemmatizer::kLatin1Upper(c);
  return folded;
}

void CSWD::MakeKey(const char* word, size_t length, char* key) const {
  if (const lemmatizer::ByteMap* fold = lemmatizer::WholeWordFold(m_keyKind)) {
    for (size_t i = 0; i < length; ++i) key[i] = (*fold)(word[i]);
  } else {
    std::memcpy(key, word, length);
  }
  if (length > 0) key[0] = lemmatizer::FirstLetterMap(m_keyKind)(key[0]);
}

std::string CSWD::LookupKey(const char* word) const {
  std::string key(word == nullptr ? "" : word);
  MakeKey(key.data(), key.size(), &key[0]);
  return key;
}

bool CSWD::Find(const char* word, size_t length, ReadingList& out) const {
  if (word == nullptr || length == 0) return false;
  // Keys of words as long as a lookup takes live on the stack.
  char buffer[128];
  std::string longKey;
  char* bytes = buffer;
  if (length > sizeof(buffer)) {
    longKey.resize(length);
    bytes = &longKey[0];
  }
  MakeKey(word, length, bytes);
  const std::string_view key(bytes, length);
  const int64_t group = FindGroup(key);
  if (group < 0) return false;
  // Entries are taken from the first whose source is not below the key, as
  // long as they equal the key ignoring case. That first entry is normally
  // the group's first member not below the key; only an entry of another
  // folded form (one with trailing NUL bytes) can come between.
  size_t first = m_entries.size();
  for (uint32_t m = m_groupStart[group]; m < m_groupStart[group + 1]; ++m) {
    if (Source(m_entries[m_members[m]]) >= key) {
      first = m_members[m];
      break;
    }
  }
  if (first > 0 && Source(m_entries[first - 1]) >= key) {
    first = static_cast<size_t>(
        std::lower_bound(m_entries.begin(), m_entries.end(), key,
                         [this](const Entry& e, std::string_view k) { return Source(e) < k; }) -
        m_entries.begin());
  }
  bool found = false;
  for (size_t i = first;
       i < m_entries.size() && lemmatizer::EqualIgnoringCase(Source(m_entries[i]), key); ++i) {
    found = true;
    const Entry& entry = m_entries[i];
    const std::string_view lemma = Lemma(entry);
    for (uint32_t t = 0; t < entry.tagCount; ++t) {
      out.Add(lemma, m_tags[entry.tags + t], ReadingSource::kSwd);
    }
  }
  return found;
}

bool CSWD::Lookup(const char* word, std::vector<std::string>& lemmas, std::vector<int32_t>& tags) {
  lemmas.clear();
  tags.clear();
  ReadingList readings;
  const bool found = word != nullptr && Find(word, std::strlen(word), readings);
  for (size_t i = 0; i < readings.Size(); ++i) {
    lemmas.emplace_back(readings.Lemma(i), readings.LemmaLength(i));
    tags.push_back(readings.Tag(i));
  }
  return found;
}
