// The language handle of the reentrant interface (lemm.h): everything one
// language needs to answer words, loaded at once when it is opened and
// never changed afterwards, so that any number of threads can read it.
//
// Unlike the exports of lemmatizer.h it is no entry in the process-wide
// registry: each handle owns its own dictionaries and its own Russian
// extension table, read from the directory it was opened from.
#ifndef LEMMATIZER_INTERFACE_LANGUAGE_HANDLE_H_
#define LEMMATIZER_INTERFACE_LANGUAGE_HANDLE_H_

#include <memory>
#include <string>
#include <vector>

#include "dictionary/lemmatizer.h"
#include "dictionary/word_list.h"
#include "interface/context_model.h"
#include "interface/russian_extension.h"
#include "interface/tokenizer.h"
#include "pwd/pwd.h"
#include "registry/languages.h"
#include "swd/swd.h"

struct lemm_language {
  const lemmatizer::Language* row = nullptr;
  std::string code;  // lower case
  std::unique_ptr<CLemmatizer> dictionary;
  std::unique_ptr<CSWD> swd;
  std::unique_ptr<CPWD> pwd;
  std::vector<lemmatizer::ExtendEntry> extension;     // empty unless the row reads the file
  std::unique_ptr<lemmatizer::WordList> words;        // null unless the row lists its words
  std::unique_ptr<lemmatizer::ContextModel> context;  // null without a context model
  lemmatizer::SplitOffWords splitOff;
};

namespace lemmatizer {

// Loads the language `code` (any case) from `directory`, which holds its
// files or has them in its "lemm/" subdirectory. Raises, as a text
// pointer, "unknown language code ..." for a code the library does not
// offer and "no dictionary for ..." when neither directory holds the main
// dictionary file; every other failure (a damaged file, bad lines in the
// SWD or PWD files, the extension file, the word list, the context model)
// raises what the readers raise, or the readers' messages as a string
// object. A missing word list or context model is no failure: dictionaries
// built before they existed open without them.
std::unique_ptr<lemm_language> OpenLanguage(const std::string& code, const std::string& directory);

}  // namespace lemmatizer

#endif  // LEMMATIZER_INTERFACE_LANGUAGE_HANDLE_H_
