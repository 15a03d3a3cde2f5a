// Writers of the two extra files of the German dictionary: the sharp-s trie
// ("de-ss.hsq") and the prefix cells ("de-prfx.hsq"), in the formats that
// dictionary/german_normalizer.h and rules/german.h read.
//
// Sharp-s trie. MakeLemma asks it for the spelling class of a lemma whose
// key holds "SS"; classes 1 and 3 make a final SS, SSE or SSEN be written
// with ß, every other class keeps the double s. The text it asks about is
// the lemma before case folding: upper-case ASCII letters, the umlauts as
// the user typed them (either case, untranscribed: 0xC4/0xE4 and so on) and
// a final sharp s spelled SS. So Straße, Strasse and STRASSE all ask for
// STRASSE, größe asks for GRöSSE and GRÖSSE for GRÖSSE: key every umlaut
// spelling that can occur. An entry is either a whole text or a suffix;
// a text gets the class of its whole-text entry, else of its longest
// suffix entry, else the default class, so every walk ends in a result.
//
// Prefix cells. The German handler looks prefixes up in key form (upper
// case, umlauts and sharp s transcribed: ZURUECK, not ZURÜCK) to decide
// whether "GE" or "ZU" after them is an infix.
//
// Both writers raise std::invalid_argument for texts they cannot encode and
// std::length_error for lists that do not fit the format.
#ifndef LEMMATIZER_TOOLS_GERMAN_FILES_H_
#define LEMMATIZER_TOOLS_GERMAN_FILES_H_

#include <cstdint>
#include <string>
#include <vector>

namespace lemmatizer {

struct SharpSEntry {
  std::string text;       // no '#', '+' or NUL byte
  int32_t spellingClass;  // 0 or more
  bool wholeText;         // false: every text that ends in `text`
};

// The bytes of a sharp-s trie file.
std::string SharpSTrieBytes(const std::vector<SharpSEntry>& entries, int32_t defaultClass);

// The bytes of a prefix file that knows exactly `prefixes` (non-empty, no
// NUL byte; duplicates are allowed). At most 32768 cells.
std::string PrefixCellBytes(const std::vector<std::string>& prefixes);

}  // namespace lemmatizer

#endif  // LEMMATIZER_TOOLS_GERMAN_FILES_H_
