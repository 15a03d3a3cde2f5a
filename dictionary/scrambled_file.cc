#include "dictionary/scrambled_file.h"

#include <fstream>
#include <iterator>

#include "platform/file.h"

namespace lemmatizer {

void ScrambleBytes(std::string& bytes) {
  unsigned char k = kScrambleSeed;
  for (char& c : bytes) {
    c = static_cast<char>(static_cast<unsigned char>(c) ^ k);
    k = static_cast<unsigned char>(k + kScrambleStep);
  }
}

bool ReadScrambledFile(const char* path, std::stringstream& stream) {
  std::ifstream in;
  if (!OpenBinaryInput(path, in)) return false;
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ScrambleBytes(text);
  stream.clear();
  stream.str(text);
  stream.seekg(0);
  return true;
}

bool WriteScrambledFile(const std::string& path, const std::string& text) {
  std::string bytes = text;
  ScrambleBytes(bytes);
  return WriteFileBytes(path, bytes);
}

void ReadLine(std::istream& stream, std::string& line, char delimiter, bool skipBlanks) {
  line.clear();
  if (skipBlanks && stream.good()) {
    for (;;) {
      const int c = stream.peek();
      if (c == ' ' || c == '\t') {
        stream.get();
        continue;
      }
      if (c == static_cast<unsigned char>(delimiter)) {
        stream.get();
        return;
      }
      break;
    }
  }
  std::streambuf* buffer = stream.rdbuf();
  if (!stream.good() || buffer == nullptr) {
    stream.setstate(std::ios::eofbit | std::ios::failbit);
    return;
  }
  for (;;) {
    const int c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      stream.setstate(std::ios::eofbit | std::ios::failbit);
      return;
    }
    if (c == static_cast<unsigned char>(delimiter)) return;
    line += static_cast<char>(c);
  }
}

}  // namespace lemmatizer
