// Numbers in byte buffers: little-endian fixed-width integers, how the
// binary dictionary files store their numbers whatever the host's byte
// order, and variable-length numbers for the tables built in memory.
#ifndef LEMMATIZER_PLATFORM_CODING_H_
#define LEMMATIZER_PLATFORM_CODING_H_

#include <cstdint>
#include <string>
#include <vector>

namespace lemmatizer {

inline uint16_t DecodeFixed16(const unsigned char* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

inline uint32_t DecodeFixed32(const unsigned char* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// Appends the low `width` bytes of `value`, least significant first.
inline void PutFixed(std::string& out, uint32_t value, int width) {
  for (int i = 0; i < width; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

inline void PutFixed16(std::string& out, uint16_t value) { PutFixed(out, value, 2); }
inline void PutFixed32(std::string& out, uint32_t value) { PutFixed(out, value, 4); }

// Variable-length numbers: seven bits a byte, least significant first, the
// high bit set on every byte but the last.
inline void PutVarint(std::vector<unsigned char>& out, uint64_t value) {
  while (value >= 0x80) {
    out.push_back(static_cast<unsigned char>(value | 0x80));
    value >>= 7;
  }
  out.push_back(static_cast<unsigned char>(value));
}

// The bytes PutVarint writes for `value`.
inline size_t VarintLength(uint64_t value) {
  size_t length = 1;
  for (; value >= 0x80; value >>= 7) ++length;
  return length;
}

// Writes `value` as PutVarint does at `p`; returns the end.
inline unsigned char* EncodeVarint(unsigned char* p, uint64_t value) {
  for (; value >= 0x80; value >>= 7) *p++ = static_cast<unsigned char>(value | 0x80);
  *p++ = static_cast<unsigned char>(value);
  return p;
}

// Reads a number written by PutVarint and moves `p` past it.
inline uint64_t GetVarint(const unsigned char*& p) {
  uint64_t value = 0;
  for (int shift = 0;; shift += 7) {
    const unsigned char b = *p++;
    value |= static_cast<uint64_t>(b & 0x7F) << shift;
    if ((b & 0x80) == 0) return value;
  }
}

}  // namespace lemmatizer

#endif  // LEMMATIZER_PLATFORM_CODING_H_
