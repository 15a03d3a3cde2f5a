// The modes of lemm-bench (bench/lemm_bench.cc parses the command line):
//   speed         words per second of the lemmatizer and its peers on each
//                 stream, median of several passes, and their ratios
//   instructions  instructions per word of each engine under callgrind,
//                 one fresh process per engine and stream
//   load          time and memory of LemmatizeCreate for each code, one
//                 fresh process per code, beside the size of its files
// and the two steps they run in child processes. Every mode prints; none
// judges a figure.
#ifndef LEMMATIZER_BENCH_MODES_H_
#define LEMMATIZER_BENCH_MODES_H_

#include <cstddef>
#include <string>
#include <vector>

namespace lemmbench {

struct Settings {
  std::string dictionaryDir;  // holds lemm/; ends with '/'
  std::string streamDir;      // holds <code>.txt; ends with '/'
  std::string hunspellDir;    // holds <dictionary>.aff and .dic; ends with '/'
  int passes = 5;
  size_t words = 0;           // use only the first so many words of a stream; 0: all
  size_t warmUpWords = 2000;  // run through each engine before it is timed
};

int RunSpeed(const Settings& settings, const std::vector<std::string>& codes);

int RunInstructions(const Settings& settings, const std::vector<std::string>& codes);
// In the child under callgrind: one warm-up and one pass of one engine;
// prints "words N".
int RunOneLoop(const Settings& settings, const std::string& engine, const std::string& code);

int RunLoad(const Settings& settings, const std::vector<std::string>& codes);
// In the child: LemmatizeCreate of one code; prints its figures.
int MeasureLoad(const Settings& settings, const std::string& code);

}  // namespace lemmbench

#endif  // LEMMATIZER_BENCH_MODES_H_
