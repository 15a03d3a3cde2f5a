#include "dictionary/word_list.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include "dictionary/errors.h"
#include "dictionary/main_file_header.h"
#include "platform/checksum.h"
#include "platform/file.h"
#include "platform/unicode.h"

namespace lemmatizer {

namespace {

constexpr char kTitle[] = "lemmatizer word list (Bloom filter)";
constexpr size_t kLongestHeader = 1024;

// A decimal header value ("bits: 12345"), false when the line is missing
// or holds anything else.
bool ReadDecimal(const char* value, uint64_t& out) {
  if (value == nullptr || *value < '0' || *value > '9') return false;
  char* end = nullptr;
  out = std::strtoull(value, &end, 10);
  return *end == '\n' || *end == '\0';
}

}  // namespace

uint64_t WordListDigest(std::string_view utf8) { return Fnv1a64(LowerWord(utf8)); }

WordList::WordList(const std::string& path) {
  const int64_t size = FileSizeByPath(path.c_str());
  std::vector<char> bytes;
  if (size < 0 ||
      ReadFileBytes(path.c_str(), static_cast<size_t>(size), bytes) != ReadStatus::kRead) {
    RaiseText("cannot read word list : %s", path.c_str());
  }
  const std::string head(bytes.data(), std::min(bytes.size(), kLongestHeader));
  const size_t end = head.find("\n\n");
  const std::string header =
      head.compare(0, sizeof(kTitle) - 1, kTitle) == 0 && end != std::string::npos
          ? head.substr(0, end + 1)
          : std::string();
  uint64_t format = 0, hashes = 0, bits = 0, checksum = 0;
  const bool formed = ReadDecimal(HeaderLineValue(header, "format"), format);
  if (formed && format > 1) RaiseText("unsupported format version in file : %s", path.c_str());
  const size_t body = end + 2;
  if (!formed || !ReadDecimal(HeaderLineValue(header, "hashes"), hashes) || hashes < 1 ||
      hashes > 32 || !ReadDecimal(HeaderLineValue(header, "bits"), bits) || bits == 0 ||
      !ReadHeaderHex(HeaderLineValue(header, "checksum"), "crc32", checksum) ||
      bytes.size() - body != (bits + 7) / 8 ||
      Crc32(bytes.data() + body, bytes.size() - body) != checksum) {
    RaiseText("checksum error in file : %s (the file is damaged)", path.c_str());
  }
  bytes.erase(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(body));
  m_bytes = std::move(bytes);
  m_bits = bits;
  m_hashes = static_cast<int>(hashes);
}

bool WordList::Holds(std::string_view utf8) const {
  const uint64_t digest = WordListDigest(utf8);
  for (int i = 0; i < m_hashes; ++i) {
    const uint64_t bit = WordListBit(digest, i, m_bits);
    if ((static_cast<unsigned char>(m_bytes[bit / 8]) >> (bit % 8) & 1) == 0) return false;
  }
  return true;
}

}  // namespace lemmatizer
