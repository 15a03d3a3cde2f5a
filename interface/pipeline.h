// The road of one word through Lemmatize: the special forms that need no
// dictionary, then the dictionaries of the active language (SWD, PWD, the
// main dictionary), each step filling two parallel candidate lists of
// lemmas and tag numbers.
#ifndef LEMMATIZER_INTERFACE_PIPELINE_H_
#define LEMMATIZER_INTERFACE_PIPELINE_H_

#include <cstdint>
#include <string>
#include <vector>

namespace lemmatizer {

// Tags that the pipeline gives by itself.
constexpr int32_t kAnycTag = 303;   // "ANYC"
constexpr int32_t kH0Tag = 304;     // "H0", ANYC of the second editions
constexpr int32_t kH12Tag = 316;    // "H12", PCSC of the second editions
constexpr int32_t kPcscTag = 1337;  // "PCSC"

// A word of this many bytes or more is its own lemma, with tag 303.
constexpr size_t kOverlongWord = 100;

// Answers ";", words ending in '-', words in capitals and capitals with a
// final s (or 's) without a dictionary. Empties both lists; on true they
// hold exactly one pair. The empty word is no special form.
bool LemmatizeSpecialForms(const char* word, std::vector<std::string>& lemmas,
                           std::vector<int32_t>& tags, const char* language);

// The dictionary cascade of the active language: an overlong word answers
// itself; otherwise SWD (final), PWD (final, or weak readings appended
// behind the main dictionary's), then the main dictionary. Writes 1 into
// `dictionaryHit` when SWD or PWD knew the word, else 0. Raises a string
// object when an object of the active language is missing.
void LemmatizeLookup(const char* word, std::vector<std::string>& lemmas, std::vector<int32_t>& tags,
                     int32_t* dictionaryHit);

}  // namespace lemmatizer

#endif  // LEMMATIZER_INTERFACE_PIPELINE_H_
