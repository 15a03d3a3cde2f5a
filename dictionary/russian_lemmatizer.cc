#include "dictionary/russian_lemmatizer.h"

#include "rules/russian.h"

CRussianLemmatizer::CRussianLemmatizer(const char* path)
    : m_russianNormalizer(new CRussianNormalizer()) {
  Load(path, m_russianNormalizer, lemmatizer::RussianLemcodeHandler, 0);
}

CRussianLemmatizer::~CRussianLemmatizer() = default;

CR4Lemmatizer::CR4Lemmatizer(const char* path) : m_russianNormalizer(new CRussianNormalizer()) {
  Load(path, m_russianNormalizer, lemmatizer::R4LemcodeHandler, 0);
}

CR4Lemmatizer::~CR4Lemmatizer() = default;
