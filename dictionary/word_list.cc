#include "dictionary/word_list.h"

#include <algorithm>
#include <cstdlib>

#include "dictionary/errors.h"
#include "platform/checksum.h"
#include "platform/file.h"
#include "platform/unicode.h"

namespace lemmatizer {

namespace {

constexpr char kTitle[] = "lemmatizer word list (Bloom filter)";
constexpr size_t kLongestHeader = 1024;

// The value of the header line "name: value", or empty.
std::string HeaderValue(const std::string& header, const char* name) {
  const std::string wanted = std::string("\n") + name + ": ";
  const size_t at = header.find(wanted);
  if (at == std::string::npos) return std::string();
  const size_t start = at + wanted.size();
  return header.substr(start, header.find('\n', start) - start);
}

bool ParseUnsigned(const std::string& text, int base, uint64_t& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  value = std::strtoull(text.c_str(), &end, base);
  return *end == '\0' && text[0] != '-';
}

}  // namespace

std::vector<uint64_t> WordListPositions(std::string_view lowerUtf8, int hashes, uint64_t bits) {
  const uint64_t digest = Fnv1a64(lowerUtf8);
  const uint64_t first = digest & 0xFFFFFFFFu;
  const uint64_t step = (digest >> 32) | 1;
  std::vector<uint64_t> positions(static_cast<size_t>(hashes));
  for (int i = 0; i < hashes; ++i) positions[i] = (first + step * i) % bits;
  return positions;
}

WordList::WordList(const std::string& path) {
  const int64_t size = FileSizeByPath(path.c_str());
  std::vector<char> bytes;
  if (size < 0 ||
      ReadFileBytes(path.c_str(), static_cast<size_t>(size), bytes) != ReadStatus::kRead) {
    RaiseText("cannot read word list : %s", path.c_str());
  }
  const std::string head(bytes.data(), std::min(bytes.size(), kLongestHeader));
  const size_t end = head.find("\n\n");
  uint64_t format = 0, hashes = 0, bits = 0, checksum = 0;
  const bool formed = head.compare(0, sizeof(kTitle) - 1, kTitle) == 0 &&
                      end != std::string::npos &&
                      ParseUnsigned(HeaderValue(head, "format"), 10, format);
  if (formed && format > 1) RaiseText("unsupported format version in file : %s", path.c_str());
  const std::string header = formed ? head.substr(0, end + 1) : std::string();
  const std::string sum = HeaderValue(header, "checksum");
  const size_t body = end + 2;
  if (!formed || !ParseUnsigned(HeaderValue(header, "hashes"), 10, hashes) || hashes < 1 ||
      hashes > 32 || !ParseUnsigned(HeaderValue(header, "bits"), 10, bits) || bits == 0 ||
      sum.compare(0, 6, "crc32 ") != 0 || !ParseUnsigned(sum.substr(6), 16, checksum) ||
      bytes.size() - body != (bits + 7) / 8 ||
      Crc32(bytes.data() + body, bytes.size() - body) != checksum) {
    RaiseText("checksum error in file : %s (the file is damaged)", path.c_str());
  }
  m_bytes.assign(bytes.begin() + static_cast<std::ptrdiff_t>(body), bytes.end());
  m_bits = bits;
  m_hashes = static_cast<int>(hashes);
}

bool WordList::Holds(std::string_view utf8) const {
  for (uint64_t bit : WordListPositions(LowerWord(utf8), m_hashes, m_bits)) {
    if ((m_bytes[bit / 8] >> (bit % 8) & 1) == 0) return false;
  }
  return true;
}

}  // namespace lemmatizer
