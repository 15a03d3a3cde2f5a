// The 500-byte header block of a main dictionary file (see doc/formats.md).
//
// The lookup never needs the header, and a file whose header is blank or
// holds text of any other kind loads as it always did. A header written by
// this project's compiler is text, "name: value" lines up to the first NUL
// byte, and three of its lines are checked at load time when present:
//   "format: N"             the version of the file layout; a file of a
//                           later version than this library reads is
//                           refused;
//   "endings: fnv1a64 H"    the digest of the ending table the file was
//                           built against; a file built against another
//                           table than this build's is refused, since its
//                           lemcodes would give wrong lemmas;
//   "checksum: crc32 H"     the CRC-32 of the record bytes; a file whose
//                           records do not match it is refused.
#ifndef LEMMATIZER_DICTIONARY_MAIN_FILE_HEADER_H_
#define LEMMATIZER_DICTIONARY_MAIN_FILE_HEADER_H_

#include <cstdint>
#include <string>

namespace lemmatizer {

// The layout version this library reads and the compiler writes.
constexpr int kMainFileFormat = 1;

struct MainFileHeader {
  int format = 0;  // 0: not stated
  bool hasEndings = false;
  uint64_t endings = 0;
  bool hasChecksum = false;
  uint32_t checksum = 0;
};

// The checked lines of a header block of `size` bytes.
MainFileHeader ParseMainFileHeader(const char* header, size_t size);

// The header lines that state `header`'s fields, for the compiler.
std::string MainFileHeaderLines(const MainFileHeader& header);

// The "name: value" lines of a text header, as this header and the word
// list's (dictionary/word_list.h) write them: the value of line `name` (up
// to the end of the text), or null; and a value "<kind> <hex>" read into
// `value`, false when the value is not of that form.
const char* HeaderLineValue(const std::string& text, const char* name);
bool ReadHeaderHex(const char* value, const char* kind, uint64_t& out);

}  // namespace lemmatizer

#endif  // LEMMATIZER_DICTIONARY_MAIN_FILE_HEADER_H_
