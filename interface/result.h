// Filling the host's result record from the candidate lists of one lookup.
// The record's memory is allocated here and released only by
// LemmatizerFreeResult, with the same allocator.
#ifndef LEMMATIZER_INTERFACE_RESULT_H_
#define LEMMATIZER_INTERFACE_RESULT_H_

#include <cstdint>
#include <string>
#include <vector>

#include "interface/lemmatizer.h"

namespace lemmatizer {

// Sets `count` and allocates the two arrays with exactly that many elements
// (none when the lists are empty), one fresh string per lemma. The record's
// previous pointers are overwritten: release them first. On an allocation
// failure nothing stays allocated and the record is left released.
void FillResult(LemmatizerResult* result, const std::vector<std::string>& lemmas,
                const std::vector<int32_t>& tags);

}  // namespace lemmatizer

#endif  // LEMMATIZER_INTERFACE_RESULT_H_
