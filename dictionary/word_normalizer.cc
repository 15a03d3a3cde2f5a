#include "dictionary/word_normalizer.h"

#include <cstring>

namespace {

// The default lower-case table: A-Z, 0xC0-0xD6 and 0xD8-0xDD get +0x20.
struct DefaultLowerTable {
  unsigned char map[256];
  DefaultLowerTable() {
    for (int c = 0; c < 256; ++c) {
      const bool lowered = (c >= 0x41 && c <= 0x5A) || (c >= 0xC0 && c <= 0xD6) ||
                           (c >= 0xD8 && c <= 0xDD);
      map[c] = static_cast<unsigned char>(lowered ? c + 0x20 : c);
    }
  }
};

const DefaultLowerTable kDefaultLower;

}  // namespace

CWordNormalizer::~CWordNormalizer() = default;

void CWordNormalizer::MakeLemma(const char* /*word*/, const char* lemmaKey, std::string& out) {
  out.assign(lemmaKey);
}

bool CWordNormalizer::Normalize(const char* word, char* key, size_t capacity) {
  return MapBytes(word, kDefaultLower.map, key, capacity);
}

unsigned char CWordNormalizer::DefaultLower(unsigned char c) { return kDefaultLower.map[c]; }

bool CWordNormalizer::MapBytes(const char* word, const unsigned char* table, char* key,
                               size_t capacity) {
  const size_t length = std::strlen(word);
  if (length + 1 > capacity) return false;
  for (size_t i = 0; i < length; ++i) {
    key[i] = static_cast<char>(table[static_cast<unsigned char>(word[i])]);
  }
  key[length] = '\0';
  return true;
}
