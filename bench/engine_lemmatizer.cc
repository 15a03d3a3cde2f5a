// The library through its C interface, as a host calls it.
#include <cstdio>

#include "bench/engines.h"
#include "interface/lemmatizer.h"
#include "tools/lemm/language_session.h"

namespace lemmbench {

namespace {

inline uint64_t LemmatizeWord(const Word& word, LemmatizerResult* result) {
  char message[256];
  const int32_t status = Lemmatize(word.text, result, message, sizeof(message));
  const uint64_t readings = status == 0 ? static_cast<uint64_t>(result->count) : 0;
  LemmatizerFreeResult(result);
  return readings;
}

}  // namespace

// The counted pass: not inlined, so that callgrind can toggle on it.
__attribute__((noinline)) uint64_t LemmatizerLoop(const std::vector<Word>& words,
                                                  LemmatizerResult* result) {
  return ForWords(words, words.size(),
                  [result](const Word& word) { return LemmatizeWord(word, result); });
}

namespace {

class LemmatizerEngine : public Engine {
 public:
  explicit LemmatizerEngine(std::string dictionaryDir) : m_dictionaryDir(std::move(dictionaryDir)) {
    LemmatizerInitResult(&m_result);
  }
  ~LemmatizerEngine() override {
    LemmatizerFreeResult(&m_result);
    LemmatizerFreeRessources();
  }
  const char* Name() const override { return "lemmatizer"; }

  bool Open(const lemmatizer::Language& language, std::string& error) override {
    lemmatizer::LanguageSession session;
    return session.Open(language.code, m_dictionaryDir, error);
  }

  uint64_t Pass(const Stream& stream) override {
    return LemmatizerLoop(stream.CodePage(), &m_result);
  }

  uint64_t WarmUp(const Stream& stream, size_t count) override {
    return ForWords(stream.CodePage(), count,
                    [this](const Word& word) { return LemmatizeWord(word, &m_result); });
  }

 private:
  std::string m_dictionaryDir;
  LemmatizerResult m_result;
};

}  // namespace

std::unique_ptr<Engine> MakeLemmatizerEngine(const std::string& dictionaryDir) {
  return std::make_unique<LemmatizerEngine>(dictionaryDir);
}

}  // namespace lemmbench
