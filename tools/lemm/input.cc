#include "tools/lemm/input.h"

#include <cstring>

#include "platform/unicode.h"

namespace lemmatizer {

namespace {

constexpr size_t kBlockSize = 1 << 20;
// A piece ends at an empty line once it holds this much, and at any line
// end once it holds the larger amount.
constexpr size_t kParagraphPiece = 16 << 10;
constexpr size_t kLargestPiece = 64 << 10;

bool IsBlank(const std::string& line) {
  return line.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

PieceReader::PieceReader(FILE* file, std::string name)
    : m_file(file), m_name(std::move(name)), m_buffer(kBlockSize) {}

bool PieceReader::Fill() {
  if (m_eof) return false;
  if (m_begin > 0) {
    std::memmove(m_buffer.data(), m_buffer.data() + m_begin, m_end - m_begin);
    m_end -= m_begin;
    m_begin = 0;
  }
  if (m_end == m_buffer.size()) m_buffer.resize(m_buffer.size() * 2);  // a very long line
  const size_t got = std::fread(m_buffer.data() + m_end, 1, m_buffer.size() - m_end, m_file);
  if (got == 0) {
    m_eof = true;
    m_readError = std::ferror(m_file) != 0;
    return false;
  }
  // Binary input: a NUL byte, refused before anything of the block is used.
  if (const void* nul = std::memchr(m_buffer.data() + m_end, 0, got)) {
    const size_t at =
        m_consumed + (m_end - m_begin) +
        static_cast<size_t>(static_cast<const char*>(nul) - (m_buffer.data() + m_end));
    std::fprintf(stderr, "lemm: %s: binary input (a NUL byte at byte %zu); not lemmatized\n",
                 m_name.c_str(), at + 1);
    m_binary = true;
    m_eof = true;
    return false;
  }
  m_end += got;
  return true;
}

bool PieceReader::NextLine(std::string& line) {
  for (;;) {
    const char* start = m_buffer.data() + m_begin;
    const void* newline = std::memchr(start, '\n', m_end - m_begin);
    if (newline != nullptr || (m_eof && m_end > m_begin)) {
      const size_t length = newline != nullptr
                                ? static_cast<size_t>(static_cast<const char*>(newline) - start) + 1
                                : m_end - m_begin;
      line.assign(start, length);
      m_begin += length;
      m_consumed += length;
      ++m_line;
      return true;
    }
    if (!Fill() && (m_binary || m_end == m_begin)) return false;
  }
}

bool PieceReader::Next(Piece& piece) {
  piece.text.clear();
  piece.offset = m_consumed;
  std::string line;
  while (!m_binary && NextLine(line)) {
    const size_t valid = ValidUtf8Prefix(line);
    if (valid < line.size()) {
      std::fprintf(stderr, "lemm: %s:%zu:%zu: invalid UTF-8; line skipped\n", m_name.c_str(),
                   m_line, valid + 1);
      m_invalid = true;
      if (!piece.text.empty()) return true;
      piece.offset = m_consumed;
      continue;
    }
    piece.text += line;
    const bool blank = IsBlank(line);
    if ((blank && piece.text.size() >= kParagraphPiece) || piece.text.size() >= kLargestPiece) {
      return true;
    }
  }
  return !m_binary && !piece.text.empty();
}

}  // namespace lemmatizer
