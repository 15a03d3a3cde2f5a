// lemm-threads: how the UTF-8 interface and lemm scale with threads,
// measured against one thread in the same run.
//
//   lemm-threads -l CODE -i TEXTFILE [-d DICTDIR] [-t THREADS] [-r ROUNDS] [--lemm PATH]
//
// The workload is TEXTFILE (UTF-8 running text), cut into pieces of about
// 64 KB at line ends. The interface: one handle, the pieces analysed by one
// thread, then shared among THREADS threads (default 2), each round in turn;
// it prints tokens per second of both and their ratio. lemm: the program at
// PATH (default: the one built beside this benchmark) run over the file with
// --threads 1 and --threads THREADS, output discarded, each round in turn;
// the ratio of their wall times. No figure is a pass or fail; on a machine
// that other work shares, the ratios say how much of it was free.
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "interface/lemm.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

std::vector<std::string> Pieces(const std::string& text) {
  std::vector<std::string> pieces;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start + (64 << 10));
    end = end == std::string::npos ? text.size() : end + 1;
    pieces.push_back(text.substr(start, end - start));
    start = end;
  }
  return pieces;
}

// Analyses every piece once with `threads` threads; returns the tokens.
size_t AnalyseAll(const lemm_language* language, const std::vector<std::string>& pieces,
                  unsigned threads) {
  std::atomic<size_t> next{0}, tokens{0};
  const auto work = [&] {
    for (size_t i; (i = next++) < pieces.size();) {
      char* error = nullptr;
      lemm_analysis* analysis =
          lemm_analyze(language, pieces[i].data(), pieces[i].size(), 0, &error);
      if (analysis == nullptr) {
        std::fprintf(stderr, "lemm-threads: %s\n", error);
        lemm_free(error);
        continue;
      }
      tokens += lemm_analysis_count(analysis);
      lemm_analysis_destroy(analysis);
    }
  };
  std::vector<std::thread> pool;
  for (unsigned t = 1; t < threads; ++t) pool.emplace_back(work);
  work();
  for (std::thread& thread : pool) thread.join();
  return tokens;
}

double RunLemm(const std::string& lemm, const std::string& code, const std::string& dir,
               const std::string& file, unsigned threads) {
  const std::string command = lemm + " -l " + code + " -d " + dir + " --threads " +
                              std::to_string(threads) + " " + file + " > /dev/null";
  const auto start = std::chrono::steady_clock::now();
  if (std::system(command.c_str()) != 0)
    std::fprintf(stderr, "lemm-threads: %s failed\n", command.c_str());
  return Seconds(start);
}

}  // namespace

int main(int argc, char** argv) {
  std::string code, file, dictionaryDir = LEMM_DEFAULT_DICTIONARY_DIR, lemm = LEMM_PROGRAM;
  unsigned threads = 2;
  int rounds = 3;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i];
    if (flag == "-l") code = argv[i + 1];
    if (flag == "-i") file = argv[i + 1];
    if (flag == "-d") dictionaryDir = argv[i + 1];
    if (flag == "-t") threads = static_cast<unsigned>(std::atoi(argv[i + 1]));
    if (flag == "-r") rounds = std::atoi(argv[i + 1]);
    if (flag == "--lemm") lemm = argv[i + 1];
  }
  if (code.empty() || file.empty() || threads < 2 || rounds < 1) {
    std::fprintf(stderr,
                 "usage: lemm-threads -l CODE -i TEXTFILE [-d DICTDIR] [-t THREADS>=2] "
                 "[-r ROUNDS] [--lemm PATH]\n");
    return 2;
  }
  std::ifstream in(file, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  if (!in) {
    std::fprintf(stderr, "lemm-threads: cannot read %s\n", file.c_str());
    return 1;
  }
  const std::vector<std::string> pieces = Pieces(content.str());
  char* error = nullptr;
  lemm_language* language = lemm_open(code.c_str(), dictionaryDir.c_str(), &error);
  if (language == nullptr) {
    std::fprintf(stderr, "lemm-threads: %s\n", error);
    lemm_free(error);
    return 1;
  }
  AnalyseAll(language, pieces, 1);  // warm-up: pages of the dictionaries in memory

  double one = 0, many = 0, lemmOne = 0, lemmMany = 0;
  size_t tokens = 0;
  for (int round = 0; round < rounds; ++round) {
    auto start = std::chrono::steady_clock::now();
    tokens = AnalyseAll(language, pieces, 1);
    one += Seconds(start);
    start = std::chrono::steady_clock::now();
    AnalyseAll(language, pieces, threads);
    many += Seconds(start);
    lemmOne += RunLemm(lemm, code, dictionaryDir, file, 1);
    lemmMany += RunLemm(lemm, code, dictionaryDir, file, threads);
  }
  lemm_close(language);
  const double bytes = static_cast<double>(content.str().size());
  std::printf("%s: %s, %.1f MB, %zu tokens, %zu pieces, %d rounds\n", code.c_str(), file.c_str(),
              bytes / 1048576.0, tokens, pieces.size(), rounds);
  std::printf("  interface, 1 thread:    %10.0f tokens/s\n", tokens * rounds / one);
  std::printf("  interface, %u threads:   %10.0f tokens/s\n", threads, tokens * rounds / many);
  std::printf("  interface ratio %u/1:     %10.2f\n", threads, one / many);
  std::printf("  lemm, --threads 1:      %10.2f s a round\n", lemmOne / rounds);
  std::printf("  lemm, --threads %u:      %10.2f s a round\n", threads, lemmMany / rounds);
  std::printf("  lemm ratio %u/1:          %10.2f\n", threads, lemmOne / lemmMany);
  return 0;
}
