// Instructions per word: each engine's pass over a stream runs in a fresh
// process under callgrind, which counts only while the engine's loop
// function runs (--collect-atstart=no --toggle-collect); the count of
// instructions executed (Ir) over the words of the pass is the figure.
#include <unistd.h>

#include <cstdio>
#include <memory>
#include <sstream>

#include "bench/callgrind_totals.h"
#include "bench/child_process.h"
#include "bench/engines.h"
#include "bench/modes.h"
#include "bench/report_format.h"
#include "bench/stream.h"
#include "registry/languages.h"

namespace lemmbench {

namespace {

// Instructions per word of one engine on one stream, or -1 with a note.
double InstructionsPerWord(const Settings& settings, const EngineInfo& engine,
                           const std::string& code, unsigned long long& words, std::string& note) {
  size_t limit = settings.words;
  if (engine.callgrindWords > 0 && (limit == 0 || engine.callgrindWords < limit))
    limit = engine.callgrindWords;
  const std::string outFile =
      "/tmp/lemm-bench-callgrind." + std::to_string(getpid()) + "." + engine.name + "." + code;
  const std::vector<std::string> argv = {
      "valgrind",
      "--tool=callgrind",
      "-q",
      "--callgrind-out-file=" + outFile,
      "--collect-atstart=no",
      std::string("--toggle-collect=*") + engine.loopFunction + "*",
      SelfPath(),
      "--loop",
      engine.name,
      code,
      "-d",
      settings.dictionaryDir,
      "-s",
      settings.streamDir,
      "-H",
      settings.hunspellDir,
      "-n",
      std::to_string(limit)};
  std::string output;
  const bool ran = RunCapture(argv, output);
  const double total = ran ? CallgrindTotal(outFile) : -1;
  std::remove(outFile.c_str());
  if (!ran || total < 0 || std::sscanf(output.c_str(), "words %llu", &words) != 1 || words == 0) {
    while (!output.empty() && output.back() == '\n') output.pop_back();
    note = code + ": " + engine.name + " not measured" +
           (output.empty() ? std::string() : ": " + output);
    return -1;
  }
  return total / static_cast<double>(words);
}

}  // namespace

int RunOneLoop(const Settings& settings, const std::string& engineName, const std::string& code) {
  const lemmatizer::Language* language = lemmatizer::FindLanguage(code);
  std::unique_ptr<Engine> engine =
      MakeEngine(engineName, settings.dictionaryDir, settings.hunspellDir);
  Stream stream;
  std::string error = "unknown language code or engine";
  if (language == nullptr || !engine ||
      !ReadLanguageStream(settings.streamDir, *language, settings.words, stream, error) ||
      !engine->Open(*language, error)) {
    std::printf("%s\n", error.c_str());
    return 3;
  }
  engine->WarmUp(stream, settings.warmUpWords);
  engine->Pass(stream);
  std::printf("words %zu\n", stream.Utf8().size());
  return 0;
}

int RunInstructions(const Settings& settings, const std::vector<std::string>& codes) {
  if (!OnPath("valgrind")) {
    std::printf("valgrind is missing (Debian: valgrind): no instruction counts\n");
    return 1;
  }
  PrintPreamble(
      "Instructions per word under callgrind (Ir of one pass over the stream, after a\n"
      "warm-up, divided by its words; lower is faster); a ratio is the lemmatizer's\n"
      "instructions over the peer's (below 1: the lemmatizer needs fewer).\n",
      settings.dictionaryDir);
  std::printf("%-4s %9s %12s %12s %12s %14s %14s\n", "code", "words", "lemmatizer", "snowball",
              "hunspell", "lemm/snowball", "lemm/hunspell");
  std::vector<std::string> notes;
  for (const std::string& code : codes) {
    std::vector<double> perWord;
    std::vector<unsigned long long> words;
    for (const EngineInfo& engine : Engines()) {
      std::string note;
      words.push_back(0);
      perWord.push_back(InstructionsPerWord(settings, engine, code, words.back(), note));
      if (!note.empty()) notes.push_back(note);
      if (words.back() != words.front() && words.back() > 0)
        notes.push_back(code + ": " + engine.name + " counted on the first " +
                        Grouped(static_cast<double>(words.back())) + " words only");
    }
    std::printf("%-4s %9llu %12s %12s %12s %14s %14s\n", code.c_str(), words.front(),
                Grouped(perWord[0]).c_str(), Grouped(perWord[1]).c_str(),
                Grouped(perWord[2]).c_str(), Ratio(perWord[0], perWord[1]).c_str(),
                Ratio(perWord[0], perWord[2]).c_str());
    std::fflush(stdout);
  }
  if (!notes.empty()) std::printf("\n");
  for (const std::string& note : notes) std::printf("%s\n", note.c_str());
  return 0;
}

}  // namespace lemmbench
