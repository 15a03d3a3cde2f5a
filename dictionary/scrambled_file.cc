#include "dictionary/scrambled_file.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>

#include "platform/file.h"

namespace lemmatizer {

void ScrambleBytes(std::string& bytes) {
  // The key sequence repeats after 256 bytes (the step is odd): XOR with
  // one period of it, eight bytes at a time.
  static const struct KeyStream {
    unsigned char key[256 + 8];
    KeyStream() {
      unsigned char k = kScrambleSeed;
      for (unsigned char& b : key) {
        b = k;
        k = static_cast<unsigned char>(k + kScrambleStep);
      }
    }
  } stream;
  char* data = &bytes[0];
  const size_t size = bytes.size();
  size_t i = 0;
  for (; i + 8 <= size; i += 8) {
    uint64_t text;
    uint64_t key;
    std::memcpy(&text, data + i, 8);
    std::memcpy(&key, stream.key + (i & 255), 8);
    text ^= key;
    std::memcpy(data + i, &text, 8);
  }
  for (; i < size; ++i) data[i] = static_cast<char>(data[i] ^ stream.key[i & 255]);
}

bool ReadScrambledText(const char* path, std::string& text) {
  std::ifstream in;
  if (!OpenBinaryInput(path, in)) return false;
  // A regular file is read in one piece; anything else as far as it goes.
  const int64_t size = FileSizeByPath(path);
  if (size >= 0) {
    text.resize(static_cast<size_t>(size));
    in.read(&text[0], static_cast<std::streamsize>(size));
    text.resize(static_cast<size_t>(in.gcount()));
  } else {
    text.assign((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  ScrambleBytes(text);
  return true;
}

bool ReadScrambledFile(const char* path, std::stringstream& stream) {
  std::string text;
  if (!ReadScrambledText(path, text)) return false;
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

std::string_view LineReader::Next() {
  if (!m_good) return std::string_view();
  for (;;) {
    if (m_pos >= m_text.size()) {  // nothing left: the end is met while skipping
      m_good = false;
      return std::string_view();
    }
    const char c = m_text[m_pos];
    if (c == ' ' || c == '\t') {
      ++m_pos;
      continue;
    }
    if (c == '\n') {  // a blank line
      ++m_pos;
      return std::string_view();
    }
    break;
  }
  const size_t start = m_pos;
  const size_t end = m_text.find('\n', start);
  if (end == std::string_view::npos) {  // cut off by the end of the text
    m_pos = m_text.size();
    m_good = false;
    return m_text.substr(start);
  }
  m_pos = end + 1;
  return m_text.substr(start, end - start);
}

}  // namespace lemmatizer
