// CWordNormalizer: turns an input word into a dictionary key (Normalize)
// and a found lemma key into the output lemma (MakeLemma).
//
// The base class is the default normalizer of every language without one of
// its own: Normalize lowers bytes through the fixed default lower-case table
// (kDefaultLower of platform/case_tables.h: A-Z, 0xC0-0xD6 and 0xD8-0xDD
// get +0x20, every other byte stays), and MakeLemma returns the lemma key
// unchanged. Subclasses may keep state from
// the last Normalize for the MakeLemma calls of the same lookup.
#ifndef LEMMATIZER_DICTIONARY_WORD_NORMALIZER_H_
#define LEMMATIZER_DICTIONARY_WORD_NORMALIZER_H_

#include <cstddef>
#include <string>

class CWordNormalizer {
 public:
  CWordNormalizer() = default;
  CWordNormalizer(const CWordNormalizer&) = delete;
  CWordNormalizer& operator=(const CWordNormalizer&) = delete;
  virtual ~CWordNormalizer();

  // Writes the output text of `lemmaKey` into `out`; `word` is the input
  // word exactly as given to the lookup.
  virtual void MakeLemma(const char* word, const char* lemmaKey, std::string& out);

  // Writes the key of `word`, zero-terminated, into `key`, which holds
  // `capacity` bytes. Returns false when the key does not fit; the lookup
  // then finds nothing.
  virtual bool Normalize(const char* word, char* key, size_t capacity);
};

#endif  // LEMMATIZER_DICTIONARY_WORD_NORMALIZER_H_
