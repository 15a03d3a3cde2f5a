#include "rules/german.h"

#include <algorithm>
#include <cstring>

#include "platform/coding.h"
#include "rules/rewrite.h"

namespace lemmatizer {

namespace {

// Repair tables for irregular stems, grouped by the length of the ending.
// 0xDC and 0xD6 are the upper-case umlauts Ü and Ö.
constexpr SuffixPair kRepair5[] = {{"BAKEN", "BACKEN"}, {"HAFEN", "HAFFEN"}, {"FALEN", "FALLEN"},
                                   {"TEKEN", "TECKEN"}, {"REFEN", "REFFEN"}, {"REKEN", "RECKEN"},
                                   {"EMMEN", "EHMEN"},  {"ENGEN", "EHEN"},   {"IFFEN", "IFEN"},
                                   {"BITEN", "BITTEN"}, {"KOMEN", "KOMMEN"}, {"ITTEN", "ITEN"},
                                   {"ETTEN", "EDEN"},   {nullptr, nullptr}};
constexpr SuffixPair kRepair6[] = {
    {"ICHTEN", "INGEN"}, {"TENDEN", "TEHEN"}, {"QELLEN", "QUELLEN"}, {"SISSEN", "SITZEN"},
    {"HAUBEN", "HAUEN"}, {"AUFFEN", "AUFEN"}, {"KIEREN", "KIESEN"},  {"ZIEGEN", "ZIEHEN"},
    {"IEFFEN", "IEFEN"}, {"AAUFEN", "AUFEN"}, {nullptr, nullptr}};
constexpr SuffixPair kRepair7[] = {{"DECHTEN", "DENKEN"},
                                   {"UECHTEN",
                                    "\xDC"
                                    "NKEN"},
                                   {"LEITTEN", "LEIDEN"},
                                   {"NEITTEN", "NEIDEN"},
                                   {"OECHTEN",
                                    "\xD6"
                                    "GEN"},
                                   {nullptr, nullptr}};
constexpr SuffixPair kRepair8[] = {{"GLEITTEN", "GLEITEN"}, {nullptr, nullptr}};

// Endings written at the stem length by lemcodes 1-9, 16-24 and 31-32.
constexpr const char* kWrittenEndings1[] = {"A", "D", "E", "L", "N", "O", "S", "X", "Y"};
constexpr const char* kWrittenEndings16[] = {"EL", "EN", "ER", "ES", "EX", "IS", "ON", "UM", "US"};
constexpr const char* kWrittenEndings31[] = {"ELN", "ERN"};

// A pair of strong-verb lemcodes: `lemcode` removes the "GE" infix first,
// lemcode + 1 does not; both then exchange the stem vowel, append "EN" and
// try the repair tables in order until one replaces something.
struct VowelRule {
  int32_t lemcode;
  const char* vowel;
  const SuffixPair* repairs[3];
};

constexpr VowelRule kVowelRules[] = {
    {56, "A", {kRepair5, nullptr, nullptr}},     {64, "E", {kRepair7, kRepair6, kRepair5}},
    {66, "I", {kRepair6, kRepair5, nullptr}},    {68, "O", {kRepair5, nullptr, nullptr}},
    {70, "U", {nullptr, nullptr, nullptr}},      {72, "\xC4", {nullptr, nullptr, nullptr}},  // Ä
    {80, "\xD6", {kRepair7, nullptr, nullptr}},                                              // Ö
    {82, "\xDC", {kRepair7, kRepair5, nullptr}},                                             // Ü
    {84, "AU", {kRepair6, kRepair5, nullptr}},   {86, "EI", {kRepair8, kRepair7, kRepair5}},
    {88, "IE", {kRepair6, kRepair5, nullptr}},
};

// Read access to the prefix cells that never leaves the buffer.
class PrefixCells {
 public:
  explicit PrefixCells(const GermanPrefixCells* cells)
      : m_data(cells != nullptr ? cells->data : nullptr),
        m_count(cells != nullptr && cells->data != nullptr
                    ? static_cast<int64_t>(cells->size / kPrefixCellSize)
                    : 0) {}

  bool Has(int64_t i) const { return i >= 0 && i < m_count; }
  unsigned char Char(int64_t i) const { return m_data[i * kPrefixCellSize]; }
  unsigned char Flag(int64_t i) const { return m_data[i * kPrefixCellSize + 1]; }
  int32_t Link(int64_t i) const {
    const unsigned char* cell = m_data + i * kPrefixCellSize;
    return static_cast<int16_t>(DecodeFixed16(cell + 2));
  }

  // Follows the sibling chain from cell i to the cell of character b.
  // Returns false when the chain ends, leaves the buffer or comes back on
  // itself; links reach cells 1 to 32768 only, so a chain longer than that
  // (or than the buffer) has a cycle.
  bool FindSibling(unsigned char b, int64_t& i) const {
    const int64_t longestChain = std::min<int64_t>(m_count, 32768) + 1;
    for (int64_t steps = 0; steps <= longestChain; ++steps) {
      if (!Has(i)) return false;
      if (Char(i) == b) return true;
      const int32_t link = Link(i);
      if (link == 0 || (link == -1 && i != 0)) return false;
      i = link < 0 ? -static_cast<int64_t>(link) : link;
    }
    return false;
  }

 private:
  const unsigned char* m_data;
  int64_t m_count;
};

void RemoveBytes(char* text, size_t at, size_t n) {
  std::memmove(text + at, text + at + n, std::strlen(text + at + n) + 1);
}

}  // namespace

int IsKnownPrefix(const char* word, int32_t len, const GermanPrefixCells* cells) {
  const PrefixCells prefixCells(cells);
  int64_t i = 0;
  for (int32_t k = 0; k < len - 1; ++k) {
    if (!prefixCells.FindSibling(static_cast<unsigned char>(word[k]), i)) return 0;
    ++i;  // the children start at the next cell
  }
  const auto last = static_cast<unsigned char>(len >= 1 ? word[len - 1] : word[0]);
  if (!prefixCells.FindSibling(last, i)) return 0;
  return prefixCells.Flag(i) != kPrefixCellOpen ? 1 : 0;
}

void RemoveInfix(const char* particle, int32_t n, char* stem, const GermanPrefixCells* cells) {
  if (std::strncmp(stem, "GE", 2) == 0) {
    RemoveBytes(stem, 0, 2);
    return;
  }
  const auto length = static_cast<int32_t>(std::strlen(stem));
  for (int32_t q = 0; q < length - n; ++q) {
    if (std::memcmp(stem + q, particle, static_cast<size_t>(n)) == 0 &&
        IsKnownPrefix(stem, q, cells) == 1) {
      RemoveBytes(stem, static_cast<size_t>(q), static_cast<size_t>(n));
      return;
    }
  }
}

void RemoveUmlautMarks(char* stem) {
  const auto length = static_cast<int32_t>(std::strlen(stem));
  const int32_t lowest = std::max(1, length - 5);
  for (int32_t p = length - 1; p >= lowest; --p) {
    if (stem[p] != 'E') continue;
    const char before = stem[p - 1];
    const bool afterAO = before == 'A' || before == 'O';
    const bool afterU = before == 'U' && (p < 2 || (stem[p - 2] != 'A' && stem[p - 2] != 'E'));
    if (afterAO || afterU) {
      RemoveBytes(stem, static_cast<size_t>(p), 1);
      --p;  // the vowel before the removed mark is not examined
    }
  }
}

int32_t GermanLemcodeHandler(char* stem, int32_t stemLength, int32_t lemcode, intptr_t handlerArg) {
  const auto* cells = reinterpret_cast<const GermanPrefixCells*>(handlerArg);
  if (lemcode >= 1 && lemcode <= 9) {
    std::strcpy(stem + stemLength, kWrittenEndings1[lemcode - 1]);
  } else if (lemcode >= 16 && lemcode <= 24) {
    std::strcpy(stem + stemLength, kWrittenEndings16[lemcode - 16]);
  } else if (lemcode == 31 || lemcode == 32) {
    std::strcpy(stem + stemLength, kWrittenEndings31[lemcode - 31]);
  } else if (lemcode == 34) {
    RemoveUmlautMarks(stem);
  } else if (lemcode >= 52 && lemcode <= 55) {
    RemoveInfix(lemcode % 2 == 0 ? "GE" : "ZU", 2, stem, cells);
    std::strcat(stem, lemcode <= 53 ? "N" : "EN");
  } else {
    // Lemcodes without a rule leave the stem as it is.
    if (lemcode < kVowelRules[0].lemcode) return 0;
    const VowelRule* rule = nullptr;
    for (const VowelRule& candidate : kVowelRules) {
      if (lemcode == candidate.lemcode || lemcode == candidate.lemcode + 1) rule = &candidate;
    }
    if (rule == nullptr) return 0;
    if (lemcode == rule->lemcode) RemoveInfix("GE", 2, stem, cells);
    ReplaceStemVowel(rule->vowel, stem);
    std::strcat(stem, "EN");
    for (const SuffixPair* repairs : rule->repairs) {
      if (repairs != nullptr && ReplaceSuffixFromTable(stem, repairs) == 1) break;
    }
  }
  return lemcode;
}

}  // namespace lemmatizer
