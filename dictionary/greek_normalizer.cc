#include "dictionary/greek_normalizer.h"

#include "platform/case_tables.h"

bool CGreekNormalizer::Normalize(const char* word, char* key, size_t capacity) {
  return lemmatizer::MapText(word, lemmatizer::kGreekKey, key, capacity);
}
