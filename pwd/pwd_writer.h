// The writer of the two PWD files ("<code>1.pwd", "<code>2.pwd"), in the
// format pwd/pwd.h reads (doc/formats.md), before scrambling: whole forms
// "form;lemma;" and ending rules "n;ending;replacement;", one a line, the
// last line without a line end. The reader needs at least one line in each
// file; an empty list is written as one entry that no word can match.
#ifndef LEMMATIZER_PWD_PWD_WRITER_H_
#define LEMMATIZER_PWD_PWD_WRITER_H_

#include <string>
#include <vector>

namespace lemmatizer {

struct PwdWholeForm {
  std::string form;  // capitalised; no ';', blank or line end
  std::string lemma;
};

struct PwdEnding {
  int table;  // 1: primary (final answer), 2: secondary (behind the main dictionary's)
  std::string ending;
  std::string replacement;
};

// Whether a form, lemma, ending or replacement can be written in a line.
bool PwdWritable(const std::string& text);

std::string PwdWholeFormsText(const std::vector<PwdWholeForm>& forms);
std::string PwdEndingsText(const std::vector<PwdEnding>& endings);

}  // namespace lemmatizer

#endif  // LEMMATIZER_PWD_PWD_WRITER_H_
