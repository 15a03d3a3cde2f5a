// The main dictionaries of the two Russian editions: CRussianLemmatizer
// ("ru") and CR4Lemmatizer ("r4"). Both read their trie file at
// construction with the Russian normalizer and differ only in the lemcode
// handler they register (rules/russian.h); the handler argument is 0.
// Construction raises what loading the file raises.
#ifndef LEMMATIZER_DICTIONARY_RUSSIAN_LEMMATIZER_H_
#define LEMMATIZER_DICTIONARY_RUSSIAN_LEMMATIZER_H_

#include "dictionary/lemmatizer.h"
#include "dictionary/russian_normalizer.h"

class CRussianLemmatizer : public CLemmatizer {
 public:
  explicit CRussianLemmatizer(const char* path);
  ~CRussianLemmatizer() override;

 private:
  CRussianNormalizer* m_russianNormalizer;  // owned by the base
};

class CR4Lemmatizer : public CLemmatizer {
 public:
  explicit CR4Lemmatizer(const char* path);
  ~CR4Lemmatizer() override;

 private:
  CRussianNormalizer* m_russianNormalizer;  // owned by the base
};

#endif  // LEMMATIZER_DICTIONARY_RUSSIAN_LEMMATIZER_H_
