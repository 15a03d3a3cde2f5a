#include "platform/codepage.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/codepage_tables.h"

namespace lemmatizer {

namespace {

const uint16_t* HighHalf(int codePage) {
  switch (codePage) {
    case 1250:
      return kCodePage1250High;
    case 1251:
      return kCodePage1251High;
    case 1252:
      return kCodePage1252High;
    case 1253:
      return kCodePage1253High;
    default:
      return nullptr;
  }
}

// The bytes of a code page's upper half by code point: pairs sorted by code
// point, searched by halving. (No code point has two bytes in these code
// pages.)
class ByteOfCodePoint {
 public:
  explicit ByteOfCodePoint(const uint16_t* high) {
    for (int i = 0; i < 128; ++i) {
      if (high[i] != 0) m_pairs.push_back({high[i], static_cast<unsigned char>(0x80 + i)});
    }
    std::sort(m_pairs.begin(), m_pairs.end(),
              [](const Pair& a, const Pair& b) { return a.codePoint < b.codePoint; });
  }
  // The byte of `codePoint`, or -1.
  int Find(uint32_t codePoint) const {
    const auto it = std::lower_bound(
        m_pairs.begin(), m_pairs.end(), codePoint,
        [](const Pair& pair, uint32_t wanted) { return pair.codePoint < wanted; });
    return it == m_pairs.end() || it->codePoint != codePoint ? -1 : it->byte;
  }

 private:
  struct Pair {
    uint32_t codePoint;
    unsigned char byte;
  };
  std::vector<Pair> m_pairs;
};

const ByteOfCodePoint* ReverseOf(int codePage) {
  static const ByteOfCodePoint k1250(kCodePage1250High), k1251(kCodePage1251High),
      k1252(kCodePage1252High), k1253(kCodePage1253High);
  switch (codePage) {
    case 1250:
      return &k1250;
    case 1251:
      return &k1251;
    case 1252:
      return &k1252;
    case 1253:
      return &k1253;
    default:
      return nullptr;
  }
}

}  // namespace

bool DecodeUtf8(std::string_view text, size_t& pos, uint32_t& codePoint) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  int extra;
  if (lead < 0x80) {
    codePoint = lead;
    extra = 0;
  } else if ((lead & 0xE0) == 0xC0) {
    codePoint = lead & 0x1F;
    extra = 1;
  } else if ((lead & 0xF0) == 0xE0) {
    codePoint = lead & 0x0F;
    extra = 2;
  } else if ((lead & 0xF8) == 0xF0) {
    codePoint = lead & 0x07;
    extra = 3;
  } else {
    return false;
  }
  if (pos + extra >= text.size() && extra > 0) return false;
  for (int i = 1; i <= extra; ++i) {
    const auto next = static_cast<unsigned char>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return false;
    codePoint = (codePoint << 6) | (next & 0x3F);
  }
  static const uint32_t kMinimum[] = {0, 0x80, 0x800, 0x10000};
  if (codePoint < kMinimum[extra] || codePoint > 0x10FFFF ||
      (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return false;
  }
  pos += extra + 1;
  return true;
}

void AppendUtf8(uint32_t codePoint, std::string& out) {
  if (codePoint < 0x80) {
    out += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    out += static_cast<char>(0xC0 | (codePoint >> 6));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else if (codePoint < 0x10000) {
    out += static_cast<char>(0xE0 | (codePoint >> 12));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (codePoint >> 18));
    out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}

bool IsKnownCodePage(int codePage) { return HighHalf(codePage) != nullptr; }

bool Utf8ToCodePage(std::string_view utf8, int codePage, std::string& out) {
  out.clear();
  const ByteOfCodePoint* reverse = ReverseOf(codePage);
  if (reverse == nullptr) return false;
  size_t pos = 0;
  while (pos < utf8.size()) {
    uint32_t codePoint;
    if (!DecodeUtf8(utf8, pos, codePoint)) return false;
    if (codePoint < 0x80) {
      out += static_cast<char>(codePoint);
      continue;
    }
    const int byte = reverse->Find(codePoint);
    if (byte < 0) return false;
    out += static_cast<char>(byte);
  }
  return true;
}

std::string CodePageToUtf8(std::string_view bytes, int codePage) {
  const uint16_t* high = HighHalf(codePage);
  std::string out;
  out.reserve(bytes.size() * 2);
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    uint32_t codePoint = b;
    if (b >= 0x80 && high != nullptr && high[b - 0x80] != 0) codePoint = high[b - 0x80];
    AppendUtf8(codePoint, out);
  }
  return out;
}

}  // namespace lemmatizer
