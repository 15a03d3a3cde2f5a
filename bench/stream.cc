#include "bench/stream.h"

#include <fstream>
#include <sstream>
#include <string_view>

#include "platform/codepage.h"

namespace lemmbench {

bool Stream::Read(const std::string& path, int codePage, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot read " + path + " (bench/make-streams writes it)";
    return false;
  }
  std::ostringstream content;
  content << in.rdbuf();
  m_utf8Bytes = content.str();
  if (!m_utf8Bytes.empty() && m_utf8Bytes.back() != '\n') m_utf8Bytes += '\n';
  // A word in the code page is never longer than in UTF-8, so this buffer
  // never grows and the words' pointers stay valid.
  m_codePageBytes.clear();
  m_utf8.clear();
  m_codePage.clear();
  m_tokens = m_unwritable = 0;
  m_codePageBytes.reserve(m_utf8Bytes.size());
  std::string converted;
  size_t start = 0;
  for (size_t end = m_utf8Bytes.find('\n'); end != std::string::npos;
       start = end + 1, end = m_utf8Bytes.find('\n', start)) {
    m_utf8Bytes[end] = '\0';
    if (end == start) continue;
    ++m_tokens;
    const std::string_view word(m_utf8Bytes.data() + start, end - start);
    if (!lemmatizer::Utf8ToCodePage(word, codePage, converted)) {
      ++m_unwritable;
      continue;
    }
    m_utf8.push_back(Word{m_utf8Bytes.data() + start, static_cast<int>(word.size())});
    m_codePage.push_back(
        Word{m_codePageBytes.data() + m_codePageBytes.size(), static_cast<int>(converted.size())});
    m_codePageBytes.append(converted);
    m_codePageBytes += '\0';
  }
  if (m_tokens == 0) {
    error = path + " holds no token";
    return false;
  }
  return true;
}

void Stream::Truncate(size_t words) {
  if (words >= m_utf8.size()) return;
  m_utf8.resize(words);
  m_codePage.resize(words);
}

bool ReadLanguageStream(const std::string& streamDir, const lemmatizer::Language& language,
                        size_t words, Stream& stream, std::string& error) {
  if (!stream.Read(streamDir + language.code + ".txt", language.codePage, error)) return false;
  if (words > 0) stream.Truncate(words);
  return true;
}

}  // namespace lemmbench
