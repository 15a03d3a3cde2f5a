// The lemcode handlers of the two Russian editions, "ru" and "r4".
//
// Both rebuild a lemma (Windows-1251, lower case) from a stem by appending
// an ending of their compiled-in table (rules/endings/ru.txt and
// rules/endings/r4.txt, whose sizes the language table gives: 237 and 266). A set of special
// lemcodes first strips the prefix "по", "по-" or "наи" from the front of the stem, when it is
// there, and then appends an adjective ending, so that prefixed comparative and adverbial forms
// come back to the adjective:
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
#include <vector>

namespace lemmatizer {

// The handler of "ru".
int32_t RussianLemcodeHandler(char* stem, int32_t stemLength, int32_t lemcode, intptr_t handlerArg);

// The handler of "r4".
int32_t R4LemcodeHandler(char* stem, int32_t stemLength, int32_t lemcode, intptr_t handlerArg);

// The special lemcodes of "ru" (or, with `r4`, of "r4"), ascending.
std::vector<int32_t> RussianSpecialLemcodes(bool r4);

}  // namespace lemmatizer

#endif  // LEMMATIZER_RULES_RUSSIAN_H_
