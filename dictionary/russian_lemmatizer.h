// The main dictionaries of the two Russian editions: CRussianLemmatizer
// ("ru") and CR4Lemmatizer ("r4"). Both read their trie file at
// construction with the Russian normalizer and differ only in the lemcode
// handler they register (rules/russian.h); the handler argument is 0.
// Construction raises what loading the file raises.
#ifndef LEMMATIZER_DICTIONARY_RUSSIAN_LEMMATIZER_H_
#define LEMMATIZER_DICTIONARY_RUSSIAN_LEMMATIZER_H_

#include "dictionary/lemmatizer.h"
#include "dictionary/russian_normalizer.h"

// What both editions share: the Russian normalizer, owned by the base.
class CRussianEditionLemmatizer : public CLemmatizer {
 protected:
  CRussianEditionLemmatizer(const char* path, LemcodeHandler handler);

  CRussianNormalizer* m_russianNormalizer;  // owned by the base
};

class CRussianLemmatizer : public CRussianEditionLemmatizer {
 public:
  explicit CRussianLemmatizer(const char* path);
};

class CR4Lemmatizer : public CRussianEditionLemmatizer {
 public:
  explicit CR4Lemmatizer(const char* path);
};

#endif  // LEMMATIZER_DICTIONARY_RUSSIAN_LEMMATIZER_H_
