// CSWD: the per-language table of listed word forms and multi-word
// expressions, each with its lemma and a set of tags given by name. The
// pipeline asks it first; when it knows a form its answer is final.
//
// The file is scrambled text (scrambled_file.h, doc/formats.md), one entry a
// line: "source;lemma;TAG TAG ...", or "source;;TAG ..." for a lemma equal to
// the source. Load reports every problem through the caller's error text and
// never raises; a non-empty error text fails the language's creation.
//
// The loaded table is compact (swd/swd_table.h): the entries sorted by
// source (entries with equal sources in the order of their lines) as records
// in one byte buffer, and an index over each source's case fold, so that a
// word no source can match is answered by one probe of that index.
#ifndef LEMMATIZER_SWD_SWD_H_
#define LEMMATIZER_SWD_SWD_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/reading_list.h"
#include "registry/languages.h"
#include "swd/swd_table.h"

namespace lemmatizer {

// The start of the checksum line that may close an SWD file (after its last
// line end): the CRC-32 of the text before it follows as eight hex digits.
constexpr char kSwdChecksumPrefix[] = "checksum: crc32 ";

}  // namespace lemmatizer

class CSWD {
 public:
  // `language` is the code exactly as the caller gave it; `unused` has no
  // effect.
  CSWD(const char* language, int unused);
  CSWD(const CSWD&) = delete;
  CSWD& operator=(const CSWD&) = delete;
  ~CSWD();

  // Reads the file; every problem makes `error` non-empty. A file closed by
  // a checksum line that its text does not match is refused ("checksum
  // error in file : ..."). A line cut off by the end of the file is not
  // used; a line without a source, lemma or
  // tag field ends the reading; an unknown tag name is reported and the
  // entry kept without it. Neighbouring entries (in source order) with the
  // same source and lemma become one with the union of their tags.
  void Load(const char* path, std::string& error);

  // Appends the lemma and tag of every matching entry's tags to `out`
  // (marked kSwd). The key is the word with its first letter lowered (and,
  // for Russian and Greek codes, a few letter variants folded); entries
  // match from the first whose source is not below the key as long as their
  // source equals it ignoring Latin-1 case. Returns true when at least one
  // entry matched, even one without tags. `length` is the word's length.
  // Changes nothing but `out`.
  bool Find(const char* word, size_t length, lemmatizer::ReadingList& out) const;

  // The same, emptying both lists first and filling them.
  bool Lookup(const char* word, std::vector<std::string>& lemmas, std::vector<int32_t>& tags);

  // The key under which Lookup searches `word`: what a file's source for
  // that word must be.
  std::string LookupKey(const char* word) const;

  // `text` with the case folding under which Lookup compares sources: two
  // sources meet the same words when their folded forms are equal.
  static std::string FoldedSource(const std::string& text);

  // Number of entries after merging, and the bytes the table takes.
  size_t EntryCount() const { return m_table.Size(); }
  size_t MemoryBytes() const { return m_table.MemoryBytes(); }

 private:
  // Writes the key of the `length` bytes of `word` into `key` (as long).
  void MakeKey(const char* word, size_t length, char* key) const;

  std::string m_language;
  lemmatizer::SwdKeyKind m_keyKind;  // how Lookup makes its key
  lemmatizer::SwdTable m_table;
};

#endif  // LEMMATIZER_SWD_SWD_H_
