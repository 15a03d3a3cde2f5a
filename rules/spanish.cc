#include "rules/spanish.h"

#include <cstring>

namespace lemmatizer {

namespace {

// Windows-1252 accented vowels.
constexpr char kAcuteA = '\xE1';
constexpr char kAcuteE = '\xE9';
constexpr char kAcuteI = '\xED';
constexpr char kAcuteO = '\xF3';
constexpr char kAcuteU = '\xFA';

constexpr SuffixPair kIrregulars2[] = {
    {"he", "haber"}, {"ha", "haber"}, {"ju", "jugar"}, {"se", "saber"}, {nullptr, nullptr}};
constexpr SuffixPair kIrregulars3[] = {{"cup", "caber"}, {"han", "haber"},  {"has", "haber"},
                                       {"hub", "haber"}, {"rot", "romper"}, {"sep", "saber"},
                                       {"sup", "saber"}, {nullptr, nullptr}};
constexpr SuffixPair kIrregulars4[] = {{"quep", "caber"}, {"haya", "haber"},  {"quis", "querer"},
                                       {"huel", "oler"},  {"yerg", "erguir"}, {"gran", "grande"},
                                       {"peor", "malo"},  {nullptr, nullptr}};
constexpr SuffixPair kIrregulars5[] = {{"yergu", "erguir"}, {"hayan", "haber"}, {"hayas", "haber"},
                                       {"hemos", "haber"},  {"mejor", "bueno"}, {nullptr, nullptr}};
constexpr SuffixPair kIrregulars6[] = {{"hayais", "haber"}, {nullptr, nullptr}};
constexpr SuffixPair kIrregulars7[] = {
    {"hayamos", "haber"}, {"provist", "proveer"}, {nullptr, nullptr}};

void Append(char* stem, const char* ending) { std::strcat(stem, ending); }

void Last(char* stem, const char* pattern, const char* replacement) {
  ReplaceLastOccurrence(pattern, replacement, stem);
}

// A whole irregular stem of 2 to 7 bytes becomes its lemma.
void ReplaceIrregularStem(char* stem) {
  const SuffixPair* irregulars = SpanishIrregulars(static_cast<int>(std::strlen(stem)));
  if (irregulars != nullptr) ReplaceSuffixFromTable(stem, irregulars);
}

bool IsVowel(char c) { return std::strchr("AEIOUaeiou", c) != nullptr && c != '\0'; }

}  // namespace

const SuffixPair* SpanishIrregulars(int length) {
  switch (length) {
    case 2:
      return kIrregulars2;
    case 3:
      return kIrregulars3;
    case 4:
      return kIrregulars4;
    case 5:
      return kIrregulars5;
    case 6:
      return kIrregulars6;
    case 7:
      return kIrregulars7;
    default:
      return nullptr;
  }
}

void RemoveAccent(char* stem) {
  static const char kAccented[] = {kAcuteA, kAcuteE, kAcuteI, kAcuteO, kAcuteU};
  static const char kPlain[] = "aeiou";
  for (size_t i = std::strlen(stem); i-- > 0;) {
    for (size_t v = 0; v < sizeof(kAccented); ++v) {
      if (stem[i] == kAccented[v]) {
        stem[i] = kPlain[v];
        return;
      }
    }
  }
}

void AddAccent(char* stem) {
  if (std::strcmp(stem, "caracter") == 0) {
    stem[3] = kAcuteA;
    return;
  }
  static const char kPlain[] = "aeiou";
  static const char kAccented[] = {kAcuteA, kAcuteE, kAcuteI, kAcuteO, kAcuteU};
  for (size_t i = std::strlen(stem); i-- > 0;) {
    if (!IsVowel(stem[i])) continue;
    const char* plain = std::strchr(kPlain, stem[i]);
    if (plain != nullptr) stem[i] = kAccented[plain - kPlain];
    return;
  }
}

int32_t SpanishLemcodeHandler(char* stem, int32_t /*stemLength*/, int32_t lemcode,
                              intptr_t /*handlerArg*/) {
  // One lemcode a line, its steps from left to right.
  // clang-format off
  switch (lemcode) {
    case 1: Append(stem, "a"); break;
    case 3: Append(stem, "e"); break;
    case 5: Append(stem, "n"); break;
    case 6: Append(stem, "o"); break;
    case 9: Append(stem, "y"); break;
    case 10: RemoveAccent(stem); Append(stem, "ar"); break;
    case 11: RemoveAccent(stem); Append(stem, "ir"); break;
    case 12: Append(stem, "\xED" "r"); break;  // ír
    case 13: Append(stem, "seguir"); break;
    case 14: Append(stem, "olver"); break;
    case 15: Append(stem, "ertar"); break;
    case 16: Append(stem, "oner"); break;
    case 17: Append(stem, "onzar"); break;
    case 19: Last(stem, "ie", "e"); Last(stem, "c", "z"); Append(stem, "ar"); break;
    case 21: Last(stem, "ue", "o"); Append(stem, "ar"); break;
    case 22: Append(stem, "uar"); break;
    case 23: Append(stem, "ger"); break;
    case 24: Append(stem, "gir"); break;
    case 25: Append(stem, "enir"); break;
    case 26: Append(stem, "oner"); break;
    case 27: Append(stem, "e\xED" "r"); break;  // eír
    case 28: Append(stem, "eer"); break;
    case 29: Append(stem, "ener"); break;
    case 30: Last(stem, "qu", "c"); Append(stem, "ar"); break;
    case 63: RemoveAccent(stem); break;
    case 64: Append(stem, "z"); break;
    case 65: AddAccent(stem); break;
    case 66: Append(stem, "os"); break;
    case 67: Append(stem, "ar"); break;
    case 68: Append(stem, "er"); break;
    case 69: Append(stem, "ir"); break;
    case 70: Append(stem, "or"); break;
    case 71: Append(stem, "rir"); break;
    case 72: Last(stem, "i", "e"); Append(stem, "uir"); break;
    case 73: Last(stem, "ie", "e"); Append(stem, "ar"); break;
    case 74: Last(stem, "ie", "e"); Append(stem, "er"); break;
    case 75: Last(stem, "ie", "e"); Append(stem, "ir"); break;
    case 76: Last(stem, "zc", "c"); Append(stem, "er"); break;
    case 77: Last(stem, "zc", "c"); Append(stem, "ir"); break;
    case 78: Last(stem, "ue", "o"); Last(stem, "c", "z"); Append(stem, "ar"); break;
    case 79: Last(stem, "ue", "o"); Append(stem, "er"); break;
    case 80: Last(stem, "c", "z"); Append(stem, "ar"); break;
    case 81: Append(stem, "uir"); break;
    case 82: Last(stem, "j", "c"); Append(stem, "ir"); break;
    case 83: ReplaceSuffix("uv", "ener", stem); break;
    case 84: Append(stem, "cribir"); break;
    case 85: Append(stem, "acer"); break;
    case 86: Append(stem, "cer"); break;
    case 87: Last(stem, "i", "e"); Append(stem, "ir"); break;
    case 88: Last(stem, "c", "quir"); break;
    case 89: Last(stem, "u", "o"); Append(stem, "er"); break;
    case 90: Append(stem, "ar"); break;
    case 92: Last(stem, "us", "oner"); break;
    case 93: Last(stem, "ue", "u"); Append(stem, "ar"); break;
    case 94: Last(stem, "u", "o"); Append(stem, "ir"); break;
    case 95: Last(stem, "i", "ecir"); break;
    case 96: Last(stem, "ij", "ecir"); break;
    case 97: Last(stem, "\xFC" "e", "o"); Append(stem, "ar"); break;  // üe
    case 98: Last(stem, "ue", "o"); Append(stem, "ir"); break;
    case 99: ReplaceIrregularStem(stem); break;
    default: return 0;
  }
  // clang-format on
  return lemcode;
}

}  // namespace lemmatizer
