// One language loaded through the library's C interface, for the command
// line and the benchmarks: creation from a dictionary directory with the
// library's own messages, and lemmatization of UTF-8 words.
#ifndef LEMMATIZER_TOOLS_LEMM_LANGUAGE_SESSION_H_
#define LEMMATIZER_TOOLS_LEMM_LANGUAGE_SESSION_H_

#include <cstdint>
#include <string>
#include <vector>

namespace lemmatizer {

struct Reading {
  std::string lemma;  // UTF-8
  int32_t tag;
  std::string tagName;
};

class LanguageSession {
 public:
  // Creates `code` from <dictionaryDir>lemm/ (the directory ends with '/')
  // and makes it active. False with the library's message in `error`.
  bool Open(const std::string& code, const std::string& dictionaryDir, std::string& error);

  // The readings of one UTF-8 word. False when the word cannot be written
  // in the language's code page, or the library reports a failure
  // (`error` says which).
  bool Lemmatize(const std::string& word, std::vector<Reading>& readings, std::string& error);

  int CodePage() const { return m_codePage; }

 private:
  std::string m_code;
  int m_codePage = 0;
};

}  // namespace lemmatizer

#endif  // LEMMATIZER_TOOLS_LEMM_LANGUAGE_SESSION_H_
