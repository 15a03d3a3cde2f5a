// The engines the speed benchmark times on a stream, in the same run:
//   lemmatizer  Lemmatize + LemmatizerFreeResult per word on one reused
//               LemmatizerResult, as a host does (words in the code page)
//   snowball    sb_stemmer_stem of the language's Snowball stemmer (UTF-8)
//   hunspell    Hunspell_stem + Hunspell_free_list with the language's
//               Hunspell dictionary (UTF-8)
// Each pass over the words runs inside a loop function of its own that is
// never inlined (LemmatizerLoop, SnowballLoop, HunspellLoop), so that
// callgrind's --toggle-collect counts the instructions of exactly one pass.
// A peer whose library was absent at build time, or whose language has no
// stemmer or dictionary, fails to open with a message that says so.
#ifndef LEMMATIZER_BENCH_ENGINES_H_
#define LEMMATIZER_BENCH_ENGINES_H_

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bench/stream.h"
#include "registry/languages.h"

namespace lemmbench {

class Engine {
 public:
  virtual ~Engine() = default;
  virtual const char* Name() const = 0;
  // Prepares the engine for `language`; false with a message.
  virtual bool Open(const lemmatizer::Language& language, std::string& error) = 0;
  // One pass over every word of the stream, through the loop function;
  // returns what the engine produced (readings, stems), so that no pass can
  // be optimised away.
  virtual uint64_t Pass(const Stream& stream) = 0;
  // The same work on the first `count` words, outside the loop function:
  // fills caches and lazily loaded data before a counted pass.
  virtual uint64_t WarmUp(const Stream& stream, size_t count) = 0;
};

// An engine's name, the name of its loop function, and the words of a
// stream that callgrind counts it on (0: all; Hunspell takes about fifty
// times the lemmatizer's instructions, and callgrind runs some fifty times
// slower than the machine).
struct EngineInfo {
  const char* name;
  const char* loopFunction;
  size_t callgrindWords;
};

// The engines in table order: lemmatizer, snowball, hunspell.
const std::vector<EngineInfo>& Engines();

std::unique_ptr<Engine> MakeLemmatizerEngine(const std::string& dictionaryDir);
std::unique_ptr<Engine> MakeSnowballEngine();
std::unique_ptr<Engine> MakeHunspellEngine(const std::string& hunspellDir);

// A new engine by name (null for an unknown name). The lemmatizer reads
// <dictionaryDir>lemm/; Hunspell reads <hunspellDir><dictionary>.aff/.dic.
std::unique_ptr<Engine> MakeEngine(const std::string& name, const std::string& dictionaryDir,
                                   const std::string& hunspellDir);

// Runs `op` on the first `count` words; the passes and warm-ups share it.
template <class Op>
uint64_t ForWords(const std::vector<Word>& words, size_t count, Op op) {
  uint64_t produced = 0;
  for (size_t i = 0; i < count && i < words.size(); ++i) produced += op(words[i]);
  return produced;
}

}  // namespace lemmbench

#endif  // LEMMATIZER_BENCH_ENGINES_H_
