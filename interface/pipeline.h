// The road of one word: the special forms that need no dictionary, then the
// dictionaries of its language (SWD, PWD, the main dictionary), each step
// adding readings to one ReadingList.
//
// These functions change nothing but their arguments, so that any number of
// lookups may run at once over the same language objects; Lemmatize (the
// export) runs them over the registry's active language, the reentrant
// interface over a language handle.
#ifndef LEMMATIZER_INTERFACE_PIPELINE_H_
#define LEMMATIZER_INTERFACE_PIPELINE_H_

#include <cstdint>
#include <string>

#include "dictionary/lemmatizer.h"
#include "dictionary/reading_list.h"

class CPWD;
class CSWD;

namespace lemmatizer {

// Tags that the pipeline gives by itself.
constexpr int32_t kAnycTag = 303;   // "ANYC"
constexpr int32_t kH0Tag = 304;     // "H0", ANYC of the second editions
constexpr int32_t kH12Tag = 316;    // "H12", PCSC of the second editions
constexpr int32_t kPcscTag = 1337;  // "PCSC"

// A word of this many bytes or more is its own lemma, with tag 303.
constexpr size_t kOverlongWord = 100;

// What a lookup needs besides the language's objects; reused between words.
struct WordScratch {
  LookupScratch dictionary;
  ReadingList reserve;  // the PWD's weak readings, put behind the main dictionary's
  std::string pwdLemma;
};

// Answers ";", words ending in '-', words in capitals and capitals with a
// final s (or 's) without a dictionary: on true `out` holds exactly one
// reading. `length` is the word's length here and below. The empty word is no special form. Second
// editions answer with their own tags.
bool LemmatizeSpecialForms(const char* word, size_t length, bool secondEdition, ReadingList& out);

// The dictionary cascade: an overlong word answers itself; otherwise SWD
// (final), PWD (final, or weak readings appended behind the main
// dictionary's, marked kPwdBehind), then the main dictionary. Appends to `out`; writes 1 into
// `dictionaryHit` when SWD or PWD knew the word, else 0, before the main
// dictionary is asked.
void LemmatizeLookup(const char* word, size_t length, const CSWD& swd, const CPWD& pwd,
                     const CLemmatizer& dictionary, WordScratch& scratch, ReadingList& out,
                     int32_t* dictionaryHit);

}  // namespace lemmatizer

#endif  // LEMMATIZER_INTERFACE_PIPELINE_H_
