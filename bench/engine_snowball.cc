// The Snowball stemmer of the language (Debian: libstemmer-dev), on UTF-8.
#include "bench/engines.h"

#ifdef LEMM_BENCH_HAVE_SNOWBALL
#include <libstemmer.h>
#endif

namespace lemmbench {

namespace {

// Snowball names its stemmers after the language in lower case: "german",
// "russian", "serbian" (from "Serbian (Latin)").
std::string AlgorithmOf(const lemmatizer::Language& language) {
  std::string name;
  for (const char* c = language.name; *c != '\0' && *c != ' '; ++c)
    name += static_cast<char>(*c >= 'A' && *c <= 'Z' ? *c + 32 : *c);
  return name;
}

}  // namespace

#ifdef LEMM_BENCH_HAVE_SNOWBALL

namespace {

inline uint64_t StemWord(const Word& word, sb_stemmer* stemmer) {
  sb_stemmer_stem(stemmer, reinterpret_cast<const sb_symbol*>(word.text), word.size);
  return static_cast<uint64_t>(sb_stemmer_length(stemmer));
}

}  // namespace

// The counted pass: not inlined, so that callgrind can toggle on it.
__attribute__((noinline)) uint64_t SnowballLoop(const std::vector<Word>& words,
                                                sb_stemmer* stemmer) {
  return ForWords(words, words.size(),
                  [stemmer](const Word& word) { return StemWord(word, stemmer); });
}

namespace {

class SnowballEngine : public Engine {
 public:
  ~SnowballEngine() override {
    if (m_stemmer != nullptr) sb_stemmer_delete(m_stemmer);
  }
  const char* Name() const override { return "snowball"; }

  bool Open(const lemmatizer::Language& language, std::string& error) override {
    const std::string algorithm = AlgorithmOf(language);
    m_stemmer = sb_stemmer_new(algorithm.c_str(), "UTF_8");
    if (m_stemmer == nullptr) error = "Snowball has no stemmer \"" + algorithm + "\"";
    return m_stemmer != nullptr;
  }

  uint64_t Pass(const Stream& stream) override { return SnowballLoop(stream.Utf8(), m_stemmer); }

  uint64_t WarmUp(const Stream& stream, size_t count) override {
    return ForWords(stream.Utf8(), count,
                    [this](const Word& word) { return StemWord(word, m_stemmer); });
  }

 private:
  sb_stemmer* m_stemmer = nullptr;
};

}  // namespace

#else  // no libstemmer at build time

namespace {

class SnowballEngine : public Engine {
 public:
  const char* Name() const override { return "snowball"; }
  bool Open(const lemmatizer::Language& language, std::string& error) override {
    error = "libstemmer was not found at build time (Debian: libstemmer-dev); no \"" +
            AlgorithmOf(language) + "\" stemmer";
    return false;
  }
  uint64_t Pass(const Stream&) override { return 0; }
  uint64_t WarmUp(const Stream&, size_t) override { return 0; }
};

}  // namespace

#endif

std::unique_ptr<Engine> MakeSnowballEngine() { return std::make_unique<SnowballEngine>(); }

}  // namespace lemmbench
