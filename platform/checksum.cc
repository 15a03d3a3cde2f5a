#include "platform/checksum.h"

namespace lemmatizer {
namespace {

// CRC-32 tables for eight bytes at a time: entry[0] is the classic table,
// entry[k][n] the CRC of byte n followed by k zero bytes.
struct Crc32Tables {
  uint32_t entry[8][256];
  constexpr Crc32Tables() : entry() {
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      entry[0][n] = c;
    }
    for (uint32_t n = 0; n < 256; ++n) {
      for (int k = 1; k < 8; ++k) {
        entry[k][n] = (entry[k - 1][n] >> 8) ^ entry[0][entry[k - 1][n] & 0xFF];
      }
    }
  }
};

constexpr Crc32Tables kCrc32;

}  // namespace

uint32_t Crc32(const void* data, size_t size, uint32_t crc) {
  const auto* p = static_cast<const unsigned char*>(data);
  crc = ~crc;
  // Eight bytes a step (the bytes read one by one: any alignment, any byte
  // order of the host).
  for (; size >= 8; size -= 8, p += 8) {
    const uint32_t low = crc ^ (static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                static_cast<uint32_t>(p[2]) << 16 |
                                static_cast<uint32_t>(p[3]) << 24);
    crc = kCrc32.entry[7][low & 0xFF] ^ kCrc32.entry[6][(low >> 8) & 0xFF] ^
          kCrc32.entry[5][(low >> 16) & 0xFF] ^ kCrc32.entry[4][low >> 24] ^
          kCrc32.entry[3][p[4]] ^ kCrc32.entry[2][p[5]] ^ kCrc32.entry[1][p[6]] ^
          kCrc32.entry[0][p[7]];
  }
  for (; size > 0; --size, ++p) crc = kCrc32.entry[0][(crc ^ *p) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

uint64_t Fnv1a64(std::string_view bytes) {
  uint64_t hash = 0xcbf29ce484222325ull;
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 0x100000001b3ull;
  }
  return hash;
}

}  // namespace lemmatizer
