#include "dictionary/russian_normalizer.h"

#include "platform/case_tables.h"

bool CRussianNormalizer::Normalize(const char* word, char* key, size_t capacity) {
  return lemmatizer::MapText(word, lemmatizer::kRussianKey, key, capacity);
}
