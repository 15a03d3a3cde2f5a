// Little-endian fixed-width integers in byte buffers: how the binary
// dictionary files store their numbers, whatever the host's byte order.
#ifndef LEMMATIZER_PLATFORM_CODING_H_
#define LEMMATIZER_PLATFORM_CODING_H_

#include <cstdint>
#include <string>

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

}  // namespace lemmatizer

#endif  // LEMMATIZER_PLATFORM_CODING_H_
