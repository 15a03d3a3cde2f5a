// Splitting UTF-8 text into words the simple way, for the benchmarks that
// hand the 8-bit interface single words (lemm itself tokenizes through the
// UTF-8 interface): a word is a run of letters and digits (any code point
// outside ASCII counts as a letter except the punctuation and symbol
// blocks), with apostrophes and hyphens kept inside it ("l'eau",
// "Nord-Süd", "don't").
#ifndef LEMMATIZER_TOOLS_LEMM_TEXT_WORDS_H_
#define LEMMATIZER_TOOLS_LEMM_TEXT_WORDS_H_

#include <string>
#include <string_view>
#include <vector>

namespace lemmatizer {

std::vector<std::string> SplitWords(std::string_view utf8);

}  // namespace lemmatizer

#endif  // LEMMATIZER_TOOLS_LEMM_TEXT_WORDS_H_
