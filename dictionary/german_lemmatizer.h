// CGermanLemmatizer: the German main dictionary with its two extra files.
//
// Construction reads, in this order, the sharp-s trie (into the German
// normalizer), the prefix file (whole, into a buffer the object owns) and
// the main trie, and registers the German lemcode handler with the address
// of the prefix cells as its argument. The first file that cannot be read
// ends construction with that file's error.
#ifndef LEMMATIZER_DICTIONARY_GERMAN_LEMMATIZER_H_
#define LEMMATIZER_DICTIONARY_GERMAN_LEMMATIZER_H_

#include <vector>

#include "dictionary/german_normalizer.h"
#include "dictionary/lemmatizer.h"
#include "rules/german.h"

class CGermanLemmatizer : public CLemmatizer {
 public:
  CGermanLemmatizer(const char* mainPath, const char* prefixPath, const char* sharpSPath);
  ~CGermanLemmatizer() override;

  CGermanNormalizer* GermanNormalizer() const { return m_germanNormalizer; }
  const lemmatizer::GermanPrefixCells& PrefixCells() const { return m_prefixCells; }

 private:
  std::vector<char> m_prefixBuffer;
  lemmatizer::GermanPrefixCells m_prefixCells;  // the handler argument
  CGermanNormalizer* m_germanNormalizer;        // owned by the base
};

#endif  // LEMMATIZER_DICTIONARY_GERMAN_LEMMATIZER_H_
