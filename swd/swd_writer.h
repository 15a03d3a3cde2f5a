// The writer of the SWD file ("<code>.swd"), in the format swd/swd.h reads
// (doc/formats.md): "source;lemma;TAG TAG" lines, stored scrambled.
#ifndef LEMMATIZER_SWD_SWD_WRITER_H_
#define LEMMATIZER_SWD_SWD_WRITER_H_

#include <cstdint>
#include <string>
#include <vector>

namespace lemmatizer {

struct SwdLine {
  std::string source;  // as the lookup folds it (CSWD::LookupKey)
  std::string lemma;
  std::vector<int32_t> tags;  // tag numbers
};

// The plain text of an SWD file: "source;lemma;TAG TAG\n" per line. False
// when a source or lemma cannot be written in the format (a ';', a line
// end, or a leading blank) or a line has no tag, with `bad` naming its
// source.
bool SwdText(const std::vector<SwdLine>& lines, std::string& text, std::string& bad);

// Appends the checksum line to the text of an SWD file: "checksum: crc32 H"
// with the CRC-32 of the text before it, and no line end, so that readers
// that do not know it leave it out as a line the end of the file cut off.
void AppendSwdChecksum(std::string& text);

}  // namespace lemmatizer

#endif  // LEMMATIZER_SWD_SWD_WRITER_H_
