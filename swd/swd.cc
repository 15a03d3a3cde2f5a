#include "swd/swd.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "dictionary/errors.h"
#include "dictionary/scrambled_file.h"
#include "dictionary/tag_table.h"
#include "platform/case_tables.h"
#include "platform/checksum.h"

namespace lemmatizer {
namespace {

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

// Calls `piece` for each run of `text` between separators, empty runs
// dropped; `next` gives the position of the next separator at or after a
// position, or the text's size.
template <typename Next, typename Piece>
void ForEachPiece(std::string_view text, Next&& next, Piece&& piece) {
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = next(text, start);
    if (end > start) piece(text.substr(start, end - start));
    start = end + 1;
  }
}

size_t NextBlank(std::string_view text, size_t from) {
  while (from < text.size() && text[from] != ' ' && text[from] != '\t') ++from;
  return from;
}

size_t NextSemicolon(std::string_view text, size_t from) {
  const void* at = std::memchr(text.data() + from, ';', text.size() - from);
  return at == nullptr ? text.size() : static_cast<const char*>(at) - text.data();
}

// Adds the number of every tag named in `field` to the ascending set
// `tags`; an unknown name is reported in `error` and skipped. A name is
// read up to a NUL byte, as a C string would be.
void ParseTags(std::string_view field, std::string_view line, std::vector<uint16_t>& tags,
               std::string& error) {
  ForEachPiece(field, NextBlank, [&](std::string_view name) {
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

// False when the text ends with a checksum line that the text before it
// does not match.
bool ChecksumHolds(const std::string& text) {
  const size_t lineEnd = text.rfind('\n');
  const size_t start = lineEnd == std::string::npos ? 0 : lineEnd + 1;
  const size_t prefix = sizeof(kSwdChecksumPrefix) - 1;
  if (text.size() - start != prefix + 8 || text.compare(start, prefix, kSwdChecksumPrefix) != 0) {
    return true;  // no checksum line
  }
  uint32_t stored = 0;
  for (size_t i = start + prefix; i < text.size(); ++i) {
    const char c = text[i];
    const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
    if (digit < 0) return true;
    stored = stored << 4 | static_cast<uint32_t>(digit);
  }
  return Crc32(text.data(), start) == stored;
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
  ForEachPiece(line, NextSemicolon, [&](std::string_view piece) {
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

void CSWD::Load(const char* path, std::string& error) {
  std::string text;
  if (!lemmatizer::ReadScrambledText(path, text)) {
    error = std::string("Could not open swd file ") + (path == nullptr ? "" : path);
    return;
  }
  if (!lemmatizer::ChecksumHolds(text)) {
    error = std::string("checksum error in file : ") + path + " (the file is damaged)";
    return;
  }
  m_table.Clear();
  lemmatizer::SwdTable::Builder builder;
  // Room for lines of twenty bytes or more; the records take about as much
  // as the text they come from.
  builder.Reserve(text.size() / 20, text.size());
  try {
    lemmatizer::LineReader lines(text);
    std::vector<uint16_t> tags;
    std::string_view lastField;
    bool lastFieldClean = false;
    for (;;) {
      std::string_view line = lines.Next();
      // A last line that the end of the text cut off is not used.
      if (!lines.Good()) break;
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      const lemmatizer::ParsedLine parsed = lemmatizer::ParseLine(line);
      // Lines of one form often name the same tags: the last field's tags
      // are kept (a field that named an unknown tag is read again, so that
      // every line reports it).
      if (parsed.tagField != lastField || !lastFieldClean) {
        tags.clear();
        const size_t errorLength = error.size();
        lemmatizer::ParseTags(parsed.tagField, line, tags, error);
        lastField = parsed.tagField;
        lastFieldClean = error.size() == errorLength;
      }
      builder.Add(parsed.source, parsed.lemma, tags.data(), tags.size());
    }
  } catch (const std::string& message) {
    error += "Exception caught : " + message + "\n";
  } catch (...) {
    error = "unknown exception";
  }
  builder.Build(m_table);
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
  int64_t member = m_table.FirstOfFold(key);
  if (member < 0) return false;
  // Entries are taken from the first whose source is not below the key, as
  // long as they equal the key ignoring case. That first entry is normally
  // the first of the key's folded form not below the key; only an entry of
  // another folded form (one with trailing NUL bytes) can come between.
  while (member >= 0 && m_table.Source(member) < key) member = m_table.NextOfFold(member);
  size_t first = member >= 0 ? static_cast<size_t>(member) : m_table.Size();
  if (first > 0 && m_table.Source(first - 1) >= key) {
    size_t low = 0, high = first;  // the first entry not below the key
    while (low < high) {
      const size_t middle = low + (high - low) / 2;
      if (m_table.Source(middle) < key) {
        low = middle + 1;
      } else {
        high = middle;
      }
    }
    first = low;
  }
  bool found = false;
  for (size_t i = first; i < m_table.Size(); ++i) {
    const lemmatizer::SwdTable::Entry entry = m_table.At(i);
    if (!lemmatizer::EqualIgnoringCase(entry.source, key)) break;
    found = true;
    for (uint32_t t = 0; t < entry.tagCount; ++t) {
      out.Add(entry.lemma, entry.Tag(t), ReadingSource::kSwd);
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
