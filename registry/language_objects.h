// The objects a language is made of, built from its row of the language
// table (registry/languages.h): the class of its main dictionary object and
// the lemcode rules it gets.
//
// A code is offered only when this build holds its rules: the languages
// whose rules read an ending table (table rules, Greek, Albanian) need
// their compiled table. A code that is not offered is treated by
// CLemmatizerFactory::Create exactly like an unknown code.
#ifndef LEMMATIZER_REGISTRY_LANGUAGE_OBJECTS_H_
#define LEMMATIZER_REGISTRY_LANGUAGE_OBJECTS_H_

#include <memory>

#include "registry/languages.h"
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

DictionaryClass DictionaryClassOf(const Language& language);

// The lemcode handler of a plain dictionary (Spanish, or the table rules of
// the language), or null when the build lacks the language's table or the
// language's dictionary class brings its own handler.
LemcodeHandler PlainHandler(const Language& language);

// Whether this build can create the language.
bool IsOffered(const Language& language);

// Constructs the language's main dictionary object, which reads its files
// at once; raises what the constructor raises, and "ending table mismatch
// in file : %s ..." when the main file's header names another ending table
// than this build's. The prefix and sharp-s files are read by German only.
std::unique_ptr<CLemmatizer> BuildDictionary(const Language& language, const char* dictionaryFile,
                                             const char* prefixFile, const char* sharpSFile);

}  // namespace lemmatizer

#endif  // LEMMATIZER_REGISTRY_LANGUAGE_OBJECTS_H_
