// lemm-build: compiles a language's dictionary files from its lexicon.
//
//   lemm-build -l CODE -i LEXICON.tsv -o OUTDIR [--strict | --guess] [-q]
//              [--cases CASES.tsv]
//
// Writes OUTDIR/lemm/<code>-cwd.hsq, OUTDIR/lemm/<code>.swd and, for "de"
// and "ru", their extra files, so that LemmatizeCreate(CODE, "OUTDIR/")
// loads them; the Russian extension rows are learnt from CASES.tsv.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "tools/compiler/language_compiler.h"

namespace {

void Usage(FILE* out) {
  std::fprintf(out,
               "usage: lemm-build -l CODE -i LEXICON.tsv -o OUTDIR [--strict | --guess] [-q]\n"
               "                  [--cases CASES.tsv]\n"
               "Compiles the dictionary files of one language from a lexicon (UTF-8 lines\n"
               "form<TAB>lemma<TAB>tag-name) into OUTDIR/lemm/.\n"
               "  --guess   unknown words get the likeliest reading of their ending (default)\n"
               "  --strict  unknown words with an unknown ending get no reading\n"
               "  --cases   Russian: learn the extension rows from case readings (UTF-8 lines\n"
               "            form<TAB>tag-name<TAB>extended tag names)\n"
               "  -q        no progress lines\n"
               "Example: lemm-build -l de -i build/lexicons/de.tsv -o build/dict/\n");
}

}  // namespace

int main(int argc, char** argv) {
  lemmatizer::CompileOptions options;
  options.progress = true;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "-l" && hasValue) {
      options.code = argv[++i];
    } else if (arg == "-i" && hasValue) {
      options.lexiconPath = argv[++i];
    } else if (arg == "-o" && hasValue) {
      options.outDir = argv[++i];
    } else if (arg == "--cases" && hasValue) {
      options.casesPath = argv[++i];
    } else if (arg == "--strict") {
      options.unknownWords = lemmatizer::UnknownWords::kStrict;
    } else if (arg == "--guess") {
      options.unknownWords = lemmatizer::UnknownWords::kGuess;
    } else if (arg == "-q") {
      options.progress = false;
    } else if (arg == "-h" || arg == "--help") {
      Usage(stdout);
      return 0;
    } else {
      Usage(stderr);
      return 2;
    }
  }
  if (options.code.empty() || options.lexiconPath.empty() || options.outDir.empty()) {
    Usage(stderr);
    return 2;
  }
  if (options.outDir.back() != '/') options.outDir += '/';
  lemmatizer::CompileSummary summary;
  std::string error;
  if (!lemmatizer::CompileLanguage(options, summary, error)) {
    std::fprintf(stderr, "lemm-build: %s\n", error.c_str());
    return 1;
  }
  std::cout << lemmatizer::DescribeSummary(options.code, summary) << "\n";
  return 0;
}
