#include "dictionary/word_normalizer.h"

#include "platform/case_tables.h"

CWordNormalizer::~CWordNormalizer() = default;

void CWordNormalizer::MakeLemma(const char* /*word*/, const char* lemmaKey, std::string& out) {
  out.assign(lemmaKey);
}

bool CWordNormalizer::Normalize(const char* word, char* key, size_t capacity) {
  return lemmatizer::MapText(word, lemmatizer::kDefaultLower, key, capacity);
}
