#include "platform/case_tables.h"

namespace lemmatizer {
namespace {

// A run of bytes [first, last] moved by `shift`.
struct Shift {
  int first;
  int last;
  int shift;
};

// A single byte sent to another.
struct Pair {
  int from;
  int to;
};

// The map that applies `shifts`, then `pairs` (later entries win).
template <size_t kShifts, size_t kPairs>
constexpr ByteMap MakeMap(const Shift (&shifts)[kShifts], const Pair (&pairs)[kPairs]) {
  ByteMap map{};
  for (int c = 0; c < 256; ++c) map.to[c] = static_cast<unsigned char>(c);
  for (const Shift& s : shifts) {
    for (int c = s.first; c <= s.last; ++c) map.to[c] = static_cast<unsigned char>(c + s.shift);
  }
  for (const Pair& p : pairs) map.to[p.from] = static_cast<unsigned char>(p.to);
  return map;
}

// `first` applied after `before`.
constexpr ByteMap Compose(const ByteMap& before, const ByteMap& first) {
  ByteMap map{};
  for (int c = 0; c < 256; ++c) map.to[c] = first.to[before.to[c]];
  return map;
}

constexpr Pair kNoPairs[] = {{0, 0}};  // byte 0 stays 0

constexpr Shift kDefaultLowerShifts[] = {
    {0x41, 0x5A, 0x20}, {0xC0, 0xD6, 0x20}, {0xD8, 0xDD, 0x20}};
constexpr Shift kLatin1UpperShifts[] = {
    {0x61, 0x7A, -0x20}, {0xE0, 0xF6, -0x20}, {0xF8, 0xFD, -0x20}};
constexpr Shift kCp1251LowerShifts[] = {{0x41, 0x5A, 0x20}, {0xC0, 0xDF, 0x20}};
constexpr Pair kCp1251LowerPairs[] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x8F, 0x9F}};
constexpr Shift kNoShifts[] = {{0, 0, 0}};
constexpr Pair kYoToYePairs[] = {{0xA8, 0xC5}, {0xB8, 0xE5}};
constexpr Shift kGreekKeyShifts[] = {{0x41, 0x5A, 0x20}, {0xC1, 0xD1, 0x20}, {0xD3, 0xDB, 0x20}};
constexpr Pair kGreekKeyPairs[] = {{0x8A, 0x9A}, {0x8C, 0x9C}, {0x8E, 0x9E}, {0x8F, 0x9F},
                                   {0xA2, 0xDC}, {0xB6, 0xDC}, {0xB8, 0xDD}, {0xB9, 0xDE},
                                   {0xBA, 0xDF}, {0xBC, 0xFC}, {0xBE, 0xFD}, {0xBF, 0xFE}};
constexpr Pair kAlphaTonosPairs[] = {{0xA2, 0xDC}, {0xB6, 0xDC}};
constexpr Shift kGreekFirstShifts[] = {
    {0xC1, 0xD1, 0x20}, {0xD3, 0xDB, 0x20}, {0xB8, 0xBA, 0x25}, {0xBE, 0xBF, 0x3F}};
constexpr Pair kGreekFirstPairs[] = {{0xA2, 0xDC}, {0xB6, 0xDC}, {0xBC, 0xFC}};

constexpr ByteMap kDefaultLowerMap = MakeMap(kDefaultLowerShifts, kNoPairs);
constexpr ByteMap kCp1251LowerMap = MakeMap(kCp1251LowerShifts, kCp1251LowerPairs);
constexpr ByteMap kCp1251YoToYeMap = MakeMap(kNoShifts, kYoToYePairs);

}  // namespace

const ByteMap kDefaultLower = kDefaultLowerMap;
const ByteMap kLatin1Upper = MakeMap(kLatin1UpperShifts, kNoPairs);
const ByteMap kCp1251Lower = kCp1251LowerMap;
const ByteMap kCp1251YoToYe = kCp1251YoToYeMap;
const ByteMap kRussianKey = Compose(kCp1251YoToYeMap, kCp1251LowerMap);
const ByteMap kGreekKey = MakeMap(kGreekKeyShifts, kGreekKeyPairs);
const ByteMap kGreekAlphaTonos = MakeMap(kNoShifts, kAlphaTonosPairs);
const ByteMap kGreekSwdFirstLetter = MakeMap(kGreekFirstShifts, kGreekFirstPairs);

bool MapText(const char* text, size_t length, const ByteMap& map, char* out, size_t capacity) {
  if (length + 1 > capacity) return false;
  for (size_t i = 0; i < length; ++i) out[i] = map(text[i]);
  out[length] = '\0';
  return true;
}

}  // namespace lemmatizer
