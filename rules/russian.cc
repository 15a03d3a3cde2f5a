#include "rules/russian.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "dictionary/errors.h"
#include "registry/languages.h"
#include "rules/ending_tables.h"

namespace lemmatizer {

namespace {

// Windows-1251 bytes of the prefixes and endings of the special codes.
constexpr char kPo[] = "\xEF\xEE";         // по
constexpr char kPoHyphen[] = "\xEF\xEE-";  // по-
constexpr char kNai[] = "\xED\xE0\xE8";    // наи

struct SpecialCode {
  const char* prefix;  // removed from the front of the stem when present
  const char* ending;  // appended afterwards in any case
  int32_t russianCode;
  int32_t r4Code;  // -1: not a special code of "r4"
};

constexpr SpecialCode kSpecialCodes[] = {
    {kPo, "\xFB\xE9", 75, 2000},           // ый
    {kPoHyphen, "\xFB\xE9", 94, 2001},     // ый
    {kPoHyphen, "\xE8\xE9", 40, 2002},     // ий
    {kPoHyphen, "\xE9", 159, 2003},        // й
    {kPo, "\xF1\xF2\xFB\xE9", 175, 2004},  // стый
    {kPo, "\xE8\xE9", 211, 2005},          // ий
    {kPo, "\xEA\xE8\xE9", 160, 2006},      // кий
    {kPo, "\xEE\xE9", 167, 2007},          // ой
    {kPo, "\xE4\xEA\xE8\xE9", 168, 2008},  // дкий
    {kPo, "\xE7\xEA\xE8\xE9", 169, 2009},  // зкий
    {kPo, "\xE3\xE8\xE9", 174, 2010},      // гий
    {kNai, "\xEE\xE9", 64, 2011},          // ой
    {kNai, "\xFB\xE9", 224, 2012},         // ый
    {kNai, "\xE8\xE9", 223, 2013},         // ий
    {kPoHyphen, "\xEE\xE9", 212, -1},      // ой
};

// The special codes of one edition, indexed by code - first.
class SpecialIndex {
 public:
  SpecialIndex(int32_t first, int32_t last, bool r4) : m_first(first), m_codes(last - first + 1) {
    for (const SpecialCode& special : kSpecialCodes) {
      const int32_t code = r4 ? special.r4Code : special.russianCode;
      if (code >= first && code <= last) m_codes[code - first] = &special;
    }
  }
  const SpecialCode* Find(int32_t code) const {
    const int64_t i = static_cast<int64_t>(code) - m_first;
    return i >= 0 && i < static_cast<int64_t>(m_codes.size()) ? m_codes[i] : nullptr;
  }

 private:
  int32_t m_first;
  std::vector<const SpecialCode*> m_codes;
};

const SpecialCode* FindRussianSpecial(int32_t code) {
  static const SpecialIndex index(0, 255, false);
  return index.Find(code);
}

const SpecialCode* FindR4Special(int32_t code) {
  static const SpecialIndex index(2000, 2013, true);
  return index.Find(code);
}

// Removes the prefix from the front of the stem when the stem starts with
// it (a shorter stem does not), then appends the ending.
void ApplySpecial(const SpecialCode& special, char* stem) {
  const size_t n = std::strlen(special.prefix);
  if (std::strncmp(stem, special.prefix, n) == 0) {
    std::memmove(stem, stem + n, std::strlen(stem + n) + 1);
  }
  std::strcat(stem, special.ending);
}

// The compiled ending table of `code` (null when the build lacks it) and
// the error message of its rules.
struct RussianTable {
  const char* const* entries;
  int32_t size;
  const char* message;
};

RussianTable TableOf(const char* code) {
  const Language* language = FindLanguage(code);
  int32_t size = 0;
  const char* const* entries = EndingTable(code, &size);
  return RussianTable{entries, entries == nullptr ? language->endingCount : size,
                      language->lemcodeMessage};
}

}  // namespace

int32_t RussianLemcodeHandler(char* stem, int32_t stemLength, int32_t lemcode,
                              intptr_t /*handlerArg*/) {
  static const RussianTable table = TableOf("ru");
  if (lemcode < 0 || lemcode >= table.size || table.entries == nullptr) {
    RaiseString(FormatMessage(table.message, lemcode));
  }
  if (const SpecialCode* special = FindRussianSpecial(lemcode)) {
    ApplySpecial(*special, stem);
    return lemcode;
  }
  std::strcpy(stem + stemLength, table.entries[lemcode]);
  return lemcode;
}

int32_t R4LemcodeHandler(char* stem, int32_t /*stemLength*/, int32_t lemcode,
                         intptr_t /*handlerArg*/) {
  if (const SpecialCode* special = FindR4Special(lemcode)) {
    ApplySpecial(*special, stem);
    return lemcode;
  }
  static const RussianTable table = TableOf("r4");
  if (lemcode < 0 || lemcode >= table.size || table.entries == nullptr) {
    RaiseString(FormatMessage(table.message, lemcode));
  }
  if (lemcode >= 1) std::strcat(stem, table.entries[lemcode]);
  return lemcode;
}

std::vector<int32_t> RussianSpecialLemcodes(bool r4) {
  std::vector<int32_t> codes;
  for (const SpecialCode& special : kSpecialCodes) {
    const int32_t code = r4 ? special.r4Code : special.russianCode;
    if (code >= 0) codes.push_back(code);
  }
  std::sort(codes.begin(), codes.end());
  return codes;
}

}  // namespace lemmatizer
