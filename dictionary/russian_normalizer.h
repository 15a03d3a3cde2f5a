// CRussianNormalizer: the key folding of both Russian editions
// (Windows-1251, kRussianKey of platform/case_tables.h). Ё and ё (0xA8,
// 0xB8) become е, then every byte goes
// through the Cyrillic lower-case table (A-Z, 0x8A, 0x8C, 0x8E, 0x8F and
// 0xC0-0xDF get their small letters; every other byte stays). Nothing else
// is changed. MakeLemma is the default one, so Russian lemmas come out in
// key form: lower case, with е for ё.
#ifndef LEMMATIZER_DICTIONARY_RUSSIAN_NORMALIZER_H_
#define LEMMATIZER_DICTIONARY_RUSSIAN_NORMALIZER_H_

#include "dictionary/word_normalizer.h"

class CRussianNormalizer : public CWordNormalizer {
 public:
  CRussianNormalizer() : CWordNormalizer(lemmatizer::kRussianKey) {}
};

#endif  // LEMMATIZER_DICTIONARY_RUSSIAN_NORMALIZER_H_
