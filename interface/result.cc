#include "interface/result.h"

#include <cstring>
#include <new>

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
