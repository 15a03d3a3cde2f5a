// lemm-soak: memory of one long-lived process. It creates every language,
// lemmatizes running text in turns of 1000 words per language, frees every
// language and creates them again after every STEP words, and prints the
// resident set size at each of those points. Flat figures from step to step
// mean that nothing accumulates: not in the records, not in the languages.
//
//   lemm-soak [-d DICTDIR] [-t TEXTDIR] [-n WORDS] [-s STEP]
//
// DICTDIR holds lemm/ with the dictionaries (default: the build's dict/);
// every code whose main dictionary is there takes part, all 23 in a full
// build. TEXTDIR holds <code>.txt, UTF-8 running text of each code
// (bench/running-text writes it from what Debian installs); words that the
// code page cannot write are left out. WORDS defaults to 10 000 000, STEP to
// 1 000 000. Results go into a few records that are reused (Lemmatize
// releases what a record held) and freed now and then.
#include <malloc.h>
#include <algorithm>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "interface/lemmatizer.h"
#include "registry/languages.h"
#include "platform/codepage.h"
#include "tools/lemm/text_words.h"

namespace {

constexpr int kTurn = 1000;
constexpr int kRecords = 4;

// The resident set size of this process in KiB, from /proc.
long ResidentKiB() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.compare(0, 6, "VmRSS:") == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

// The codes whose main dictionary <dictionaryDir>lemm/<code>-cwd.hsq is
// there, sorted.
std::vector<std::string> Codes(const std::string& dictionaryDir) {
  const std::string suffix = "-cwd.hsq";
  std::vector<std::string> codes;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(dictionaryDir + "lemm", error)) {
    const std::string name = entry.path().filename().string();
    if (name.size() == 2 + suffix.size() && name.compare(2, suffix.size(), suffix) == 0) {
      codes.push_back(name.substr(0, 2));
    }
  }
  std::sort(codes.begin(), codes.end());
  return codes;
}

bool CreateAll(const std::vector<std::string>& codes, const std::string& dictionaryDir) {
  for (const std::string& code : codes) {
    if (LemmatizeCreate(code.c_str(), dictionaryDir.c_str()) != 1) {
      std::fprintf(stderr, "lemm-soak: cannot create %s from %slemm/\n", code.c_str(),
                   dictionaryDir.c_str());
      return false;
    }
  }
  return true;
}

// The words of <textDir><code>.txt in the code's code page.
std::vector<std::string> ReadWords(const std::string& textDir, const std::string& code) {
  std::ifstream in(textDir + code + ".txt", std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  const int codePage = lemmatizer::CodePageForLanguage(code);
  std::vector<std::string> words;
  std::string bytes;
  for (const std::string& word : lemmatizer::SplitWords(text.str())) {
    if (lemmatizer::Utf8ToCodePage(word, codePage, bytes)) words.push_back(bytes);
  }
  return words;
}

}  // namespace

int main(int argc, char** argv) {
  std::string dictionaryDir = LEMM_DEFAULT_DICTIONARY_DIR, textDir;
  long total = 10000000, step = 1000000;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i];
    if (flag == "-d") dictionaryDir = argv[i + 1];
    if (flag == "-t") textDir = argv[i + 1];
    if (flag == "-n") total = std::atol(argv[i + 1]);
    if (flag == "-s") step = std::atol(argv[i + 1]);
  }
  if (textDir.empty() || total <= 0 || step <= 0) {
    std::fprintf(stderr, "usage: lemm-soak [-d DICTDIR] -t TEXTDIR [-n WORDS] [-s STEP]\n");
    return 2;
  }
  if (dictionaryDir.back() != '/') dictionaryDir += '/';
  if (textDir.back() != '/') textDir += '/';

  const std::vector<std::string> codes = Codes(dictionaryDir);
  std::vector<std::vector<std::string>> texts;
  for (const std::string& code : codes) {
    texts.push_back(ReadWords(textDir, code));
    if (texts.back().empty()) {
      std::fprintf(stderr, "lemm-soak: no words in %s%s.txt\n", textDir.c_str(), code.c_str());
      return 1;
    }
  }
  if (codes.empty()) {
    std::fprintf(stderr, "lemm-soak: no dictionaries in %slemm/\n", dictionaryDir.c_str());
    return 1;
  }
  const long before = ResidentKiB();
  if (!CreateAll(codes, dictionaryDir)) return 1;
  std::printf("lemm-soak: %zu languages from %slemm/, %ld words, recreated every %ld\n",
              codes.size(), dictionaryDir.c_str(), total, step);
  std::printf("resident set before creation: %ld KiB, after: %ld KiB\n", before, ResidentKiB());
  std::printf(
      "resident set sizes in KiB: after the step's words, after freeing every language,\n"
      "after the allocator gave back what it kept, after creating them again\n");
  std::printf("%4s %10s %12s %11s %11s %11s %11s\n", "step", "words", "readings", "lemmatized",
              "freed", "trimmed", "recreated");

  LemmatizerResult records[kRecords];
  for (LemmatizerResult& record : records) LemmatizerInitResult(&record);
  std::vector<size_t> cursor(texts.size(), 0);
  long words = 0, readings = 0, failures = 0;
  size_t language = 0;
  for (long stepNumber = 1; words < total; ++stepNumber) {
    const long stepEnd = std::min(total, words + step);
    while (words < stepEnd) {
      if (LemmatizeSetLanguage(codes[language].c_str(), nullptr, 0) != 0) ++failures;
      const std::vector<std::string>& text = texts[language];
      for (int n = 0; n < kTurn && words < stepEnd; ++n, ++words) {
        LemmatizerResult& record = records[words % kRecords];
        if (LemmatizeEH(text[cursor[language]].c_str(), &record, 0) != 0) ++failures;
        readings += record.count;
        if (words % 7 == 0) LemmatizerFreeResult(&record);
        cursor[language] = (cursor[language] + 1) % text.size();
      }
      language = (language + 1) % texts.size();
    }
    const long lemmatized = ResidentKiB();
    LemmatizerFreeRessources();
    const long freed = ResidentKiB();
    // What the allocator keeps for reuse goes back to the system: what is
    // left is still allocated.
    malloc_trim(0);
    const long trimmed = ResidentKiB();
    if (!CreateAll(codes, dictionaryDir)) return 1;
    std::printf("%4ld %10ld %12ld %11ld %11ld %11ld %11ld\n", stepNumber, words, readings,
                lemmatized, freed, trimmed, ResidentKiB());
    std::fflush(stdout);
  }
  for (LemmatizerResult& record : records) LemmatizerFreeResult(&record);
  LemmatizerFreeRessources();
  std::printf("failed calls: %ld; resident set at the end: %ld KiB\n", failures, ResidentKiB());
  return failures == 0 ? 0 : 1;
}
