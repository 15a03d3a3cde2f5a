// Hunspell's stem() with the language's dictionary (Debian: libhunspell-dev
// and hunspell-en-us, hunspell-de-de, hunspell-fr, hunspell-es,
// hunspell-ru), on UTF-8.
#include <sys/stat.h>

#include <cstring>

#include "bench/engines.h"

#ifdef LEMM_BENCH_HAVE_HUNSPELL
#include <hunspell.h>
#endif

namespace lemmbench {

namespace {

// The Debian dictionary of a code (a second edition uses its first
// edition's), or null.
const char* DictionaryOf(const lemmatizer::Language& language) {
  static const struct {
    const char* code;
    const char* dictionary;
  } kDictionaries[] = {{"en", "en_US"}, {"de", "de_DE"}, {"fr", "fr_FR"}, {"es", "es_ES"},
                       {"ru", "ru_RU"}, {"it", "it_IT"}, {"po", "pt_PT"}, {"da", "da_DK"},
                       {"du", "nl"},    {"gr", "el_GR"}};
  const char* code = language.IsSecondEdition() ? language.edition : language.code;
  for (const auto& row : kDictionaries)
    if (std::strcmp(row.code, code) == 0) return row.dictionary;
  return nullptr;
}

}  // namespace

#ifdef LEMM_BENCH_HAVE_HUNSPELL

namespace {

bool Exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

inline uint64_t StemWord(const Word& word, Hunhandle* hunspell) {
  char** stems = nullptr;
  const int count = Hunspell_stem(hunspell, &stems, word.text);
  Hunspell_free_list(hunspell, &stems, count);
  return static_cast<uint64_t>(count);
}

}  // namespace

// The counted pass: not inlined, so that callgrind can toggle on it.
__attribute__((noinline)) uint64_t HunspellLoop(const std::vector<Word>& words,
                                                Hunhandle* hunspell) {
  return ForWords(words, words.size(),
                  [hunspell](const Word& word) { return StemWord(word, hunspell); });
}

namespace {

class HunspellEngine : public Engine {
 public:
  explicit HunspellEngine(std::string directory) : m_directory(std::move(directory)) {}
  ~HunspellEngine() override {
    if (m_hunspell != nullptr) Hunspell_destroy(m_hunspell);
  }
  const char* Name() const override { return "hunspell"; }

  bool Open(const lemmatizer::Language& language, std::string& error) override {
    const char* dictionary = DictionaryOf(language);
    const std::string base = m_directory + (dictionary == nullptr ? "" : dictionary);
    if (dictionary == nullptr || !Exists(base + ".aff") || !Exists(base + ".dic")) {
      error = dictionary == nullptr
                  ? std::string("no Hunspell dictionary is known for \"") + language.code + "\""
                  : "no Hunspell dictionary " + base + ".aff/.dic";
      return false;
    }
    m_hunspell = Hunspell_create((base + ".aff").c_str(), (base + ".dic").c_str());
    const char* encoding = m_hunspell == nullptr ? "" : Hunspell_get_dic_encoding(m_hunspell);
    if (std::strcmp(encoding, "UTF-8") != 0) {
      error = "Hunspell dictionary " + base + " is not in UTF-8";
      return false;
    }
    return true;
  }

  uint64_t Pass(const Stream& stream) override { return HunspellLoop(stream.Utf8(), m_hunspell); }

  uint64_t WarmUp(const Stream& stream, size_t count) override {
    return ForWords(stream.Utf8(), count,
                    [this](const Word& word) { return StemWord(word, m_hunspell); });
  }

 private:
  std::string m_directory;
  Hunhandle* m_hunspell = nullptr;
};

}  // namespace

#else  // no libhunspell at build time

namespace {

class HunspellEngine : public Engine {
 public:
  explicit HunspellEngine(std::string) {}
  const char* Name() const override { return "hunspell"; }
  bool Open(const lemmatizer::Language& language, std::string& error) override {
    const char* dictionary = DictionaryOf(language);
    error = std::string("libhunspell was not found at build time (Debian: libhunspell-dev); no ") +
            (dictionary == nullptr ? "dictionary" : dictionary);
    return false;
  }
  uint64_t Pass(const Stream&) override { return 0; }
  uint64_t WarmUp(const Stream&, size_t) override { return 0; }
};

}  // namespace

#endif

std::unique_ptr<Engine> MakeHunspellEngine(const std::string& hunspellDir) {
  return std::make_unique<HunspellEngine>(hunspellDir);
}

}  // namespace lemmbench
