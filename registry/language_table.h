// The table of the 23 language codes that CLemmatizerFactory::Create
// knows: for each code the class of its main dictionary object and the
// lemcode rules it gets. Codes are lower case; the second editions ("d4",
// "e4", "f4", "s4", "i4", "r4") are languages of their own.
//
// A code is offered only when this build holds its rules: the table-driven
// languages (and Greek and Albanian, which use the same tables) need their
// compiled ending table. A code that is not offered is treated by Create
// exactly like an unknown code.
#ifndef LEMMATIZER_REGISTRY_LANGUAGE_TABLE_H_
#define LEMMATIZER_REGISTRY_LANGUAGE_TABLE_H_

#include <cstddef>
#include <memory>
#include <string>

#include "rules/lemcode_handler.h"

class CLemmatizer;

namespace lemmatizer {

enum class DictionaryClass {
  kPlain,    // CLemmatizer with the default normalizer
  kGerman,   // CGermanLemmatizer: main, prefix and sharp-s file
  kRussian,  // CRussianLemmatizer
  kR4,       // CR4Lemmatizer
  kGreek,    // CGreekLemmatizer
};

struct LanguageEntry {
  const char* code;
  DictionaryClass dictionaryClass;
  // The handler of a plain dictionary with rules of its own (Spanish,
  // Albanian); null when the code's table-driven handler serves it, and for
  // the subclasses, which bring their own.
  LemcodeHandler handler;
};

// The 23 entries in table order; `count` receives their number.
const LanguageEntry* LanguageTable(size_t* count);

// The entry of a lower-cased code, or null.
const LanguageEntry* FindLanguageEntry(const std::string& code);

// Whether this build can create the language.
bool IsOffered(const LanguageEntry& entry);

// Constructs the language's main dictionary object, which reads its files
// at once; raises what the constructor raises. The prefix and sharp-s
// files are read for German only.
std::unique_ptr<CLemmatizer> BuildDictionary(const LanguageEntry& entry, const char* dictionaryFile,
                                             const char* prefixFile, const char* sharpSFile);

}  // namespace lemmatizer

#endif  // LEMMATIZER_REGISTRY_LANGUAGE_TABLE_H_
