// The writing side of the word list (dictionary/word_list.h): the bytes of
// a "<code>-words.bin" file for a lexicon's forms.
#ifndef LEMMATIZER_DICTIONARY_WORD_LIST_WRITER_H_
#define LEMMATIZER_DICTIONARY_WORD_LIST_WRITER_H_

#include <string>
#include <vector>

namespace lemmatizer {

// Bits per form and bit positions per form: about one false yes in a
// hundred.
constexpr int kWordListBitsPerForm = 10;
constexpr int kWordListHashes = 7;

// The file holding `forms` (UTF-8, any case; repeats are harmless).
std::string WordListBytes(const std::vector<std::string>& forms);

}  // namespace lemmatizer

#endif  // LEMMATIZER_DICTIONARY_WORD_LIST_WRITER_H_
