// CWordNormalizer: turns an input word into a dictionary key (Normalize)
// and a found lemma key into the output lemma (MakeLemma).
//
// The base class is the default normalizer of every language without one of
// its own: Normalize maps every byte through a fixed table, the default
// lower-case table (kDefaultLower of platform/case_tables.h: A-Z, 0xC0-0xD6
// and 0xD8-0xDD get +0x20, every other byte stays) unless a subclass gives
// its own, and MakeLemma returns the lemma key unchanged.
//
// What a normalizer learns from a word for the lemmas of the same word
// (German keeps the part before a hyphen and where the umlauts were) is a
// NormalizerState. The reentrant pair NormalizeWord / MakeLemmaOf keeps it
// in the caller's state, so that any number of lookups may share one
// normalizer; the pair Normalize / MakeLemma keeps it in the object, which
// then serves one lookup at a time.
#ifndef LEMMATIZER_DICTIONARY_WORD_NORMALIZER_H_
#define LEMMATIZER_DICTIONARY_WORD_NORMALIZER_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/case_tables.h"

struct NormalizerState {
  std::string hyphenPrefix;         // German: the word up to its last hyphen
  std::vector<int32_t> umlautGaps;  // German: plain letters before each transcription
};

class CWordNormalizer {
 public:
  CWordNormalizer() : m_map(&lemmatizer::kDefaultLower) {}
  CWordNormalizer(const CWordNormalizer&) = delete;
  CWordNormalizer& operator=(const CWordNormalizer&) = delete;
  virtual ~CWordNormalizer();

  // Writes the key of `word` (`length` bytes), zero-terminated, into `key`,
  // which holds `capacity` bytes, and what the lemmas will need into
  // `state`. Returns the key's length, or -1 when it does not fit; the
  // lookup then finds nothing.
  virtual int64_t NormalizeWord(const char* word, size_t length, char* key, size_t capacity,
                                NormalizerState& state) const;

  // The output text of `lemmaKey`: `word` is the input word exactly as
  // given to the lookup, `state` what NormalizeWord wrote for it. The text
  // is `lemmaKey` itself or is written into `storage`; it stays valid as
  // long as both do.
  virtual std::string_view MakeLemmaOf(const char* word, const char* lemmaKey,
                                       const NormalizerState& state, std::string& storage) const;

  // The same with the state kept in the object.
  bool Normalize(const char* word, char* key, size_t capacity) {
    return NormalizeWord(word, std::char_traits<char>::length(word), key, capacity, m_state) >= 0;
  }
  void MakeLemma(const char* word, const char* lemmaKey, std::string& out) {
    std::string storage;
    out.assign(MakeLemmaOf(word, lemmaKey, m_state, storage));
  }

 protected:
  // A normalizer that maps bytes through `map` (which must outlive it).
  explicit CWordNormalizer(const lemmatizer::ByteMap& map) : m_map(&map) {}

  const NormalizerState& State() const { return m_state; }

 private:
  const lemmatizer::ByteMap* m_map;
  NormalizerState m_state;
};

#endif  // LEMMATIZER_DICTIONARY_WORD_NORMALIZER_H_
