#include "dictionary/greek_normalizer.h"

namespace {

// Windows-1253: Latin and Greek capitals to small letters, accented
// capitals to their small forms.
struct GreekLowerTable {
  unsigned char map[256];
  GreekLowerTable() {
    for (int c = 0; c < 256; ++c) map[c] = static_cast<unsigned char>(c);
    for (int c = 0x41; c <= 0x5A; ++c) map[c] = static_cast<unsigned char>(c + 0x20);
    map[0x8A] = 0x9A;
    map[0x8C] = 0x9C;
    map[0x8E] = 0x9E;
    map[0x8F] = 0x9F;
    map[0xA2] = 0xDC;
    map[0xB6] = 0xDC;
    map[0xB8] = 0xDD;
    map[0xB9] = 0xDE;
    map[0xBA] = 0xDF;
    map[0xBC] = 0xFC;
    map[0xBE] = 0xFD;
    map[0xBF] = 0xFE;
    for (int c = 0xC1; c <= 0xDB; ++c) {
      if (c != 0xD2) map[c] = static_cast<unsigned char>(c + 0x20);
    }
  }
};

const GreekLowerTable kGreekLower;

}  // namespace

bool CGreekNormalizer::Normalize(const char* word, char* key, size_t capacity) {
  return MapBytes(word, kGreekLower.map, key, capacity);
}
