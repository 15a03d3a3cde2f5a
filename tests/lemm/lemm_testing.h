// Helpers of the tests of the UTF-8 interface (interface/lemm.h), which use
// nothing but that header: small dictionaries compiled by lemm-build from
// lexicons the tests write, and the readings and tokens of the interface
// as short strings that a test compares whole.
#ifndef LEMMATIZER_TESTS_LEMM_LEMM_TESTING_H_
#define LEMMATIZER_TESTS_LEMM_LEMM_TESTING_H_

#include <string>
#include <vector>

#include "lemm.h"

namespace lemm_testing {

// Compiles `lexicon` (form<TAB>lemma<TAB>tag lines, UTF-8) for `code` with
// lemm-build into a new directory and returns it (its lemm/ subdirectory
// holds the files).
std::string BuildDictionary(const std::string& code, const std::string& lexicon);

// Opens `code` from `dir`; fails the test (and returns null) when it cannot.
lemm_language* Open(const std::string& code, const std::string& dir);

// The handle of `code` compiled from `lexicon`, compiled and opened on the
// first call for the code and kept for the whole program.
lemm_language* Shared(const std::string& code, const char* lexicon);

// The readings as "lemma/TAG" ("lemma/TAG?" for a guess), joined by blanks;
// "UNWRITABLE" for that status.
std::string Describe(const lemm_readings* readings);

// lemm_lemmatize, described.
std::string Lemmas(const lemm_language* language, const std::string& word, int options = 0);

// The first lemma of a word.
std::string First(const lemm_language* language, const std::string& word, int options = 0);

// The tokens of a text as "kind:text" ("word*:" for a word that begins a
// sentence), joined by blanks; the failure message when it fails.
std::string Tokens(const lemm_language* language, const std::string& text, int options = 0);

// The first lemma of each word token, joined by blanks.
std::string FirstLemmas(const lemm_language* language, const std::string& text);

}  // namespace lemm_testing

#endif  // LEMMATIZER_TESTS_LEMM_LEMM_TESTING_H_
