// The lemcode handler of Spanish ("es"), Windows-1252.
//
// Spanish verbs change their stems, so most lemcodes rewrite the stem
// (diphthongs, consonant shifts, accents) before they append the
// infinitive ending, and lemcode 99 replaces whole irregular stems from
// SpanishIrregulars. Lemcodes 1-99 that have a rule return the lemcode;
// every other value (no rule) leaves the stem as it is and returns 0. The
// handler never raises; a rewrite whose pattern is not in the stem changes
// nothing and the lemcode's later steps still run. Stem length and handler
// argument are not used. No rule lengthens a stem by more than 6 bytes.
#ifndef LEMMATIZER_RULES_SPANISH_H_
#define LEMMATIZER_RULES_SPANISH_H_

#include <cstdint>

#include "rules/rewrite.h"

namespace lemmatizer {

// Lemcodes 1 to kSpanishLastLemcode may have rules.
constexpr int32_t kSpanishLastLemcode = 99;

int32_t SpanishLemcodeHandler(char* stem, int32_t stemLength, int32_t lemcode, intptr_t handlerArg);

// The (form, lemma) list of irregular stems of `length` bytes (2 to 7),
// closed by a null pair; null for any other length. Every form of a list is
// `length` bytes long.
const SuffixPair* SpanishIrregulars(int length);

// Replaces the rightmost á, é, í, ó or ú of the stem by its plain vowel.
void RemoveAccent(char* stem);

// Gives the rightmost vowel (AEIOUaeiou) an acute accent when it is a
// lower-case one; "caracter" becomes "carácter".
void AddAccent(char* stem);

}  // namespace lemmatizer

#endif  // LEMMATIZER_RULES_SPANISH_H_
