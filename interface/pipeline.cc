#include "interface/pipeline.h"

#include <cstring>

#include "dictionary/errors.h"
#include "dictionary/lemmatizer.h"
#include "interface/boundary.h"
#include "interface/lemmatizer.h"
#include "interface/result.h"
#include "interface/russian_extension.h"
#include "platform/case_tables.h"
#include "pwd/pwd.h"
#include "registry/languages.h"
#include "registry/lemmatizer_factory.h"
#include "swd/swd.h"

namespace lemmatizer {
namespace {

// The capitals of the special forms, whatever the language: those of the
// default lower-case table (A-Z and the Latin-1 capitals).
bool IsUpper(unsigned char c) { return IsDefaultCapital(c); }

bool AllUpper(const char* text, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    if (!IsUpper(static_cast<unsigned char>(text[i]))) return false;
  }
  return true;
}

// Second editions answer the special forms with their own tags.
bool IsVariant(const char* language) {
  const Language* row = FindLanguage(language);
  return row != nullptr && row->IsSecondEdition();
}

bool TakesRussianRoad(const char* language) {
  const Language* row = FindLanguage(language);
  return row != nullptr && row->TakesRussianRoad();
}

enum class SEnding { kNone, kPlain, kApostrophe };

// Whether the word is capitals followed by "s" or by an apostrophe (', `
// or the acute accent 0xB4) and "s". Needs a word of at least one byte.
SEnding SEndingKind(const char* word, size_t length) {
  const size_t n = length >= 2 ? length - 2 : 0;
  if (!AllUpper(word, n)) return SEnding::kNone;
  const unsigned char c = static_cast<unsigned char>(word[n]);
  const char d = word[n + 1];
  if ((c == 0xB4 || c == '\'' || c == '`') && d == 's') return SEnding::kApostrophe;
  if (IsUpper(c) && d == 's') return SEnding::kPlain;
  return SEnding::kNone;
}

void Add(std::vector<std::string>& lemmas, std::vector<int32_t>& tags, std::string lemma,
         int32_t tag) {
  lemmas.push_back(std::move(lemma));
  tags.push_back(tag);
}

}  // namespace

bool LemmatizeSpecialForms(const char* word, std::vector<std::string>& lemmas,
                           std::vector<int32_t>& tags, const char* language) {
  lemmas.clear();
  tags.clear();
  const size_t length = std::strlen(word);
  if (length == 0) return false;
  const int32_t anyc = IsVariant(language) ? kH0Tag : kAnycTag;
  if (std::strcmp(word, ";") == 0) {
    Add(lemmas, tags, word, IsVariant(language) ? kH12Tag : kPcscTag);
    return true;
  }
  if (length > 1 && (word[length - 1] == '-' || AllUpper(word, length))) {
    Add(lemmas, tags, word, anyc);
    return true;
  }
  const SEnding kind = SEndingKind(word, length);
  if (kind == SEnding::kPlain && length > 2) {
    Add(lemmas, tags, std::string(word, length - 1), anyc);
    return true;
  }
  if (kind == SEnding::kApostrophe && length > 3) {
    Add(lemmas, tags, std::string(word, length - 2), anyc);
    return true;
  }
  return false;
}

void LemmatizeLookup(const char* word, std::vector<std::string>& lemmas, std::vector<int32_t>& tags,
                     int32_t* dictionaryHit) {
  if (std::strlen(word) >= kOverlongWord) {
    lemmas.clear();
    tags.clear();
    Add(lemmas, tags, word, kAnycTag);
    *dictionaryHit = 0;
    return;
  }
  CSWD* swd = CLemmatizerFactory::GetActualSwd();
  if (swd == nullptr) RaiseString("Lemmatize() : didn't get SWD object from Factory!");
  CPWD* pwd = CLemmatizerFactory::GetActualPwd();
  if (pwd == nullptr) RaiseString("Lemmatize() : didn't get PWD object from Factory!");
  CLemmatizer* dictionary = CLemmatizerFactory::GetActualLemmatizer();
  if (dictionary == nullptr)
    RaiseString("Lemmatize() : didn't get Lemmatizer object from Factory!");

  if (swd->Lookup(word, lemmas, tags)) {
    *dictionaryHit = 1;
    return;
  }
  int32_t final = 0;
  std::vector<std::string> reserveLemmas;
  std::vector<int32_t> reserveTags;
  if (pwd->Lookup(word, lemmas, tags, final)) {
    *dictionaryHit = 1;
    if (final != 0) return;
    reserveLemmas = lemmas;
    reserveTags = tags;
  } else {
    *dictionaryHit = 0;
  }
  dictionary->FindLemmas(word, lemmas, tags);
  lemmas.insert(lemmas.end(), reserveLemmas.begin(), reserveLemmas.end());
  tags.insert(tags.end(), reserveTags.begin(), reserveTags.end());
}

}  // namespace lemmatizer

extern "C" int32_t Lemmatize(const char* word, LemmatizerResult* result, char* errorBuffer,
                             int32_t errorBufferSize) {
  using namespace lemmatizer;
  return Guard(kLemmatizeRule, errorBuffer, errorBufferSize, [&]() -> int32_t {
    if (word == nullptr) RaiseText("Lemmatize() : no word given!");
    if (result == nullptr) RaiseText("Lemmatize() : no result record given!");
    std::vector<std::string> lemmas;
    std::vector<int32_t> tags;
    char language[64] = {0};
    if (LemmatizeGetLanguage(language, errorBuffer, errorBufferSize) != 0) {
      CopyMessage(errorBuffer, errorBufferSize, "error get act lang!");
      return 3;
    }
    const bool russian = TakesRussianRoad(language);
    if (!russian && LemmatizeSpecialForms(word, lemmas, tags, language)) {
      // The previous result of a reused record is released here too;
      // dictionaryHit stays as it was.
      LemmatizerFreeResult(result);
      FillResult(result, lemmas, tags);
      return 0;
    }
    LemmatizeLookup(word, lemmas, tags, &result->dictionaryHit);
    LemmatizerFreeResult(result);
    if (russian && result->dictionaryHit != 1 &&
        RusischExtendResults(word, lemmas, tags, errorBuffer, errorBufferSize) != 0) {
      return 5;
    }
    FillResult(result, lemmas, tags);
    return 0;
  });
}

extern "C" int32_t LemmatizeEH(const char* word, LemmatizerResult* result, int32_t /*unused*/) {
  return Lemmatize(word, result, nullptr, 0);
}
