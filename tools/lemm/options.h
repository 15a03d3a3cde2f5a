// The command line of lemm: its options, their parsing and the help text.
#ifndef LEMMATIZER_TOOLS_LEMM_OPTIONS_H_
#define LEMMATIZER_TOOLS_LEMM_OPTIONS_H_

#include <cstdio>
#include <string>
#include <vector>

namespace lemmatizer {

// lemm's exit statuses, as its help text lists them.
enum ExitStatus {
  kExitOk = 0,
  kExitCannotRun = 1,   // the language cannot be loaded or a file cannot be read
  kExitUsage = 2,       // a bad command line
  kExitUnwritable = 3,  // some words cannot be written in the language's code page
  kExitBadInput = 4,    // invalid UTF-8 (those lines skipped) or binary input (refused)
};

struct Options {
  std::string code;
  std::string dictionaryDir;
  bool wordPerLine = false;
  bool first = false;
  bool json = false;
  bool progress = false;  // forced with --progress
  unsigned threads = 0;   // 0: the machine's cores
  std::vector<std::string> files;
};

enum class ParseResult { kRun, kExit, kUsageError };

// Parses the arguments; on kExit the help or the version has been printed,
// on kUsageError a message about the bad argument.
ParseResult ParseOptions(int argc, char** argv, Options& options);

void PrintUsage(FILE* out);

}  // namespace lemmatizer

#endif  // LEMMATIZER_TOOLS_LEMM_OPTIONS_H_
