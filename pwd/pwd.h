// CPWD: whole forms and ending replacements for capitalised Russian words
// that the main dictionary does not know. Active only for a language whose
// row says it reads PWD files ("ru"), and only when its code is given
// exactly as the row writes it; for every other code it loads nothing and
// finds nothing. Every lemma it produces carries tag 97 ("NOMP").
//
// Two scrambled text files: file 1 "form;lemma;" lines, file 2
// "n;ending;replacement;" lines with n 1 (primary) or 2 (secondary). Load
// reports problems through the caller's error text and never raises.
#ifndef LEMMATIZER_PWD_PWD_H_
#define LEMMATIZER_PWD_PWD_H_

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CPWD {
 public:
  explicit CPWD(const char* language);
  CPWD(const CPWD&) = delete;
  CPWD& operator=(const CPWD&) = delete;
  ~CPWD();

  void Load(const char* path1, const char* path2, std::string& error);

  // True when it produced at least one lemma; `final` is then 1 when the
  // lemmas are the whole answer and 0 when they are weaker readings to be
  // appended behind the main dictionary's.
  bool Lookup(const char* word, std::vector<std::string>& lemmas, std::vector<int32_t>& tags,
              int32_t& final);

 private:
  std::multimap<std::string, std::string> m_words;
  std::multimap<std::string, std::string> m_endings1;
  std::multimap<std::string, std::string> m_endings2;
  std::multimap<std::string, std::string>::const_iterator m_cursor;
  std::string m_language;
  bool m_active;  // whether the language reads PWD files
};

#endif  // LEMMATIZER_PWD_PWD_H_
