#include "registry/language_objects.h"

#include "dictionary/errors.h"
#include "dictionary/german_lemmatizer.h"
#include "dictionary/greek_lemmatizer.h"
#include "dictionary/lemmatizer.h"
#include "dictionary/main_file_header.h"
#include "dictionary/russian_lemmatizer.h"
#include "rules/ending_tables.h"
#include "rules/spanish.h"
#include "rules/table_handlers.h"

namespace lemmatizer {

DictionaryClass DictionaryClassOf(const Language& language) {
  switch (language.normalizer) {
    case NormalizerKind::kGerman:
      return DictionaryClass::kGerman;
    case NormalizerKind::kGreek:
      return DictionaryClass::kGreek;
    case NormalizerKind::kRussian:
      return language.rules == RulesKind::kR4 ? DictionaryClass::kR4 : DictionaryClass::kRussian;
    case NormalizerKind::kDefault:
      break;
  }
  return DictionaryClass::kPlain;
}

LemcodeHandler PlainHandler(const Language& language) {
  switch (language.rules) {
    case RulesKind::kSpanish:
      return SpanishLemcodeHandler;
    case RulesKind::kAlbanian:
      // Albanian has a handler of its own over the same table, so it needs
      // the table too.
      return TableDrivenHandler(language.code) == nullptr ? nullptr : AlbanianLemcodeHandler;
    case RulesKind::kTable:
    case RulesKind::kFrench:
      return TableDrivenHandler(language.code);
    case RulesKind::kGerman:
    case RulesKind::kRussian:
    case RulesKind::kR4:
      break;
  }
  return nullptr;
}

bool IsOffered(const Language& language) {
  switch (DictionaryClassOf(language)) {
    case DictionaryClass::kPlain:
    case DictionaryClass::kGreek:  // the Greek rules are the table rules of "gr"
      return PlainHandler(language) != nullptr;
    case DictionaryClass::kGerman:
    case DictionaryClass::kRussian:
    case DictionaryClass::kR4:
      return true;
  }
  return false;
}

namespace {

std::unique_ptr<CLemmatizer> ConstructDictionary(const Language& language,
                                                 const char* dictionaryFile,
                                                 const char* prefixFile, const char* sharpSFile) {
  switch (DictionaryClassOf(language)) {
    case DictionaryClass::kGerman:
      return std::make_unique<CGermanLemmatizer>(dictionaryFile, prefixFile, sharpSFile);
    case DictionaryClass::kRussian:
      return std::make_unique<CRussianLemmatizer>(dictionaryFile);
    case DictionaryClass::kR4:
      return std::make_unique<CR4Lemmatizer>(dictionaryFile);
    case DictionaryClass::kGreek:
      return std::make_unique<CGreekLemmatizer>(dictionaryFile);
    case DictionaryClass::kPlain:
      break;
  }
  return std::make_unique<CLemmatizer>(dictionaryFile, PlainHandler(language), 0);
}

}  // namespace

std::unique_ptr<CLemmatizer> BuildDictionary(const Language& language, const char* dictionaryFile,
                                             const char* prefixFile, const char* sharpSFile) {
  std::unique_ptr<CLemmatizer> dictionary =
      ConstructDictionary(language, dictionaryFile, prefixFile, sharpSFile);
  // A file built against another ending table would give wrong lemmas.
  const MainFileHeader header = ParseMainFileHeader(dictionary->Header(), kHsqHeaderSize);
  const CompiledEndingTable* table = FindEndingTable(language.code);
  if (header.hasEndings && table != nullptr && header.endings != table->digest) {
    RaiseText("ending table mismatch in file : %s (rebuild it with lemm-build)",
              dictionaryFile == nullptr ? "" : dictionaryFile);
  }
  return dictionary;
}

}  // namespace lemmatizer
