// Reading a lexicon: UTF-8 TSV lines "form<TAB>lemma<TAB>tag-name", one
// reading a line, the readings of a form in the order the dictionary should
// return them. Forms and lemmas are converted into the language's code page;
// readings that cannot be converted, or whose tag name is unknown, are
// dropped and counted.
#ifndef LEMMATIZER_TOOLS_COMPILER_LEXICON_H_
#define LEMMATIZER_TOOLS_COMPILER_LEXICON_H_

#include <cstdint>
#include <string>
#include <vector>

namespace lemmatizer {

struct LexiconReading {
  std::string lemma;  // in the code page
  int32_t tag;        // tag number, 1..1849
};

struct LexiconForm {
  std::string form;                      // in the code page
  std::vector<LexiconReading> readings;  // in lexicon order, without repeats
};

struct LexiconStats {
  int64_t lines = 0;
  int64_t readings = 0;          // kept
  int64_t droppedCodePage = 0;   // form or lemma not writable in the code page
  int64_t droppedTag = 0;        // unknown tag name
  int64_t droppedMalformed = 0;  // not three fields, or an empty form or lemma
  int64_t repeated = 0;          // the same reading twice
};

// The number of a dictionary tag name, or 0 for a name the table lacks.
int32_t TagNumberOrZero(const std::string& name);

// Reads the lexicon; the readings of one form are gathered in the order of
// their first line even when the form's lines are not contiguous. False
// with `error` set when the file cannot be read.
bool ReadLexicon(const std::string& path, int codePage, std::vector<LexiconForm>& forms,
                 LexiconStats& stats, std::string& error);

}  // namespace lemmatizer

#endif  // LEMMATIZER_TOOLS_COMPILER_LEXICON_H_
