// Filling the host's result record from the readings of one lookup. The
// record's memory is one block allocated here (the two arrays and every
// lemma string) and released only by LemmatizerFreeResult.
#ifndef LEMMATIZER_INTERFACE_RESULT_H_
#define LEMMATIZER_INTERFACE_RESULT_H_

#include "dictionary/reading_list.h"
#include "interface/lemmatizer.h"

namespace lemmatizer {

// Sets `count` and allocates, in one block, the two arrays with exactly that
// many elements (none when there are no readings) and one string per lemma.
// The record's previous pointers are overwritten: release them first. On an
// allocation failure nothing stays allocated and the record is left
// released.
void FillResult(LemmatizerResult* result, const ReadingList& readings);

// The same from `count` readings given as arrays: tags, lemma lengths and the
// lemmas one after another in `text`.
void FillResult(LemmatizerResult* result, size_t count, const int32_t* tags, const uint8_t* lengths,
                const char* text);

}  // namespace lemmatizer

#endif  // LEMMATIZER_INTERFACE_RESULT_H_
