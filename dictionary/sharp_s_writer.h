// The writer of the German sharp-s trie ("de-ss.hsq"), in the format that
// dictionary/german_normalizer.h reads (doc/formats.md).
// MakeLemma asks it for the spelling class of a lemma whose
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
// The writer raises std::invalid_argument for texts it cannot encode.
#ifndef LEMMATIZER_DICTIONARY_SHARP_S_WRITER_H_
#define LEMMATIZER_DICTIONARY_SHARP_S_WRITER_H_

#include <cstdint>
#include <string>
#include <vector>

namespace lemmatizer {

struct SharpSEntry {
  std::string text;       // no '#', '+' or NUL byte
  int32_t spellingClass;  // 0 or more
  bool wholeText;         // false: every text that ends in `text`
};

// The bytes of a sharp-s trie file, closed by its checksum record.
std::string SharpSTrieBytes(const std::vector<SharpSEntry>& entries, int32_t defaultClass);

}  // namespace lemmatizer

#endif  // LEMMATIZER_DICTIONARY_SHARP_S_WRITER_H_
