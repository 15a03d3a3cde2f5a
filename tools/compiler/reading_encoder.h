// Finds how the main dictionary encodes a reading: the cut and the lemcode
// with which the lookup rebuilds exactly the reading's lemma from the form.
//
// The encoder runs the language's own normalizer and lemcode handler, as
// the lookup does: a candidate (cut, lemcode) is accepted only when cutting
// the form's key, applying the handler and giving the result its output
// form yields the lemma byte for byte. Table-driven languages are solved by
// looking the missing ending up in the table; rule-based languages (and the
// special codes of the Russian ones) by trying their lemcodes on small cuts.
#ifndef LEMMATIZER_TOOLS_COMPILER_READING_ENCODER_H_
#define LEMMATIZER_TOOLS_COMPILER_READING_ENCODER_H_

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "dictionary/lemmatizer.h"
#include "registry/languages.h"

namespace lemmatizer {

class ReadingEncoder {
 public:
  // `dictionary` is the language's dictionary object (its normalizer and
  // rules); it must outlive the encoder.
  ReadingEncoder(const Language& language, const CLemmatizer& dictionary);

  // The key of `form`. False when it has none the trie can hold (too long,
  // or it holds '#' or '+'). Normalizers keep state of the last word, so
  // Encode must follow the KeyOf of the same form.
  bool KeyOf(const std::string& form, std::string& key);

  // The cut and lemcode that rebuild `lemma` from `form` (whose key is
  // `key`), preferring the smallest cut. False when there is none.
  bool Encode(const std::string& form, const std::string& key, const std::string& lemma,
              int32_t& cut, int32_t& lemcode);

  // What the lookup makes of (cut, lemcode) for this form; false when the
  // handler rejects the lemcode.
  bool Rebuild(const std::string& form, const std::string& key, int32_t cut, int32_t lemcode,
               std::string& lemma);

 private:
  const CLemmatizer& m_dictionary;
  NormalizerState m_state;                                 // of the last KeyOf
  std::unordered_map<std::string, int32_t> m_endingIndex;  // ending -> lowest lemcode
  std::vector<int32_t> m_searchCodes;                      // lemcodes tried on every cut
  int32_t m_searchCutLimit;
};

}  // namespace lemmatizer

#endif  // LEMMATIZER_TOOLS_COMPILER_READING_ENCODER_H_
