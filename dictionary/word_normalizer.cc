#include "dictionary/word_normalizer.h"

CWordNormalizer::~CWordNormalizer() = default;

int64_t CWordNormalizer::NormalizeWord(const char* word, size_t length, char* key, size_t capacity,
                                       NormalizerState& /*state*/) const {
  if (!lemmatizer::MapText(word, length, *m_map, key, capacity)) return -1;
  return static_cast<int64_t>(length);
}

std::string_view CWordNormalizer::MakeLemmaOf(const char* /*word*/, const char* lemmaKey,
                                              const NormalizerState& /*state*/,
                                              std::string& /*storage*/) const {
  return lemmaKey;
}
