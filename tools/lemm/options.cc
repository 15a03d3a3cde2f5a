#include "tools/lemm/options.h"

#include <cstdlib>
#include <string>

#include "interface/lemm.h"
#include "registry/languages.h"
#include "tools/lemm/dictionary_dir.h"

namespace lemmatizer {

namespace {

// The codes of the language table, blank-separated.
std::string LanguageCodes() {
  size_t count = 0;
  const Language* languages = Languages(&count);
  std::string codes;
  for (size_t i = 0; i < count; ++i)
    codes += std::string(codes.empty() ? "" : " ") + languages[i].code;
  return codes;
}

}  // namespace

void PrintUsage(FILE* out) {
  std::fprintf(
      out,
      "usage: lemm -l CODE [-d DIR] [-w] [--first] [--json] [--threads N] [--progress] [FILE...]\n"
      "       lemm --version | --help\n"
      "Lemmatizes UTF-8 text (FILEs, or standard input) and prints one line per\n"
      "reading of every word: form<TAB>lemma<TAB>tag-name. A word without a reading\n"
      "is printed with empty lemma and tag. Numbers, URLs, e-mail addresses and\n"
      "punctuation are kept whole but printed with --json only. Tag names are\n"
      "explained in doc/tags.md.\n"
      "  -l CODE        language code: %s\n"
      "  -d DIR         dictionary directory: the one holding the files, or the one\n"
      "                 holding lemm/ (default: $LEMM_DICTIONARIES, else %s)\n"
      "  -w             one word per line instead of running text\n"
      "  --first        only the first lemma of each word: form<TAB>lemma (with\n"
      "                 --json: only the first reading)\n"
      "  --json         one JSON object per token: {\"offset\":BYTE,\"form\":...,\n"
      "                 "
      "\"kind\":\"word\"|\"number\"|\"url\"|\"email\"|\"punctuation\"|\"symbol\",\n"
      "                 \"sentence_start\":true|false, \"readings\":[{\"lemma\":...,\"tag\":...,\n"
      "                 \"known\":true|false}]} (readings and sentence_start of words only;\n"
      "                 known: the dictionary knew the form, false: a guess; BYTE counts\n"
      "                 from the start of the file)\n"
      "  --threads N    lemmatize with N threads (default: the machine's cores); the\n"
      "                 output keeps the order of the input\n"
      "  --progress     a progress line on standard error (shown by itself for inputs\n"
      "                 over 4 MB when standard error is a terminal)\n"
      "  --version      print the version\n"
      "Exit status: 0 success; 1 the language cannot be loaded or a file cannot be\n"
      "read; 2 a bad command line; 3 some words cannot be written in the language's\n"
      "code page (they get no readings; a summary ends the run); 4 invalid UTF-8\n"
      "(reported as FILE:LINE:BYTE, those lines skipped) or binary input (refused).\n"
      "Examples:\n"
      "  echo 'Die Kinder spielten im Garten.' | lemm -l de\n"
      "  lemm -l en --first story.txt\n"
      "  printf 'went\\nmice\\n' | lemm -l en -w --json\n",
      LanguageCodes().c_str(), DefaultDictionaryDir().c_str());
}

ParseResult ParseOptions(int argc, char** argv, Options& options) {
  options.dictionaryDir = DefaultDictionaryDir();
  bool filesOnly = false;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    // Options that take an argument say so when it is missing.
    const auto value = [&](const char* what, std::string& out) {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "lemm: %s needs %s\n", arg.c_str(), what);
        return false;
      }
      out = argv[++i];
      return true;
    };
    if (filesOnly || arg == "-" || arg.empty() || arg[0] != '-') {
      options.files.push_back(arg);
    } else if (arg == "--") {
      filesOnly = true;
    } else if (arg == "-l") {
      if (!value("a language code", options.code)) return ParseResult::kUsageError;
    } else if (arg == "-d") {
      if (!value("a dictionary directory", options.dictionaryDir)) return ParseResult::kUsageError;
    } else if (arg == "--threads") {
      std::string count;
      if (!value("a number of threads", count)) return ParseResult::kUsageError;
      char* end = nullptr;
      const long n = std::strtol(count.c_str(), &end, 10);
      if (end == count.c_str() || *end != '\0' || n < 1 || n > 1024) {
        std::fprintf(stderr, "lemm: --threads needs a number from 1 to 1024, not \"%s\"\n",
                     count.c_str());
        return ParseResult::kUsageError;
      }
      options.threads = static_cast<unsigned>(n);
    } else if (arg == "-w") {
      options.wordPerLine = true;
    } else if (arg == "--first") {
      options.first = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--progress") {
      options.progress = true;
    } else if (arg == "--version") {
      std::printf("lemm %s\n", lemm_version());
      return ParseResult::kExit;
    } else if (arg == "-h" || arg == "--help") {
      PrintUsage(stdout);
      return ParseResult::kExit;
    } else {
      std::fprintf(stderr, "lemm: unknown option %s (lemm --help lists them)\n", arg.c_str());
      return ParseResult::kUsageError;
    }
  }
  if (options.code.empty()) {
    std::fprintf(stderr, "lemm: no language given: -l CODE (lemm --help lists the codes)\n");
    return ParseResult::kUsageError;
  }
  return ParseResult::kRun;
}

}  // namespace lemmatizer
