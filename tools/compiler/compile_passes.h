// The passes of the dictionary compiler, in the order CompileLanguage runs
// them over a language's lexicon:
//   1. OrderCaseVariants: forms that differ only in case come in the order
//      their readings should be answered;
//   2. EncodeForms: every form whose readings the main dictionary can all
//      rebuild gets its key and their encodings;
//   3. KeepHiddenFormsInSwd: a form that an SWD source would hide goes to
//      the SWD file as well;
//   4. GatherKeysAndSwdLines: the trie's keys with the union of their
//      readings, and the SWD lines of the other forms.
// Each pass is a plain function of its inputs, so that it can be tested on
// its own.
#ifndef LEMMATIZER_TOOLS_COMPILER_COMPILE_PASSES_H_
#define LEMMATIZER_TOOLS_COMPILER_COMPILE_PASSES_H_

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "dictionary/hsq_format.h"
#include "swd/swd.h"
#include "swd/swd_writer.h"
#include "tools/compiler/lexicon.h"
#include "tools/compiler/reading_encoder.h"

namespace lemmatizer {

// Pass 1. Forms that differ only in case share a key in the trie and a run
// in the SWD file, where readings keep the order forms come in. Lower-case
// forms (those whose first letter the SWD lookup does not lower) go first,
// so that "is" answers with "be" before the name "Is". A form whose
// readings are all untagged (a word list's guess at its lemma, tag "ANYC")
// goes after every form with tagged readings, so that the untagged "kinder"
// of a spelling list does not answer before the noun "Kinder". The order is
// otherwise kept.
void OrderCaseVariants(std::vector<LexiconForm>& forms, const CSWD& swdKeys);

struct FormEncoding {
  bool inTrie = false;
  std::string key;
  std::vector<HsqResult> readings;  // in the form's reading order
};

// Pass 2. One encoding per form. A multi-word form, or one with a reading
// the main dictionary cannot rebuild, stays out of the trie. With
// `progressCode`, progress lines go to standard error.
std::vector<FormEncoding> EncodeForms(const std::vector<LexiconForm>& forms,
                                      ReadingEncoder& encoder, const char* progressCode);

// Pass 3. The SWD answer is final and matches sources without regard to
// case, so a form in the trie whose SWD key meets an SWD source would be
// hidden by it ("is" behind the name "Is"): such forms leave the trie for
// the SWD file, where the order of forms decides the order of readings.
void KeepHiddenFormsInSwd(const std::vector<LexiconForm>& forms, const CSWD& swdKeys,
                          std::vector<FormEncoding>& encodings);

struct CompiledForms {
  // Keys with their readings in the order keys were first seen; a key
  // shared by several forms has the union of their readings.
  std::vector<std::pair<std::string, std::vector<HsqResult>>> keys;
  std::vector<SwdLine> swd;  // one line per form and lemma, in form order
  int64_t trieReadings = 0;
  int64_t swdReadings = 0;
  int64_t swdForms = 0;
  int64_t unwritable = 0;  // readings of forms neither file can hold
};

// Pass 4.
CompiledForms GatherKeysAndSwdLines(const std::vector<LexiconForm>& forms,
                                    const std::vector<FormEncoding>& encodings,
                                    const CSWD& swdKeys);

}  // namespace lemmatizer

#endif  // LEMMATIZER_TOOLS_COMPILER_COMPILE_PASSES_H_
