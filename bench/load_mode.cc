// Load figures: LemmatizeCreate of each code in a process of its own, so
// that no language shares memory or warm state with another. The child
// reads its resident memory (VmRSS), the private part of it (RssAnon) and
// its peak (VmHWM) from /proc/self/status before and after the call; the
// parent adds up the sizes of the files LemmatizeCreate reads for the code.
//
// What VmRSS adds beyond RssAnon are file pages: the library's own code and
// tables, read in by the first call of the process and shared with every
// other process that maps the library. The private part is what the
// language itself holds.
#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "bench/child_process.h"
#include "bench/modes.h"
#include "bench/report_format.h"
#include "interface/file_names.h"
#include "interface/lemmatizer.h"
#include "registry/languages.h"

namespace lemmbench {

namespace {

// A field of /proc/self/status in KiB ("VmRSS", "RssAnon", "VmHWM"), or -1.
long StatusKib(const std::string& field) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
  }
  return -1;
}

// The bytes of the files LemmatizeCreate reads for `language` below the
// base path; -1 when the main dictionary is missing.
double FileBytes(const std::string& basePath, const lemmatizer::Language& language) {
  const lemmatizer::LanguageFileNames names = lemmatizer::NamesBelowBase(basePath, language.code);
  std::vector<std::string> files = {names.dictionary, names.swd};
  if (language.Reads(lemmatizer::kPwdFiles)) files.insert(files.end(), {names.pwd1, names.pwd2});
  if (language.Reads(lemmatizer::kPrefixFile)) files.push_back(names.prefix);
  if (language.Reads(lemmatizer::kSharpSFile)) files.push_back(names.sharpS);
  if (language.Reads(lemmatizer::kExtensionFile)) files.push_back(names.extension);
  double bytes = 0;
  for (const std::string& file : files) {
    struct stat info;
    if (stat(file.c_str(), &info) == 0) {
      bytes += static_cast<double>(info.st_size);
    } else if (file == names.dictionary) {
      return -1;
    }
  }
  return bytes;
}

constexpr double kMiB = 1024.0 * 1024.0;

}  // namespace

int MeasureLoad(const Settings& settings, const std::string& code) {
  const long rssBefore = StatusKib("VmRSS");
  const long anonBefore = StatusKib("RssAnon");
  const auto start = std::chrono::steady_clock::now();
  const int32_t created = LemmatizeCreate(code.c_str(), settings.dictionaryDir.c_str());
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  const long rssAfter = StatusKib("VmRSS");
  const long anonAfter = StatusKib("RssAnon");
  const long peakAfter = StatusKib("VmHWM");
  if (created != 1) {
    std::printf("LemmatizeCreate failed\n");
    return 3;
  }
  std::printf("%.6f %ld %ld %ld %ld %ld\n", seconds, rssBefore, rssAfter, peakAfter, anonBefore,
              anonAfter);
  return 0;
}

int RunLoad(const Settings& settings, const std::vector<std::string>& codes) {
  PrintPreamble(
      "LemmatizeCreate, each code in a fresh process: wall time, resident memory it\n"
      "added (VmRSS after - before), the private part of it (RssAnon after - before;\n"
      "the rest is the library's own pages, shared between processes) and the peak\n"
      "it reached (VmHWM after - VmRSS before), beside the size of the files it\n"
      "reads (page cache warm).\n",
      settings.dictionaryDir);
  std::printf("%-4s %10s %10s %10s %12s %12s %14s %10s\n", "code", "files MiB", "create s",
              "added MiB", "added/files", "private MiB", "private/files", "peak MiB");
  int status = 0;
  for (const std::string& code : codes) {
    const lemmatizer::Language* language = lemmatizer::FindLanguage(code);
    const double bytes = language == nullptr ? -1 : FileBytes(settings.dictionaryDir, *language);
    if (bytes < 0) {
      std::printf("%-4s %s\n", code.c_str(),
                  language == nullptr
                      ? "unknown language code"
                      : ("no dictionary in " + settings.dictionaryDir + "lemm/").c_str());
      status = 1;
      continue;
    }
    std::string output;
    double seconds = 0;
    long rssBefore = 0, rssAfter = 0, peakAfter = 0, anonBefore = 0, anonAfter = 0;
    if (!RunCapture({SelfPath(), "--load-one", code, "-d", settings.dictionaryDir}, output) ||
        std::sscanf(output.c_str(), "%lf %ld %ld %ld %ld %ld", &seconds, &rssBefore, &rssAfter,
                    &peakAfter, &anonBefore, &anonAfter) != 6) {
      std::printf("%-4s %10.1f %s", code.c_str(), bytes / kMiB, output.c_str());
      status = 1;
      continue;
    }
    const double added = (rssAfter - rssBefore) * 1024.0;
    const double priv = (anonAfter - anonBefore) * 1024.0;
    const double peak = (peakAfter - rssBefore) * 1024.0;
    std::printf("%-4s %10.1f %10.3f %10.1f %12s %12.1f %14s %10.1f\n", code.c_str(), bytes / kMiB,
                seconds, added / kMiB, Ratio(added, bytes).c_str(), priv / kMiB,
                Ratio(priv, bytes).c_str(), peak / kMiB);
    std::fflush(stdout);
  }
  return status;
}

}  // namespace lemmbench
