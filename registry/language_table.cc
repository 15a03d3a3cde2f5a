#include "registry/language_table.h"

#include <cstring>
#include <utility>

#include "dictionary/german_lemmatizer.h"
#include "dictionary/greek_lemmatizer.h"
#include "dictionary/lemmatizer.h"
#include "dictionary/russian_lemmatizer.h"
#include "platform/text.h"
#include "pwd/pwd.h"
#include "registry/lemmatizer_factory.h"
#include "rules/spanish.h"
#include "rules/table_handlers.h"
#include "swd/swd.h"

namespace lemmatizer {
namespace {

const LanguageEntry kLanguages[] = {
    {"de", DictionaryClass::kGerman, nullptr},
    {"es", DictionaryClass::kPlain, SpanishLemcodeHandler},
    {"fr", DictionaryClass::kPlain, nullptr},
    {"en", DictionaryClass::kPlain, nullptr},
    {"ru", DictionaryClass::kRussian, nullptr},
    {"sv", DictionaryClass::kPlain, nullptr},
    {"it", DictionaryClass::kPlain, nullptr},
    {"po", DictionaryClass::kPlain, nullptr},
    {"sk", DictionaryClass::kPlain, nullptr},
    {"sl", DictionaryClass::kPlain, nullptr},
    {"al", DictionaryClass::kPlain, AlbanianLemcodeHandler},
    {"mk", DictionaryClass::kPlain, nullptr},
    {"d4", DictionaryClass::kPlain, nullptr},
    {"e4", DictionaryClass::kPlain, nullptr},
    {"f4", DictionaryClass::kPlain, nullptr},
    {"s4", DictionaryClass::kPlain, nullptr},
    {"da", DictionaryClass::kPlain, nullptr},
    {"du", DictionaryClass::kPlain, nullptr},
    {"fi", DictionaryClass::kPlain, nullptr},
    {"gr", DictionaryClass::kGreek, nullptr},
    {"r4", DictionaryClass::kR4, nullptr},
    {"i4", DictionaryClass::kPlain, nullptr},
    {"ca", DictionaryClass::kPlain, nullptr},
};

// The handler of a plain dictionary, or null when the build lacks the
// code's ending table. Albanian has a handler of its own over the same
// table, so it needs the table too.
LemcodeHandler PlainHandler(const LanguageEntry& entry) {
  if (entry.handler == SpanishLemcodeHandler) return entry.handler;
  const LemcodeHandler tableDriven = TableDrivenHandler(entry.code);
  if (tableDriven == nullptr) return nullptr;
  return entry.handler != nullptr ? entry.handler : tableDriven;
}

}  // namespace

const LanguageEntry* LanguageTable(size_t* count) {
  *count = sizeof(kLanguages) / sizeof(kLanguages[0]);
  return kLanguages;
}

const LanguageEntry* FindLanguageEntry(const std::string& code) {
  for (const LanguageEntry& entry : kLanguages) {
    if (code == entry.code) return &entry;
  }
  return nullptr;
}

bool IsOffered(const LanguageEntry& entry) {
  switch (entry.dictionaryClass) {
    case DictionaryClass::kPlain:
      return PlainHandler(entry) != nullptr;
    case DictionaryClass::kGreek:
      // The Greek rules are the table-driven member "gr".
      return TableDrivenHandler("gr") != nullptr;
    case DictionaryClass::kGerman:
    case DictionaryClass::kRussian:
    case DictionaryClass::kR4:
      return true;
  }
  return false;
}

std::unique_ptr<CLemmatizer> BuildDictionary(const LanguageEntry& entry, const char* dictionaryFile,
                                             const char* prefixFile, const char* sharpSFile) {
  switch (entry.dictionaryClass) {
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
  return std::make_unique<CLemmatizer>(dictionaryFile, PlainHandler(entry), 0);
}

}  // namespace lemmatizer

int CLemmatizerFactory::Create(const char* language, const char* swdFile, const char* pwdFile1,
                               const char* pwdFile2, const char* dictionaryFile,
                               const char* prefixFile, const char* sharpSFile,
                               const char* /*unused*/, std::string& error) {
  std::string code = lemmatizer::LowerCopy(language);
  for (const std::string& name : m_vLemmatizerName) {
    if (name == code) return 0;
  }
  const lemmatizer::LanguageEntry* entry = lemmatizer::FindLanguageEntry(code);
  // A code whose rules this build lacks is not offered: it fails as an
  // unknown code does.
  if (entry == nullptr || !lemmatizer::IsOffered(*entry)) return 1;

  // The objects are owned here until they are registered, so that a failure
  // or an exception on the way releases them.
  std::unique_ptr<CLemmatizer> dictionary =
      lemmatizer::BuildDictionary(*entry, dictionaryFile, prefixFile, sharpSFile);
  std::strncpy(m_actLanguage, code.c_str(), sizeof(m_actLanguage) - 1);
  m_actLanguage[sizeof(m_actLanguage) - 1] = '\0';

  // SWD and PWD get the code as the caller gave it: "RU" reads no PWD file.
  auto swd = std::make_unique<CSWD>(language, 0);
  swd->Load(swdFile, error);
  if (!error.empty()) return 3;
  auto pwd = std::make_unique<CPWD>(language);
  pwd->Load(pwdFile1, pwdFile2, error);
  if (!error.empty()) return 3;

  // Room first, so that the four vectors grow together or not at all.
  m_vSWD.reserve(m_vSWD.size() + 1);
  m_vPWD.reserve(m_vPWD.size() + 1);
  m_vLemmatizerName.reserve(m_vLemmatizerName.size() + 1);
  m_vLemmatizer.reserve(m_vLemmatizer.size() + 1);
  m_vSWD.push_back(swd.release());
  m_vPWD.push_back(pwd.release());
  m_vLemmatizerName.push_back(std::move(code));
  m_vLemmatizer.push_back(dictionary.release());
  return 0;
}
