// Checksums of the dictionary files: CRC-32 (the polynomial of zlib and
// PNG) of the records a file holds, and the 64-bit FNV-1a digest that
// names the ending table a dictionary was built against.
#ifndef LEMMATIZER_PLATFORM_CHECKSUM_H_
#define LEMMATIZER_PLATFORM_CHECKSUM_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lemmatizer {

// CRC-32 of `size` bytes, continuing from `crc` (0 to start).
uint32_t Crc32(const void* data, size_t size, uint32_t crc = 0);

// The 64-bit FNV-1a digest of the bytes.
uint64_t Fnv1a64(std::string_view bytes);

}  // namespace lemmatizer

#endif  // LEMMATIZER_PLATFORM_CHECKSUM_H_
