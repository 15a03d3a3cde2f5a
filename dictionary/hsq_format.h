// The main dictionary file format ("<code>-cwd.hsq").
//
// A 500-byte header block that the library keeps but never interprets,
// followed by N packed 5-byte records: one key byte and a little-endian
// signed 32-bit value. N = (file size - 500) / 5; trailing bytes are
// ignored. The records form a trie over the key "#" + normalized word,
// entered with the key's last byte:
//   - value >= 1: an inner edge; the 1-based index of the first record of
//     the child node;
//   - value <= 0: a result; -value packs the lemcode (bits 0-11), the count
//     of bytes to cut from the end of the key (bits 12-19) and the raw tag
//     (bits 20-31; raw tag r is tag number r + 1).
// A node is a run of records; a '+' record matches any byte. Several results
// for one key are consecutive result records with the same key byte.
#ifndef LEMMATIZER_DICTIONARY_HSQ_FORMAT_H_
#define LEMMATIZER_DICTIONARY_HSQ_FORMAT_H_

#include <cstdint>

namespace lemmatizer {

constexpr int kHsqHeaderSize = 500;
constexpr int kHsqRecordSize = 5;
constexpr int kHsqChunkRecords = 1024;
constexpr char kHsqWildcard = '+';
constexpr char kHsqWordStart = '#';

struct HsqResult {
  int32_t rawTag;   // 0..4095
  int32_t cut;      // 0..255
  int32_t lemcode;  // 0..4095
};

// The record value of a result. Computed on unsigned 32 bits, so every
// field combination, the largest included, has a defined value.
inline int32_t EncodeHsqResult(const HsqResult& r) {
  const uint32_t w = (static_cast<uint32_t>(r.rawTag & 0xFFF) << 20) |
                     (static_cast<uint32_t>(r.cut & 0xFF) << 12) |
                     static_cast<uint32_t>(r.lemcode & 0xFFF);
  return static_cast<int32_t>(0u - w);
}

// The fields of a result value (value <= 0).
inline HsqResult DecodeHsqResult(int32_t value) {
  const uint32_t w = 0u - static_cast<uint32_t>(value);
  return HsqResult{static_cast<int32_t>((w >> 20) & 0xFFF), static_cast<int32_t>((w >> 12) & 0xFF),
                   static_cast<int32_t>(w & 0xFFF)};
}

}  // namespace lemmatizer

#endif  // LEMMATIZER_DICTIONARY_HSQ_FORMAT_H_
