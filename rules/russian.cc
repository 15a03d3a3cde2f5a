#include "rules/russian.h"

#include <cstring>
#include <string>

#include "dictionary/errors.h"
#include "rules/table_handlers.h"

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

const SpecialCode* FindRussianSpecial(int32_t code) {
  for (const SpecialCode& special : kSpecialCodes) {
    if (special.russianCode == code) return &special;
  }
  return nullptr;
}

const SpecialCode* FindR4Special(int32_t code) {
  for (const SpecialCode& special : kSpecialCodes) {
    if (special.r4Code == code) return &special;
  }
  return nullptr;
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

// The compiled ending table of `code` when it has the expected size, else
// null (a build without the table serves no lemcode).
const char* const* TableOfSize(const char* code, int32_t expected) {
  int32_t size = 0;
  const char* const* table = EndingTable(code, &size);
  return size == expected ? table : nullptr;
}

}  // namespace

int32_t RussianLemcodeHandler(char* stem, int32_t stemLength, int32_t lemcode,
                              intptr_t /*handlerArg*/) {
  static const char* const* const table = TableOfSize("ru", kRussianTableSize);
  if (lemcode < 0 || lemcode >= kRussianTableSize || table == nullptr) {
    RaiseString(FormatMessage("lemcode (%d) not supported with russian", lemcode));
  }
  if (const SpecialCode* special = FindRussianSpecial(lemcode)) {
    ApplySpecial(*special, stem);
    return lemcode;
  }
  std::strcpy(stem + stemLength, table[lemcode]);
  return lemcode;
}

int32_t R4LemcodeHandler(char* stem, int32_t /*stemLength*/, int32_t lemcode,
                         intptr_t /*handlerArg*/) {
  if (const SpecialCode* special = FindR4Special(lemcode)) {
    ApplySpecial(*special, stem);
    return lemcode;
  }
  static const char* const* const table = TableOfSize("r4", kR4TableSize);
  if (lemcode < 0 || lemcode >= kR4TableSize || table == nullptr) {
    RaiseString("lemcode (" + std::to_string(lemcode) + " not supported with R4");
  }
  if (lemcode >= 1) std::strcat(stem, table[lemcode]);
  return lemcode;
}

}  // namespace lemmatizer
