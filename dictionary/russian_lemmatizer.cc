#include "dictionary/russian_lemmatizer.h"

#include "rules/russian.h"

CRussianEditionLemmatizer::CRussianEditionLemmatizer(const char* path, LemcodeHandler handler)
    : m_russianNormalizer(new CRussianNormalizer()) {
  Load(path, m_russianNormalizer, handler, 0);
}

CRussianLemmatizer::CRussianLemmatizer(const char* path)
    : CRussianEditionLemmatizer(path, lemmatizer::RussianLemcodeHandler) {}

CR4Lemmatizer::CR4Lemmatizer(const char* path)
    : CRussianEditionLemmatizer(path, lemmatizer::R4LemcodeHandler) {}
