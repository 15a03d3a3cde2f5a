// lemm: lemmatizes text from the command line with the shipped dictionaries.
//
// Reads UTF-8 text (files or standard input), splits it into words, and
// prints one line per reading: form<TAB>lemma<TAB>tag-name.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "interface/lemmatizer.h"
#include "registry/languages.h"
#include "tools/lemm/dictionary_dir.h"
#include "tools/lemm/language_session.h"
#include "tools/lemm/text_words.h"

namespace {

// The codes of the language table, blank-separated.
std::string LanguageCodes() {
  size_t count = 0;
  const lemmatizer::Language* languages = lemmatizer::Languages(&count);
  std::string codes;
  for (size_t i = 0; i < count; ++i)
    codes += std::string(codes.empty() ? "" : " ") + languages[i].code;
  return codes;
}

void Usage(FILE* out) {
  std::fprintf(out,
               "usage: lemm -l CODE [-d DIR] [-w] [--first | --json] [FILE...]\n"
               "Lemmatizes UTF-8 text (FILEs, or standard input) and prints one line per\n"
               "reading: form<TAB>lemma<TAB>tag-name. A word without a reading is printed\n"
               "with empty lemma and tag.\n"
               "  -l CODE   language code: %s\n"
               "  -d DIR    dictionary directory holding lemm/ (default: $LEMM_DICTIONARIES,\n"
               "            else %s)\n"
               "  -w        one word per line instead of running text\n"
               "  --first   only the first lemma of each word: form<TAB>lemma\n"
               "  --json    one JSON object per word: {\"form\":...,\"readings\":[...]}\n"
               "Examples:\n"
               "  echo 'Die Kinder spielten im Garten.' | lemm -l de\n"
               "  lemm -l en --first story.txt\n"
               "  printf 'went\\nmice\\n' | lemm -l en -w --json\n",
               LanguageCodes().c_str(), lemmatizer::DefaultDictionaryDir().c_str());
}

std::string JsonString(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof(escape), "\\u%04x", c);
      out += escape;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

struct Options {
  std::string code;
  std::string dictionaryDir;
  bool wordPerLine = false;
  bool first = false;
  bool json = false;
  std::vector<std::string> files;
};

void PrintWord(lemmatizer::LanguageSession& session, const Options& options,
               const std::string& word, int& unwritable) {
  std::vector<lemmatizer::Reading> readings;
  std::string error;
  const bool ok = session.Lemmatize(word, readings, error);
  if (!ok) {
    ++unwritable;
    std::cerr << "lemm: " << word << ": " << error << "\n";
    if (options.json) {
      std::cout << "{\"form\":" << JsonString(word) << ",\"error\":" << JsonString(error) << "}\n";
    } else {
      std::cout << word << "\t\t\n";
    }
    return;
  }
  if (options.json) {
    std::cout << "{\"form\":" << JsonString(word) << ",\"readings\":[";
    for (size_t i = 0; i < readings.size(); ++i) {
      if (i > 0) std::cout << ',';
      std::cout << "{\"lemma\":" << JsonString(readings[i].lemma)
                << ",\"tag\":" << JsonString(readings[i].tagName) << "}";
    }
    std::cout << "]}\n";
  } else if (options.first || readings.empty()) {
    std::cout << word << '\t' << (readings.empty() ? "" : readings[0].lemma)
              << (options.first ? "\n" : "\t\n");
  } else {
    for (const auto& r : readings)
      std::cout << word << '\t' << r.lemma << '\t' << r.tagName << '\n';
  }
}

int Run(lemmatizer::LanguageSession& session, const Options& options, std::istream& in) {
  int unwritable = 0;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (options.wordPerLine) {
      if (!line.empty()) PrintWord(session, options, line, unwritable);
      continue;
    }
    for (const std::string& word : lemmatizer::SplitWords(line)) {
      PrintWord(session, options, word, unwritable);
    }
  }
  return unwritable;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  options.dictionaryDir = lemmatizer::DefaultDictionaryDir();
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-l" && i + 1 < argc) {
      options.code = argv[++i];
    } else if (arg == "-d" && i + 1 < argc) {
      options.dictionaryDir = argv[++i];
    } else if (arg == "-w") {
      options.wordPerLine = true;
    } else if (arg == "--first") {
      options.first = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "-h" || arg == "--help") {
      Usage(stdout);
      return 0;
    } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
      std::cerr << "lemm: unknown option " << arg << "\n";
      Usage(stderr);
      return 2;
    } else {
      options.files.push_back(arg);
    }
  }
  if (options.code.empty()) {
    Usage(stderr);
    return 2;
  }
  if (!options.dictionaryDir.empty() && options.dictionaryDir.back() != '/') {
    options.dictionaryDir += '/';
  }
  lemmatizer::LanguageSession session;
  std::string error;
  if (!session.Open(options.code, options.dictionaryDir, error)) {
    std::cerr << "lemm: cannot load language \"" << options.code << "\" from "
              << options.dictionaryDir << "lemm/: " << error << "\n";
    return 1;
  }
  int unwritable = 0;
  if (options.files.empty()) {
    unwritable += Run(session, options, std::cin);
  }
  int status = 0;
  for (const std::string& file : options.files) {
    if (file == "-") {
      unwritable += Run(session, options, std::cin);
      continue;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
      std::cerr << "lemm: cannot open " << file << "\n";
      status = 1;
      break;
    }
    unwritable += Run(session, options, in);
  }
  // A host frees the languages it created before it ends.
  LemmatizerFreeRessources();
  if (status != 0) return status;
  return unwritable == 0 ? 0 : 3;
}
