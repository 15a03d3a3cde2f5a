// lemm-speed: lookup speed of the library against a baseline measured in
// the same run.
//
//   lemm-speed -l CODE [-d DICTDIR] [-x LEXICONDIR] [-r ROUNDS]
//
// The workload is the lexicon's forms (every 7th, converted to the code
// page). The baseline answers the same words from an in-memory hash table
// of the whole lexicon, the simplest lemmatizer there is; the library runs
// Lemmatize and LemmatizerFreeResult for each word. It prints words per
// second for both and their ratio; no figure is a pass or fail.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "interface/lemmatizer.h"
#include "platform/codepage.h"
#include "registry/languages.h"

namespace {

double Seconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv) {
  std::string code, dictionaryDir = LEMM_DEFAULT_DICTIONARY_DIR,
                    lexiconDir = LEMM_DEFAULT_LEXICON_DIR;
  int rounds = 3;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string flag = argv[i];
    if (flag == "-l") code = argv[i + 1];
    if (flag == "-d") dictionaryDir = argv[i + 1];
    if (flag == "-x") lexiconDir = argv[i + 1];
    if (flag == "-r") rounds = std::atoi(argv[i + 1]);
  }
  if (code.empty()) {
    std::fprintf(stderr, "usage: lemm-speed -l CODE [-d DICTDIR] [-x LEXICONDIR] [-r ROUNDS]\n");
    return 2;
  }
  if (dictionaryDir.back() != '/') dictionaryDir += '/';
  if (lexiconDir.back() != '/') lexiconDir += '/';
  const int codePage = lemmatizer::CodePageForLanguage(code);
  std::ifstream lexicon(lexiconDir + code + ".tsv");
  if (!lexicon || codePage == 0) {
    std::fprintf(stderr, "lemm-speed: no lexicon %s%s.tsv\n", lexiconDir.c_str(), code.c_str());
    return 1;
  }
  std::unordered_map<std::string, std::vector<std::pair<std::string, std::string>>> table;
  std::vector<std::string> words;
  std::string line, form, lemma;
  for (long n = 0; std::getline(lexicon, line); ++n) {
    std::stringstream fields(line);
    std::string f, l, tag;
    std::getline(fields, f, '\t');
    std::getline(fields, l, '\t');
    std::getline(fields, tag, '\t');
    if (!lemmatizer::Utf8ToCodePage(f, codePage, form) ||
        !lemmatizer::Utf8ToCodePage(l, codePage, lemma)) {
      continue;
    }
    auto& readings = table[form];
    if (readings.empty() && n % 7 == 0) words.push_back(form);
    readings.emplace_back(lemma, tag);
  }
  if (LemmatizeCreate(code.c_str(), dictionaryDir.c_str()) != 1) {
    std::fprintf(stderr, "lemm-speed: cannot create %s from %slemm/\n", code.c_str(),
                 dictionaryDir.c_str());
    return 1;
  }

  double baseline = 0, library = 0;
  size_t found = 0;
  LemmatizerResult result;
  LemmatizerInitResult(&result);
  for (int round = 0; round < rounds; ++round) {
    auto start = std::chrono::steady_clock::now();
    for (const std::string& word : words) {
      // Copies out what a caller gets, as the library does.
      const auto it = table.find(word);
      if (it == table.end()) continue;
      std::vector<std::string> lemmas;
      for (const auto& r : it->second) lemmas.push_back(r.first);
      found += lemmas.size();
    }
    baseline += Seconds(start);
    start = std::chrono::steady_clock::now();
    for (const std::string& word : words) {
      LemmatizeEH(word.c_str(), &result, 0);
      found += static_cast<size_t>(result.count);
      LemmatizerFreeResult(&result);
    }
    library += Seconds(start);
  }
  LemmatizerFreeRessources();
  const double total = static_cast<double>(words.size()) * rounds;
  std::printf("%s: %zu words x %d rounds\n", code.c_str(), words.size(), rounds);
  std::printf("  baseline (hash table of the lexicon): %10.0f words/s\n", total / baseline);
  std::printf("  library (Lemmatize):                  %10.0f words/s\n", total / library);
  std::printf("  ratio library / baseline:             %10.2f  (%zu readings)\n",
              baseline / library, found);
  return 0;
}
