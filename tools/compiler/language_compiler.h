// Compiles one language's dictionary files from its lexicon.
//
// Every form of the lexicon is encoded with the language's own normalizer
// and lemcode handler: when all of a form's readings can be rebuilt by the
// main dictionary, the form's key goes into the trie with them; otherwise
// the form, with all its readings, goes to the SWD dictionary, as do
// multi-word expressions. Forms whose keys coincide (they differ only in
// case, say) share the union of their readings. The files are written under
// <outDir>lemm/ with the names that LemmatizeCreate(code, outDir) opens,
// with the word list of the rows that list their words beside them.
#ifndef LEMMATIZER_TOOLS_COMPILER_LANGUAGE_COMPILER_H_
#define LEMMATIZER_TOOLS_COMPILER_LANGUAGE_COMPILER_H_

#include <cstdint>
#include <string>

#include "tools/compiler/trie_builder.h"

namespace lemmatizer {

struct CompileOptions {
  std::string code;         // one of the 23 language codes
  std::string lexiconPath;  // UTF-8 TSV: form, lemma, tag name
  std::string outDir;       // ends with '/'; files go to outDir + "lemm/"
  // Russian: the case readings the extension rows are learnt from
  // (tools/compiler/russian_cases.h); none when empty
  std::string casesPath;
  UnknownWords unknownWords = UnknownWords::kGuess;
  bool progress = false;  // progress lines on standard error
};

struct CompileSummary {
  int64_t lexiconLines = 0;
  int64_t readings = 0;  // kept after conversion
  int64_t dropped = 0;   // not writable in the code page, unknown tag, malformed
  int64_t forms = 0;
  int64_t trieReadings = 0;  // encoded in the trie
  int64_t trieKeys = 0;
  int64_t swdReadings = 0;  // sent to the SWD dictionary
  int64_t swdForms = 0;
  int64_t unwritable = 0;  // readings neither the trie nor the SWD file can hold
  int64_t records = 0;
  int64_t mainBytes = 0;
  int64_t swdBytes = 0;
  int64_t extensionRows = 0;  // Russian extension rows written
  int64_t wordListBytes = 0;  // the word list, for the rows that list their words
  double seconds = 0;
};

// False with `error` set when a file cannot be read or written.
bool CompileLanguage(const CompileOptions& options, CompileSummary& summary, std::string& error);

// A one-paragraph human-readable summary.
std::string DescribeSummary(const std::string& code, const CompileSummary& summary);

}  // namespace lemmatizer

#endif  // LEMMATIZER_TOOLS_COMPILER_LANGUAGE_COMPILER_H_
