// The speed table: each engine's passes over a stream interleaved (pass 1
// of every engine, then pass 2, ...), so that a disturbance from other
// work on the machine falls on all of them alike.
#include <chrono>
#include <cstdio>
#include <memory>

#include "bench/engines.h"
#include "bench/modes.h"
#include "bench/report_format.h"
#include "bench/stream.h"
#include "registry/languages.h"

namespace lemmbench {

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int RunSpeed(const Settings& settings, const std::vector<std::string>& codes) {
  const std::string description =
      "Words per second (median of " + std::to_string(settings.passes) +
      " passes; higher is faster); a ratio is the\n"
      "lemmatizer's words/s over the peer's (above 1: the lemmatizer is faster).\n";
  PrintPreamble(description.c_str(), settings.dictionaryDir);
  std::printf("%-4s %9s %8s %9s %12s %12s %12s %14s %14s\n", "code", "tokens", "skipped", "words",
              "lemmatizer", "snowball", "hunspell", "lemm/snowball", "lemm/hunspell");
  std::vector<std::string> notes;
  int status = 0;
  for (const std::string& code : codes) {
    const lemmatizer::Language* language = lemmatizer::FindLanguage(code);
    Stream stream;
    std::string error;
    if (language == nullptr) error = "unknown language code";
    if (language == nullptr ||
        !ReadLanguageStream(settings.streamDir, *language, settings.words, stream, error)) {
      std::printf("%-4s %s\n", code.c_str(), error.c_str());
      status = 1;
      continue;
    }
    std::vector<std::unique_ptr<Engine>> engines;
    for (const EngineInfo& info : Engines()) {
      std::unique_ptr<Engine> engine =
          MakeEngine(info.name, settings.dictionaryDir, settings.hunspellDir);
      if (engine->Open(*language, error)) {
        engine->WarmUp(stream, settings.warmUpWords);
      } else {
        notes.push_back(code + ": " + info.name + " not measured: " + error);
        engine.reset();
      }
      engines.push_back(std::move(engine));
    }
    std::vector<std::vector<double>> seconds(engines.size());
    for (int pass = 0; pass < settings.passes; ++pass) {
      for (size_t e = 0; e < engines.size(); ++e) {
        if (!engines[e]) continue;
        const auto start = std::chrono::steady_clock::now();
        engines[e]->Pass(stream);
        seconds[e].push_back(Seconds(start));
      }
    }
    std::vector<double> wordsPerSecond;
    for (size_t e = 0; e < engines.size(); ++e) {
      const double median = Median(seconds[e]);
      wordsPerSecond.push_back(engines[e] && median > 0 ? stream.Utf8().size() / median : -1);
    }
    std::printf("%-4s %9zu %8zu %9zu %12s %12s %12s %14s %14s\n", code.c_str(), stream.Tokens(),
                stream.Unwritable(), stream.Utf8().size(), Grouped(wordsPerSecond[0]).c_str(),
                Grouped(wordsPerSecond[1]).c_str(), Grouped(wordsPerSecond[2]).c_str(),
                Ratio(wordsPerSecond[0], wordsPerSecond[1]).c_str(),
                Ratio(wordsPerSecond[0], wordsPerSecond[2]).c_str());
    std::fflush(stdout);
  }
  if (!notes.empty()) std::printf("\n");
  for (const std::string& note : notes) std::printf("%s\n", note.c_str());
  std::printf(
      "\nskipped: tokens the code page cannot write, left out for every engine;\n"
      "words: the words each engine was timed on.\n");
  return status;
}

}  // namespace lemmbench
