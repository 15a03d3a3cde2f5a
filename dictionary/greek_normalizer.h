// CGreekNormalizer: the key folding of Greek (Windows-1253, kGreekKey of
// platform/case_tables.h). Lowers Latin and Greek capitals and maps the
// accented capitals to their small forms; MakeLemma is the default one.
#ifndef LEMMATIZER_DICTIONARY_GREEK_NORMALIZER_H_
#define LEMMATIZER_DICTIONARY_GREEK_NORMALIZER_H_

#include "dictionary/word_normalizer.h"

class CGreekNormalizer : public CWordNormalizer {
 public:
  CGreekNormalizer() : CWordNormalizer(lemmatizer::kGreekKey) {}
};

#endif  // LEMMATIZER_DICTIONARY_GREEK_NORMALIZER_H_
