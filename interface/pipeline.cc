#include "interface/pipeline.h"

#include <cstring>

#include "dictionary/errors.h"
#include "dictionary/lemmatizer.h"
#include "interface/answer_cache.h"
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
bool AllUpper(const char* text, size_t length) {
  for (size_t i = 0; i < length; ++i) {
    if (!IsDefaultCapital(static_cast<unsigned char>(text[i]))) return false;
  }
  return true;
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
  if (IsDefaultCapital(c) && d == 's') return SEnding::kPlain;
  return SEnding::kNone;
}

}  // namespace

bool LemmatizeSpecialForms(const char* word, size_t length, bool secondEdition, ReadingList& out) {
  if (length == 0) return false;
  const int32_t anyc = secondEdition ? kH0Tag : kAnycTag;
  const std::string_view whole(word, length);
  if (whole == ";") {
    out.Add(whole, secondEdition ? kH12Tag : kPcscTag, ReadingSource::kSpecialForm);
    return true;
  }
  if (length > 1 && (word[length - 1] == '-' || AllUpper(word, length))) {
    out.Add(whole, anyc, ReadingSource::kSpecialForm);
    return true;
  }
  const SEnding kind = SEndingKind(word, length);
  if (kind == SEnding::kPlain && length > 2) {
    out.Add(whole.substr(0, length - 1), anyc, ReadingSource::kSpecialForm);
    return true;
  }
  if (kind == SEnding::kApostrophe && length > 3) {
    out.Add(whole.substr(0, length - 2), anyc, ReadingSource::kSpecialForm);
    return true;
  }
  return false;
}

void LemmatizeLookup(const char* word, size_t length, const CSWD& swd, const CPWD& pwd,
                     const CLemmatizer& dictionary, WordScratch& scratch, ReadingList& out,
                     int32_t* dictionaryHit) {
  if (swd.Find(word, length, out)) {
    *dictionaryHit = 1;
    return;
  }
  int32_t final = 0;
  ReadingList& reserve = scratch.reserve;
  reserve.Clear();
  if (pwd.Find(word, reserve, final, scratch.pwdLemma)) {
    *dictionaryHit = 1;
    if (final != 0) {
      out.Append(reserve);
      return;
    }
  } else {
    *dictionaryHit = 0;
  }
  dictionary.FindReadings(word, length, scratch.dictionary, out);
  out.Append(reserve, ReadingSource::kPwdBehind);
}

}  // namespace lemmatizer

namespace {

// The exports serve one thread at a time (lemmatizer.h), so their state
// needs no more than plain statics.

// The row of the active language's code, looked up again only when the code
// changes.
const lemmatizer::Language* ActiveRow(const char* code) {
  static char cachedCode[3] = {1, 0, 0};
  static const lemmatizer::Language* cachedRow = nullptr;
  if (std::memcmp(cachedCode, code, sizeof(cachedCode)) != 0) {
    cachedRow = lemmatizer::FindLanguage(code);
    std::memcpy(cachedCode, code, sizeof(cachedCode));
  }
  return cachedRow;
}

// The scratch of Lemmatize: its buffers keep their size between words, and
// the answers it found last.
struct ExportScratch {
  lemmatizer::WordScratch word;
  lemmatizer::ReadingList readings;
  lemmatizer::AnswerCache answers;
};

ExportScratch& Scratch() {
  static ExportScratch scratch;
  return scratch;
}

}  // namespace

extern "C" int32_t Lemmatize(const char* word, LemmatizerResult* result, char* errorBuffer,
                             int32_t errorBufferSize) {
  using namespace lemmatizer;
  return Guard(kLemmatizeRule, errorBuffer, errorBufferSize, [&]() -> int32_t {
    if (word == nullptr) RaiseText("Lemmatize() : no word given!");
    if (result == nullptr) RaiseText("Lemmatize() : no result record given!");
    // The active code is the registry's, as LemmatizeGetLanguage would
    // copy it (which cannot fail for a buffer of our own).
    const Language* row = ActiveRow(CLemmatizerFactory::m_actLanguage);
    const bool russian = row != nullptr && row->TakesRussianRoad();
    ExportScratch& scratch = Scratch();
    ReadingList& readings = scratch.readings;
    readings.Clear();
    const size_t length = std::strlen(word);
    if (!russian &&
        LemmatizeSpecialForms(word, length, row != nullptr && row->IsSecondEdition(), readings)) {
      // The previous result of a reused record is released here too;
      // dictionaryHit stays as it was.
      LemmatizerFreeResult(result);
      FillResult(result, readings);
      return 0;
    }
    if (length >= kOverlongWord) {
      readings.Add(std::string_view(word, length), kAnycTag, ReadingSource::kOverlong);
      result->dictionaryHit = 0;
    } else {
      const ActualObjects objects = GetActualObjects();
      if (objects.swd == nullptr) RaiseString("Lemmatize() : didn't get SWD object from Factory!");
      if (objects.pwd == nullptr) RaiseString("Lemmatize() : didn't get PWD object from Factory!");
      if (objects.dictionary == nullptr) {
        RaiseString("Lemmatize() : didn't get Lemmatizer object from Factory!");
      }
      const CSWD* swd = objects.swd;
      const CPWD* pwd = objects.pwd;
      const CLemmatizer* dictionary = objects.dictionary;
      const std::string_view whole(word, length);
      const uint64_t generation = RegistryGeneration();
      AnswerCache::Answer answer;
      const bool kept = scratch.answers.Find(dictionary, generation, whole, &answer);
      // The extension step changes nothing for a word the dictionary hit,
      // nor once its table is known to be empty.
      const bool extends =
          russian && kept && answer.dictionaryHit != 1 && !RusischExtensionIsSettledEmpty();
      if (kept && !extends) {
        // Straight from the kept answer into the record.
        result->dictionaryHit = answer.dictionaryHit;
        LemmatizerFreeResult(result);
        FillResult(result, answer.count, answer.tags, answer.lengths, answer.text);
        return 0;
      }
      if (kept) {
        result->dictionaryHit = answer.dictionaryHit;
        AnswerCache::AppendTo(answer, readings);
      } else {
        LemmatizeLookup(word, length, *swd, *pwd, *dictionary, scratch.word, readings,
                        &result->dictionaryHit);
        scratch.answers.Store(dictionary, generation, whole, readings, result->dictionaryHit);
      }
    }
    LemmatizerFreeResult(result);
    if (russian && result->dictionaryHit != 1 &&
        RusischExtendResults(word, readings, errorBuffer, errorBufferSize) != 0) {
      return 5;
    }
    FillResult(result, readings);
    return 0;
  });
}

extern "C" int32_t LemmatizeEH(const char* word, LemmatizerResult* result, int32_t /*unused*/) {
  return Lemmatize(word, result, nullptr, 0);
}
