// The contract of a lemcode handler: the language rule that turns the stem
// left by a dictionary result and the result's lemcode into the lemma (in
// key form), normally by appending an ending from the language's table.
//
// A handler works in place on the zero-terminated stem. The caller's buffer
// holds at least stemLength + kStemGrowthReserve + 1 bytes, and no handler
// lengthens a stem by more than kStemGrowthReserve bytes. The handler
// argument is the dictionary object's pointer-sized value (0 for every
// language but German). A handler that cannot process its lemcode raises a
// string object; it never returns an error value. The lookup ignores the
// returned value.
#ifndef LEMMATIZER_RULES_LEMCODE_HANDLER_H_
#define LEMMATIZER_RULES_LEMCODE_HANDLER_H_

#include <cstdint>

typedef int32_t (*LemcodeHandler)(char* stem, int32_t stemLength, int32_t lemcode,
                                  intptr_t handlerArg);

constexpr int32_t kStemGrowthReserve = 256;

#endif  // LEMMATIZER_RULES_LEMCODE_HANDLER_H_
