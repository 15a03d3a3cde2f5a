// lemm-bench: the library's speed on running text against its peers in the
// same run, its instructions per word under callgrind, and the time and
// memory of loading each language. bench/run builds it, makes the streams
// (bench/make-streams) and runs all three modes; `--help` shows the options.
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/modes.h"
#include "registry/languages.h"
#include "tools/lemm/text_words.h"

namespace {

void Usage(FILE* out) {
  std::fprintf(out,
               "usage: lemm-bench [MODE] [-d DICTDIR] [-s STREAMDIR] [-H HUNSPELLDIR]\n"
               "                  [-p PASSES] [-n WORDS] [CODE...]\n"
               "Modes:\n"
               "  (none)       words/s of Lemmatize + LemmatizerFreeResult, of the Snowball\n"
               "               stemmer and of Hunspell's stem() on the streams STREAMDIR/CODE.txt\n"
               "               (median of PASSES passes, default 5), and their ratios\n"
               "  --callgrind  instructions per word of each engine under callgrind\n"
               "  --load       time and memory of LemmatizeCreate, each code in a fresh\n"
               "               process (default: all codes), beside the size of its files\n"
               "  --split      splits UTF-8 text on standard input into words, one per line\n"
               "Codes default to: en de fr es ru.\n"
               "  -d DICTDIR     holds lemm/ (default %s)\n"
               "  -s STREAMDIR   holds CODE.txt, one token per line (default %s)\n"
               "  -H HUNSPELLDIR holds the Hunspell dictionaries (default /usr/share/hunspell/)\n"
               "  -n WORDS       only the first WORDS words of each stream (default: all)\n"
               "No figure is a pass or a fail.\n",
               LEMM_DEFAULT_DICTIONARY_DIR, LEMM_DEFAULT_STREAM_DIR);
}

std::string WithSlash(std::string dir) {
  return dir.empty() || dir.back() == '/' ? dir : dir + '/';
}

int Split() {
  const std::string text((std::istreambuf_iterator<char>(std::cin)),
                         std::istreambuf_iterator<char>());
  for (const std::string& word : lemmatizer::SplitWords(text))
    std::fwrite((word + '\n').data(), 1, word.size() + 1, stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  lemmbench::Settings settings;
  settings.dictionaryDir = LEMM_DEFAULT_DICTIONARY_DIR;
  settings.streamDir = LEMM_DEFAULT_STREAM_DIR;
  settings.hunspellDir = "/usr/share/hunspell/";
  std::string mode;
  std::vector<std::string> operands;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "-h" || arg == "--help") {
      Usage(stdout);
      return 0;
    } else if (arg == "--callgrind" || arg == "--load" || arg == "--split" || arg == "--loop" ||
               arg == "--load-one") {
      mode = arg;
    } else if (arg == "-d" && hasValue) {
      settings.dictionaryDir = WithSlash(argv[++i]);
    } else if (arg == "-s" && hasValue) {
      settings.streamDir = WithSlash(argv[++i]);
    } else if (arg == "-H" && hasValue) {
      settings.hunspellDir = WithSlash(argv[++i]);
    } else if (arg == "-n" && hasValue) {
      settings.words = static_cast<size_t>(std::atol(argv[++i]));
    } else if (arg == "-p" && hasValue) {
      settings.passes = std::atoi(argv[++i]);
    } else if (!arg.empty() && arg[0] == '-') {
      Usage(stderr);
      return 2;
    } else {
      operands.push_back(arg);
    }
  }
  if (settings.passes < 1) settings.passes = 1;

  if (mode == "--split") return Split();
  // The steps a parent runs in a child process.
  if (mode == "--loop" && operands.size() == 2)
    return lemmbench::RunOneLoop(settings, operands[0], operands[1]);
  if (mode == "--load-one" && operands.size() == 1)
    return lemmbench::MeasureLoad(settings, operands[0]);
  if (mode == "--loop" || mode == "--load-one") {
    Usage(stderr);
    return 2;
  }

  if (operands.empty() && mode == "--load") {
    size_t count = 0;
    const lemmatizer::Language* languages = lemmatizer::Languages(&count);
    for (size_t i = 0; i < count; ++i) operands.push_back(languages[i].code);
  }
  if (operands.empty()) operands = {"en", "de", "fr", "es", "ru"};
  if (mode == "--load") return lemmbench::RunLoad(settings, operands);
  if (mode == "--callgrind") return lemmbench::RunInstructions(settings, operands);
  return lemmbench::RunSpeed(settings, operands);
}
