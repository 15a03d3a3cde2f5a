#include "platform/unicode.h"

namespace lemmatizer {

namespace {

bool In(uint32_t c, uint32_t first, uint32_t last) { return c >= first && c <= last; }

// A block where capitals and small letters alternate, the capital on even
// (or odd) code points.
struct PairedBlock {
  uint32_t first;
  uint32_t last;
  bool capitalEven;
};

const PairedBlock kPairedBlocks[] = {
    {0x0100, 0x012F, true},  {0x0132, 0x0137, true},  {0x0139, 0x0148, false},
    {0x014A, 0x0177, true},  {0x0179, 0x017E, false}, {0x0182, 0x0185, true},
    {0x0187, 0x0188, false}, {0x018B, 0x018C, false}, {0x0191, 0x0192, false},
    {0x0198, 0x0199, true},  {0x01A0, 0x01A5, true},  {0x01A7, 0x01A8, false},
    {0x01AC, 0x01AD, true},  {0x01AF, 0x01B0, false}, {0x01B3, 0x01B6, false},
    {0x01B8, 0x01B9, true},  {0x01BC, 0x01BD, true},  {0x01CD, 0x01DC, false},
    {0x01DE, 0x01EF, true},  {0x01F4, 0x01F5, true},  {0x01F8, 0x021F, true},
    {0x0222, 0x0233, true},  {0x0246, 0x024F, true},  {0x03D8, 0x03EF, true},
    {0x0460, 0x0481, true},  {0x048A, 0x04BF, true},  {0x04C1, 0x04CE, false},
    {0x04D0, 0x052F, true},  {0x1E00, 0x1E95, true},  {0x1EA0, 0x1EFF, true},
};

const PairedBlock* PairedBlockOf(uint32_t c) {
  for (const PairedBlock& block : kPairedBlocks) {
    if (In(c, block.first, block.last)) return &block;
  }
  return nullptr;
}

// Capitals and small letters that stand a fixed distance apart.
struct ShiftedRange {
  uint32_t firstCapital;
  uint32_t lastCapital;
  uint32_t distance;  // small = capital + distance
};

const ShiftedRange kShiftedRanges[] = {
    {0x0041, 0x005A, 0x20}, {0x00C0, 0x00D6, 0x20}, {0x00D8, 0x00DE, 0x20}, {0x0388, 0x038A, 0x25},
    {0x038E, 0x038F, 0x3F}, {0x0391, 0x03A1, 0x20}, {0x03A3, 0x03AB, 0x20}, {0x0400, 0x040F, 0x50},
    {0x0410, 0x042F, 0x20}, {0x0531, 0x0556, 0x30}, {0xFF21, 0xFF3A, 0x20},
};

// Single pairs outside the blocks and ranges above.
struct CasePair {
  uint32_t capital;
  uint32_t small;
};

const CasePair kSinglePairs[] = {
    {0x0178, 0x00FF}, {0x0181, 0x0253}, {0x0186, 0x0254}, {0x0189, 0x0256}, {0x018A, 0x0257},
    {0x018E, 0x01DD}, {0x018F, 0x0259}, {0x0190, 0x025B}, {0x0193, 0x0260}, {0x0194, 0x0263},
    {0x0196, 0x0269}, {0x0197, 0x0268}, {0x019C, 0x026F}, {0x019D, 0x0272}, {0x019F, 0x0275},
    {0x01A9, 0x0283}, {0x01AE, 0x0288}, {0x01B1, 0x028A}, {0x01B2, 0x028B}, {0x01B7, 0x0292},
    {0x0386, 0x03AC}, {0x038C, 0x03CC}, {0x04C0, 0x04CF}, {0x1E9E, 0x00DF},
};

// The Serbian and Croatian digraph letters: capital, title case, small.
struct Digraph {
  uint32_t capital;
  uint32_t title;
  uint32_t small;
};

const Digraph kDigraphs[] = {{0x01C4, 0x01C5, 0x01C6},
                             {0x01C7, 0x01C8, 0x01C9},
                             {0x01CA, 0x01CB, 0x01CC},
                             {0x01F1, 0x01F2, 0x01F3}};

const Digraph* DigraphOf(uint32_t c) {
  for (const Digraph& d : kDigraphs) {
    if (c == d.capital || c == d.title || c == d.small) return &d;
  }
  return nullptr;
}

constexpr uint32_t kCapitalSigma = 0x03A3;
constexpr uint32_t kSmallSigma = 0x03C3;
constexpr uint32_t kFinalSigma = 0x03C2;

bool IsCased(uint32_t c) { return LowerOf(c) != c || UpperOf(c) != c; }

bool IsWordLetter(CharClass k) { return k == CharClass::kLetter || k == CharClass::kMark; }

CharClass AsciiClass(uint32_t c) {
  if (In(c, '0', '9')) return CharClass::kDigit;
  if (In(c, 'A', 'Z') || In(c, 'a', 'z')) return CharClass::kLetter;
  if (c == ' ' || In(c, 0x09, 0x0D)) return CharClass::kSpace;
  if (c < 0x20 || c == 0x7F) return CharClass::kControl;
  switch (c) {
    case '$':
    case '+':
    case '<':
    case '=':
    case '>':
    case '^':
    case '`':
    case '|':
    case '~':
      return CharClass::kSymbol;
    default:
      return CharClass::kPunctuation;
  }
}

CharClass Latin1Class(uint32_t c) {
  if (c == 0x85) return CharClass::kSpace;
  if (c < 0xA0) return CharClass::kControl;
  if (c == 0xA0) return CharClass::kSpace;
  if (c == 0xAD) return CharClass::kMark;  // soft hyphen
  if (c == 0xAA || c == 0xB5 || c == 0xBA) return CharClass::kLetter;
  if (c == 0xA1 || c == 0xA7 || c == 0xAB || c == 0xB6 || c == 0xB7 || c == 0xBB || c == 0xBF) {
    return CharClass::kPunctuation;
  }
  if (c < 0xC0 || c == 0xD7 || c == 0xF7) return CharClass::kSymbol;
  return CharClass::kLetter;
}

CharClass GeneralPunctuationClass(uint32_t c) {
  if (In(c, 0x2000, 0x200B) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F) {
    return CharClass::kSpace;
  }
  if (c == 0x200C || c == 0x200D) return CharClass::kMark;  // joiners
  if (In(c, 0x200E, 0x200F) || In(c, 0x202A, 0x202E) || In(c, 0x2060, 0x206F)) {
    return CharClass::kControl;
  }
  if (c == 0x2044 || c == 0x2052) return CharClass::kSymbol;
  return CharClass::kPunctuation;
}

uint32_t SearchLower(uint32_t c) {
  if (c < 0x41) return c;
  for (const ShiftedRange& r : kShiftedRanges) {
    if (In(c, r.firstCapital, r.lastCapital)) return c + r.distance;
  }
  if (c == 0x0130) return 'i';
  if (const PairedBlock* block = PairedBlockOf(c)) {
    return ((c % 2 == 0) == block->capitalEven) ? c + 1 : c;
  }
  for (const CasePair& pair : kSinglePairs) {
    if (c == pair.capital) return pair.small;
  }
  if (const Digraph* d = DigraphOf(c)) return d->small;
  return c;
}

uint32_t SearchUpper(uint32_t c) {
  if (c < 0x61) return c;
  for (const ShiftedRange& r : kShiftedRanges) {
    if (In(c, r.firstCapital + r.distance, r.lastCapital + r.distance)) return c - r.distance;
  }
  if (c == kFinalSigma) return kCapitalSigma;
  if (c == 0x0131) return 'I';
  if (c == 0x017F) return 'S';
  if (c == 0x00DF) return c;  // sharp s keeps its form
  if (const PairedBlock* block = PairedBlockOf(c)) {
    return ((c % 2 == 0) == block->capitalEven) ? c : c - 1;
  }
  for (const CasePair& pair : kSinglePairs) {
    if (c == pair.small) return pair.capital;
  }
  if (const Digraph* d = DigraphOf(c)) return d->capital;
  return c;
}

// The case of the letters below kMappedEnd (Latin, Greek, Cyrillic,
// Armenian), searched in the tables above once: their text looks up every
// letter.
constexpr uint32_t kMappedEnd = 0x0600;

struct MappedCase {
  uint32_t lower[kMappedEnd];
  uint32_t upper[kMappedEnd];
};

MappedCase SearchAll() {
  MappedCase table;
  for (uint32_t c = 0; c < kMappedEnd; ++c) {
    table.lower[c] = SearchLower(c);
    table.upper[c] = SearchUpper(c);
  }
  return table;
}

const MappedCase& Mapped() {
  static const MappedCase mapped = SearchAll();
  return mapped;
}

}  // namespace

CharClass ClassOf(uint32_t c) {
  if (c < 0x80) return AsciiClass(c);
  if (c < 0x100) return Latin1Class(c);
  if (c < 0x2B0) return CharClass::kLetter;
  if (c < 0x300) {
    // Spacing modifier letters, among them the modifier apostrophe; the
    // accents standing alone are symbols.
    if (In(c, 0x2C2, 0x2C5) || In(c, 0x2D2, 0x2DF) || In(c, 0x2E5, 0x2EB) || c == 0x2ED ||
        In(c, 0x2EF, 0x2FF)) {
      return CharClass::kSymbol;
    }
    return CharClass::kLetter;
  }
  if (c < 0x370) return CharClass::kMark;
  if (c < 0x400) {
    if (c == 0x37E || c == 0x387) return CharClass::kPunctuation;
    if (c == 0x375 || c == 0x384 || c == 0x385 || c == 0x3F6) return CharClass::kSymbol;
    return CharClass::kLetter;
  }
  if (c < 0x530) {
    if (c == 0x482) return CharClass::kSymbol;
    if (In(c, 0x483, 0x489)) return CharClass::kMark;
    return CharClass::kLetter;
  }
  if (In(c, 0x55A, 0x55F) || c == 0x589 || c == 0x58A || c == 0x5BE || c == 0x5C0 || c == 0x5C3 ||
      c == 0x5C6 || c == 0x5F3 || c == 0x5F4 || c == 0x60C || c == 0x61B || c == 0x61F ||
      In(c, 0x66A, 0x66D) || c == 0x6D4) {
    return CharClass::kPunctuation;
  }
  if (In(c, 0x591, 0x5C7) && c != 0x5BE && c != 0x5C0 && c != 0x5C3 && c != 0x5C6) {
    return CharClass::kMark;
  }
  if (c == 0x1680) return CharClass::kSpace;
  if (In(c, 0x1AB0, 0x1AFF) || In(c, 0x1DC0, 0x1DFF)) return CharClass::kMark;
  if (In(c, 0x2000, 0x206F)) return GeneralPunctuationClass(c);
  if (In(c, 0x20D0, 0x20FF)) return CharClass::kMark;
  if (In(c, 0x2070, 0x2BFF)) {
    if (In(c, 0x27E6, 0x27EF) || In(c, 0x2983, 0x2998)) return CharClass::kPunctuation;
    return CharClass::kSymbol;
  }
  if (In(c, 0x2E00, 0x2E7F)) return CharClass::kPunctuation;
  if (c == 0x3000) return CharClass::kSpace;
  if (In(c, 0x3001, 0x3003) || In(c, 0x3008, 0x3011) || In(c, 0x3014, 0x301F) || c == 0x3030 ||
      c == 0x303D) {
    return CharClass::kPunctuation;
  }
  if (c == 0x3004 || c == 0x3012 || c == 0x3013 || c == 0x3020 || c == 0x3036 || c == 0x3037 ||
      c == 0x303E || c == 0x303F) {
    return CharClass::kSymbol;
  }
  if (In(c, 0xE000, 0xF8FF)) return CharClass::kSymbol;
  if (In(c, 0xFE00, 0xFE0F) || In(c, 0xFE20, 0xFE2F)) return CharClass::kMark;
  if (In(c, 0xFE10, 0xFE19) || In(c, 0xFE30, 0xFE6B)) return CharClass::kPunctuation;
  if (c == 0xFEFF) return CharClass::kControl;
  if (In(c, 0xFF01, 0xFF5E)) {
    // Fullwidth forms of ASCII.
    const CharClass ascii = AsciiClass(c - 0xFEE0);
    return ascii == CharClass::kDigit ? CharClass::kLetter : ascii;
  }
  if (In(c, 0xFF5F, 0xFF65)) return CharClass::kPunctuation;
  if (In(c, 0xFFE0, 0xFFFF)) return CharClass::kSymbol;
  if (In(c, 0x1F000, 0x1FAFF)) return CharClass::kSymbol;
  if (In(c, 0xE0000, 0xE007F)) return CharClass::kControl;
  return CharClass::kLetter;
}

uint32_t LowerOf(uint32_t c) {
  // ASCII first: most letters of most text.
  if (c < 0x80) return In(c, 'A', 'Z') ? c + 0x20 : c;
  if (c < kMappedEnd) return Mapped().lower[c];
  return SearchLower(c);
}

uint32_t UpperOf(uint32_t c) {
  if (c < 0x80) return In(c, 'a', 'z') ? c - 0x20 : c;
  if (c < kMappedEnd) return Mapped().upper[c];
  return SearchUpper(c);
}

uint32_t TitleOf(uint32_t c) {
  if (c < 0x80) return UpperOf(c);
  if (const Digraph* d = DigraphOf(c)) return d->title;
  return UpperOf(c);
}

CaseShape ShapeOf(std::string_view utf8) {
  size_t capitals = 0, smalls = 0;
  bool firstIsCapital = false, seenCased = false;
  ForEachCodePoint(utf8, [&](uint32_t c, size_t, size_t) {
    if (!IsCased(c)) return;
    const bool capital = IsUpperLetter(c) || TitleOf(c) == c;
    if (!seenCased) firstIsCapital = capital;
    seenCased = true;
    if (capital) {
      ++capitals;
    } else {
      ++smalls;
    }
  });
  if (!seenCased) return CaseShape::kNone;
  if (capitals == 0) return CaseShape::kLower;
  if (smalls == 0) return capitals >= 2 ? CaseShape::kUpper : CaseShape::kTitle;
  if (firstIsCapital && capitals == 1) return CaseShape::kTitle;
  return CaseShape::kMixed;
}

bool FirstCasedLetter(std::string_view utf8, bool& capital) {
  size_t pos = 0;
  while (pos < utf8.size()) {
    uint32_t c;
    if (!DecodeUtf8(utf8, pos, c)) {
      ++pos;  // a broken sequence is no letter
      continue;
    }
    if (IsCased(c)) {
      capital = IsUpperLetter(c) || TitleOf(c) == c;
      return true;
    }
  }
  return false;
}

bool StartsWithCapital(std::string_view utf8) {
  bool capital = false;
  return FirstCasedLetter(utf8, capital) && capital;
}

std::string LowerWord(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  uint32_t previous = 0;
  size_t pendingSigma = std::string::npos;  // where a lowered capital sigma was written
  ForEachCodePoint(utf8, [&](uint32_t c, size_t, size_t) {
    const bool letter = IsWordLetter(ClassOf(c));
    if (pendingSigma != std::string::npos && !letter) {
      out[pendingSigma + 1] = static_cast<char>(0x82);  // U+03C3 -> U+03C2: CF 83 -> CF 82
    }
    pendingSigma = std::string::npos;
    if (c == kCapitalSigma && IsWordLetter(ClassOf(previous))) pendingSigma = out.size();
    AppendUtf8(c == kCapitalSigma ? kSmallSigma : LowerOf(c), out);
    previous = c;
  });
  if (pendingSigma != std::string::npos) out[pendingSigma + 1] = static_cast<char>(0x82);
  return out;
}

std::string TitleWord(std::string_view utf8) {
  const std::string lower = LowerWord(utf8);
  std::string out;
  out.reserve(lower.size());
  bool done = false;
  ForEachCodePoint(lower, [&](uint32_t c, size_t, size_t) {
    if (!done && IsCased(c)) {
      done = true;
      c = TitleOf(c);
    }
    AppendUtf8(c, out);
  });
  return out;
}

std::string PlainApostrophes(std::string_view utf8) {
  std::string out;
  bool changed = false;
  ForEachCodePoint(utf8, [&](uint32_t c, size_t start, size_t end) {
    if (c == 0x2019 || c == 0x02BC) {
      out += '\'';
      changed = true;
    } else {
      out.append(utf8, start, end - start);
    }
  });
  return changed ? out : std::string();
}

size_t ValidUtf8Prefix(std::string_view text) {
  size_t pos = 0;
  uint32_t c;
  while (pos < text.size()) {
    if (static_cast<unsigned char>(text[pos]) < 0x80) {
      ++pos;
      continue;
    }
    if (!DecodeUtf8(text, pos, c)) return pos;
  }
  return pos;
}

}  // namespace lemmatizer
