#include "interface/result.h"

#include <cstddef>
#include <cstring>
#include <new>

// The record is part of the binary interface: four fields without gaps.
// On LP64 the two pointers are 8 bytes wide.
static_assert(offsetof(LemmatizerResult, count) == 0, "count at 0");
static_assert(offsetof(LemmatizerResult, dictionaryHit) == 4, "dictionaryHit at 4");
static_assert(sizeof(void*) != 8 || offsetof(LemmatizerResult, lemmas) == 8, "lemmas at 8");
static_assert(sizeof(void*) != 8 || offsetof(LemmatizerResult, tags) == 16, "tags at 16");
static_assert(sizeof(void*) != 8 || sizeof(LemmatizerResult) == 24, "no padding");
static_assert(sizeof(void*) != 4 || sizeof(LemmatizerResult) == 16, "32-bit layout");

extern "C" LemmatizerResult* LemmatizerInitResult(LemmatizerResult* result) {
  if (result == nullptr) return result;
  result->count = 0;
  result->dictionaryHit = 0;
  result->lemmas = nullptr;
  result->tags = nullptr;
  return result;
}

extern "C" void LemmatizerFreeResult(LemmatizerResult* result) {
  if (result == nullptr) return;
  if (result->lemmas != nullptr) {
    for (int32_t i = 0; i < result->count; ++i) delete[] result->lemmas[i];
  }
  delete[] result->lemmas;
  delete[] result->tags;
  result->lemmas = nullptr;
  result->tags = nullptr;
  result->count = 0;
}

namespace lemmatizer {

void FillResult(LemmatizerResult* result, const std::vector<std::string>& lemmas,
                const std::vector<int32_t>& tags) {
  result->count = 0;
  result->lemmas = nullptr;
  result->tags = nullptr;
  const size_t count = lemmas.size() < tags.size() ? lemmas.size() : tags.size();
  if (count == 0) return;
  char** lemmaArray = new char*[count]();
  int32_t* tagArray = nullptr;
  try {
    tagArray = new int32_t[count];
    for (size_t i = 0; i < count; ++i) {
      tagArray[i] = tags[i];
      lemmaArray[i] = new char[lemmas[i].size() + 1];
      std::memcpy(lemmaArray[i], lemmas[i].c_str(), lemmas[i].size() + 1);
    }
  } catch (...) {
    for (size_t i = 0; i < count; ++i) delete[] lemmaArray[i];
    delete[] lemmaArray;
    delete[] tagArray;
    throw;
  }
  result->count = static_cast<int32_t>(count);
  result->lemmas = lemmaArray;
  result->tags = tagArray;
}

}  // namespace lemmatizer
