#include "dictionary/russian_normalizer.h"

namespace {

// Ё/ё folded to е, then the Cyrillic lower-case table, as one map.
struct RussianKeyTable {
  unsigned char map[256];
  RussianKeyTable() {
    for (int c = 0; c < 256; ++c) {
      int folded = c;
      if (c == 0xA8) folded = 0xC5;  // Ё -> Е
      if (c == 0xB8) folded = 0xE5;  // ё -> е
      if ((folded >= 0x41 && folded <= 0x5A) || (folded >= 0xC0 && folded <= 0xDF)) {
        folded += 0x20;
      } else if (folded == 0x8A || folded == 0x8C || folded == 0x8E || folded == 0x8F) {
        folded += 0x10;  // Љ Њ Ћ Џ
      }
      map[c] = static_cast<unsigned char>(folded);
    }
  }
};

const RussianKeyTable kRussianKey;

}  // namespace

bool CRussianNormalizer::Normalize(const char* word, char* key, size_t capacity) {
  return MapBytes(word, kRussianKey.map, key, capacity);
}
