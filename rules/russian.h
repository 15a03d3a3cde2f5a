// The lemcode handlers of the two Russian editions, "ru" and "r4".
//
// Both rebuild a lemma (Windows-1251, lower case) from a stem by appending
// an ending of their compiled-in table (rules/endings/ru.txt, 237 entries,
// and rules/endings/r4.txt, 266 entries). A set of special lemcodes first
// strips the prefix "по", "по-" or "наи" from the front of the stem, when it
// is there, and then appends an adjective ending, so that prefixed
// comparative and adverbial forms come back to the adjective:
//   "ru": 15 special codes inside its table's range (their entries are never
//         appended); the range is tested first; the ending goes at byte
//         stemLength; code 0 writes the empty entry 0; an unusable code
//         raises "lemcode (%d) not supported with russian".
//   "r4": 14 special codes 2000 to 2013 above its table, tested first; the
//         ending goes after the current end of the string; code 0 appends
//         nothing; an unusable code raises "lemcode (" + code +
//         " not supported with R4" (no closing parenthesis).
// Errors are raised as string objects and leave the stem unchanged. A
// special rule lengthens the stem by at most 4 bytes, a table ending by at
// most 15. The handler argument is ignored.
#ifndef LEMMATIZER_RULES_RUSSIAN_H_
#define LEMMATIZER_RULES_RUSSIAN_H_

#include <cstdint>

namespace lemmatizer {

constexpr int32_t kRussianTableSize = 237;
constexpr int32_t kR4TableSize = 266;

// The handler of "ru".
int32_t RussianLemcodeHandler(char* stem, int32_t stemLength, int32_t lemcode, intptr_t handlerArg);

// The handler of "r4".
int32_t R4LemcodeHandler(char* stem, int32_t stemLength, int32_t lemcode, intptr_t handlerArg);

}  // namespace lemmatizer

#endif  // LEMMATIZER_RULES_RUSSIAN_H_
