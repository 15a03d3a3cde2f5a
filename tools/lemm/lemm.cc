// lemm: lemmatizes text from the command line with the shipped
// dictionaries, through the library's UTF-8 interface (lemm.h).
//
// Reads UTF-8 text (files or standard input) in pieces of whole lines,
// lemmatizes them on several threads and prints the results in input
// order: one line per reading (form, lemma, tag name), or JSON lines.
// `lemm --help` describes the options and the exit statuses.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <set>
#include <string>
#include <thread>

#include "interface/lemm.h"
#include "tools/lemm/input.h"
#include "tools/lemm/options.h"
#include "tools/lemm/ordered_pool.h"
#include "tools/lemm/output.h"

namespace lemmatizer {
namespace {

// Inputs larger than this show a progress line when standard error is a
// terminal.
constexpr long long kProgressThreshold = 4LL << 20;

struct Job {
  Piece piece;
  Output output;
};

bool FileExists(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0;
}

// Loads the language, or says why not and how to mend it.
lemm_language* OpenLanguage(const Options& options) {
  std::string dir = options.dictionaryDir;
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  std::string code = options.code;
  for (char& c : code) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  char* error = nullptr;
  lemm_language* language = lemm_open(code.c_str(), dir.c_str(), &error);
  if (language != nullptr) return language;
  const std::string file = code + "-cwd.hsq";
  if (!FileExists(dir + "/" + file) && !FileExists(dir + "/lemm/" + file) &&
      std::string(error).compare(0, 16, "no dictionary fo") == 0) {
    std::fprintf(stderr,
                 "lemm: no dictionary for \"%s\" in %s/ or %s/lemm/ (%s is missing); build it "
                 "with: tools/build-dictionaries %s\n",
                 code.c_str(), dir.c_str(), dir.c_str(), file.c_str(), code.c_str());
  } else {
    std::fprintf(stderr, "lemm: cannot load language \"%s\" from %s: %s\n", code.c_str(),
                 dir.c_str(), error);
  }
  lemm_free(error);
  return nullptr;
}

void Lemmatize(const lemm_language* language, const Options& options, Job& job) {
  const std::string& text = job.piece.text;
  char* error = nullptr;
  if (!options.wordPerLine) {
    lemm_analysis* analysis = lemm_analyze(language, text.data(), text.size(), 0, &error);
    if (analysis == nullptr) {
      std::fprintf(stderr, "lemm: %s\n", error);
      lemm_free(error);
      return;
    }
    FormatAnalysis(analysis, text, job.piece.offset, options, job.output);
    lemm_analysis_destroy(analysis);
    return;
  }
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    size_t length = end - start;
    if (length > 0 && text[start + length - 1] == '\r') --length;
    if (length > 0) {
      lemm_readings* readings = lemm_lemmatize(language, text.data() + start, length, 0, &error);
      if (readings == nullptr) {
        std::fprintf(stderr, "lemm: %s\n", error);
        lemm_free(error);
        error = nullptr;
      } else {
        FormatWord(std::string_view(text).substr(start, length), readings, job.piece.offset + start,
                   options, job.output);
        lemm_readings_destroy(readings);
      }
    }
    start = end + 1;
  }
}

// The progress line on standard error.
class Progress {
 public:
  Progress(bool show, long long total) : m_show(show), m_total(total) {}
  ~Progress() {
    if (m_shown) std::fprintf(stderr, "\n");
  }
  // Shows `done` bytes, at most four times a second unless `last`.
  void Update(size_t done, bool last = false) {
    if (!m_show) return;
    const auto now = std::chrono::steady_clock::now();
    if (m_shown && !last && now - m_last < std::chrono::milliseconds(250)) return;
    m_last = now;
    m_shown = true;
    if (m_total > 0) {
      std::fprintf(stderr, "\rlemm: %.1f of %.1f MB (%d%%)", done / 1048576.0, m_total / 1048576.0,
                   static_cast<int>(100.0 * static_cast<double>(done) / m_total));
    } else {
      std::fprintf(stderr, "\rlemm: %.1f MB", done / 1048576.0);
    }
    std::fflush(stderr);
  }

 private:
  bool m_show;
  long long m_total;
  bool m_shown = false;
  std::chrono::steady_clock::time_point m_last;
};

struct RunTotals {
  long long unwritable = 0;
  std::set<std::string> distinct;  // the different unwritable words
  bool invalid = false;
  bool binary = false;
};

int RunFile(const lemm_language* language, const Options& options, const std::string& name,
            RunTotals& totals) {
  const bool standardInput = name == "-";
  FILE* file = standardInput ? stdin : std::fopen(name.c_str(), "rb");
  if (file == nullptr) {
    std::fprintf(stderr, "lemm: cannot open %s\n", name.c_str());
    return kExitCannotRun;
  }
  long long size = -1;
  struct stat status;
  if (fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode)) size = status.st_size;
  Progress progress(options.progress || (size > kProgressThreshold && isatty(STDERR_FILENO)), size);
  PieceReader reader(file, standardInput ? "(standard input)" : name);
  {
    OrderedPool<Job> pool(
        options.threads, [&](Job& job) { Lemmatize(language, options, job); },
        [&](Job& job) {
          std::fwrite(job.output.text.data(), 1, job.output.text.size(), stdout);
          for (const std::string& word : job.output.unwritable) {
            ++totals.unwritable;
            totals.distinct.insert(word);
          }
          progress.Update(job.piece.offset + job.piece.text.size());
        });
    Job job;
    while (reader.Next(job.piece)) {
      pool.Submit(std::move(job));
      job = Job();
    }
  }
  progress.Update(reader.bytesRead(), true);
  totals.invalid = totals.invalid || reader.invalid();
  totals.binary = totals.binary || reader.binary();
  const bool readError = reader.readError();
  if (!standardInput) std::fclose(file);
  if (readError) {
    std::fprintf(stderr, "lemm: read error in %s\n", name.c_str());
    return kExitCannotRun;
  }
  return kExitOk;
}

void SummariseUnwritable(const RunTotals& totals, int codePage) {
  std::string examples;
  int shown = 0;
  for (const std::string& word : totals.distinct) {
    if (shown++ == 5) {
      examples += ", ...";
      break;
    }
    examples += (examples.empty() ? "" : ", ") + word;
  }
  std::fprintf(stderr,
               "lemm: %lld word%s (%zu different) cannot be written in code page %d and got no "
               "readings: %s\n",
               totals.unwritable, totals.unwritable == 1 ? "" : "s", totals.distinct.size(),
               codePage, examples.c_str());
}

}  // namespace
}  // namespace lemmatizer

int main(int argc, char** argv) {
  using namespace lemmatizer;
  Options options;
  switch (ParseOptions(argc, argv, options)) {
    case ParseResult::kExit:
      return kExitOk;
    case ParseResult::kUsageError:
      return kExitUsage;
    case ParseResult::kRun:
      break;
  }
  if (options.threads == 0) options.threads = std::max(1u, std::thread::hardware_concurrency());
  lemm_language* language = OpenLanguage(options);
  if (language == nullptr) return kExitCannotRun;
  if (options.files.empty()) options.files.push_back("-");
  RunTotals totals;
  int status = kExitOk;
  for (const std::string& file : options.files) {
    status = RunFile(language, options, file, totals);
    if (status != kExitOk) break;
  }
  std::fflush(stdout);
  if (totals.unwritable > 0) SummariseUnwritable(totals, lemm_language_code_page(language));
  lemm_close(language);
  if (status != kExitOk) return status;
  if (totals.binary || totals.invalid) return kExitBadInput;
  if (totals.unwritable > 0) return kExitUnwritable;
  return kExitOk;
}
