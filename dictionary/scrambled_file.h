// The text data files (SWD, PWD, Russian extension) are stored scrambled:
// byte i of the text is stored as byte i XOR k(i), with k(0) = kScrambleSeed
// and k(i+1) = k(i) + kScrambleStep modulo 256. Scrambling and unscrambling
// are the same operation. The tool lemm-scramble applies it to files.
#ifndef LEMMATIZER_DICTIONARY_SCRAMBLED_FILE_H_
#define LEMMATIZER_DICTIONARY_SCRAMBLED_FILE_H_

#include <istream>
#include <sstream>
#include <string>
#include <string_view>

namespace lemmatizer {

constexpr unsigned char kScrambleSeed = 0x6B;
constexpr unsigned char kScrambleStep = 0x35;

// Scrambles (or unscrambles) `bytes` in place, starting at the seed.
void ScrambleBytes(std::string& bytes);

// Reads the whole file and unscrambles it into `text`. Returns false,
// leaving `text` untouched, when the file cannot be opened.
bool ReadScrambledText(const char* path, std::string& text);

// Reads the whole file, unscrambles it and makes it the content of
// `stream`, positioned at its start. Returns false, leaving the stream
// untouched, when the file cannot be opened.
bool ReadScrambledFile(const char* path, std::stringstream& stream);

// Writes `text` scrambled to `path`; false when that fails.
bool WriteScrambledFile(const std::string& path, const std::string& text);

// Reads one line up to `delimiter` (consumed, not stored) or the end of the
// stream, which sets end-of-file and failure so the caller can tell the two
// apart. With `skipBlanks`, leading spaces and tabs are skipped first;
// meeting the delimiter while skipping ends the call with an empty line.
void ReadLine(std::istream& stream, std::string& line, char delimiter, bool skipBlanks);

// ReadLine with delimiter '\n' and blanks skipped, over text in memory:
// the same lines and the same end, without copying them.
class LineReader {
 public:
  explicit LineReader(std::string_view text) : m_text(text) {}

  // The next line (a view into the text). Afterwards Good() is false when
  // the end of the text was met: either the line was cut off by it or there
  // was no line left (then the line is empty).
  std::string_view Next();
  bool Good() const { return m_good; }

 private:
  std::string_view m_text;
  size_t m_pos = 0;
  bool m_good = true;
};

}  // namespace lemmatizer

#endif  // LEMMATIZER_DICTIONARY_SCRAMBLED_FILE_H_
