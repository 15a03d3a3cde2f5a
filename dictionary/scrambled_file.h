// The text data files (SWD, PWD, Russian extension) are stored scrambled:
// byte i of the text is stored as byte i XOR k(i), with k(0) = kScrambleSeed
// and k(i+1) = k(i) + kScrambleStep modulo 256. Scrambling and unscrambling
// are the same operation. The tool lemm-scramble applies it to files.
#ifndef LEMMATIZER_DICTIONARY_SCRAMBLED_FILE_H_
#define LEMMATIZER_DICTIONARY_SCRAMBLED_FILE_H_

#include <istream>
#include <sstream>
#include <string>

namespace lemmatizer {

constexpr unsigned char kScrambleSeed = 0x6B;
constexpr unsigned char kScrambleStep = 0x35;

// Scrambles (or unscrambles) `bytes` in place, starting at the seed.
void ScrambleBytes(std::string& bytes);

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

}  // namespace lemmatizer

#endif  // LEMMATIZER_DICTIONARY_SCRAMBLED_FILE_H_
