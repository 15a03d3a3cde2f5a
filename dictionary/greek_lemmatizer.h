// CGreekLemmatizer: the Greek main dictionary, with the Greek normalizer and
// the Greek table-driven handler.
#ifndef LEMMATIZER_DICTIONARY_GREEK_LEMMATIZER_H_
#define LEMMATIZER_DICTIONARY_GREEK_LEMMATIZER_H_

#include "dictionary/greek_normalizer.h"
#include "dictionary/lemmatizer.h"

class CGreekLemmatizer : public CLemmatizer {
 public:
  // Raises when the Greek ending table is not part of this build, or when
  // the file cannot be read.
  explicit CGreekLemmatizer(const char* path);
  ~CGreekLemmatizer() override;

 private:
  CGreekNormalizer* m_greekNormalizer;  // owned by the base
};

#endif  // LEMMATIZER_DICTIONARY_GREEK_LEMMATIZER_H_
