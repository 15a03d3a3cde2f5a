// CPWD: whole forms and ending replacements for capitalised Russian words
// that the main dictionary does not know. Active only for a language whose
// row says it reads PWD files ("ru"), and only when its code is given
// exactly as the row writes it; for every other code it loads nothing and
// finds nothing. Every lemma it produces carries tag 97 ("NOMP").
//
// Two scrambled text files (doc/formats.md): file 1 "form;lemma;" lines,
// file 2 "n;ending;replacement;" lines with n 1 (primary) or 2 (secondary).
// Load reports problems through the caller's error text and never raises.
// The tables are flat (dictionary/string_multimap.h): a lookup allocates
// nothing beyond the readings it returns.
#ifndef LEMMATIZER_PWD_PWD_H_
#define LEMMATIZER_PWD_PWD_H_

#include <cstdint>
#include <string>
#include <vector>

#include "dictionary/reading_list.h"
#include "dictionary/string_multimap.h"

class CPWD {
 public:
  explicit CPWD(const char* language);
  CPWD(const CPWD&) = delete;
  CPWD& operator=(const CPWD&) = delete;
  ~CPWD();

  void Load(const char* path1, const char* path2, std::string& error);

  // Appends the readings of `word` (marked kPwd) to `out`; true when it
  // produced at least one. `final` is then 1 when they are the whole
  // answer and 0 when they are weaker readings to be appended behind the
  // main dictionary's. `scratch` holds the lemmas being made. Changes
  // nothing but its arguments.
  bool Find(const char* word, lemmatizer::ReadingList& out, int32_t& final,
            std::string& scratch) const;

  // The same, emptying both lists first (unless the word is empty) and
  // filling them.
  bool Lookup(const char* word, std::vector<std::string>& lemmas, std::vector<int32_t>& tags,
              int32_t& final);

 private:
  // Appends the lemmas of the longest ending of `word` that `endings` holds.
  bool FindByEnding(std::string_view word, const lemmatizer::StringMultimap& endings,
                    uint32_t lengths, lemmatizer::ReadingList& out, std::string& scratch) const;

  lemmatizer::StringMultimap m_words;
  lemmatizer::StringMultimap m_endings1;
  lemmatizer::StringMultimap m_endings2;
  uint32_t m_lengths1;  // bit n: an ending of n bytes is in m_endings1
  uint32_t m_lengths2;
  std::string m_language;
  bool m_active;  // whether the language reads PWD files
};

#endif  // LEMMATIZER_PWD_PWD_H_
