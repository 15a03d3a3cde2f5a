// lemm-accuracy: lemma accuracy of the shipped dictionaries on gold dev sets.
//
//   lemm-accuracy [-d DICTDIR] [-g GOLDDIR] [CODE...]
//
// GOLDDIR holds <code>.tsv files with the header "form lemma upos sent_id
// mwt_form" (the development sets kept beside the project; they are never
// part of it). For each code it prints, on content words (punctuation,
// symbols and numbers left out): the share whose first lemma is the gold
// lemma, the share where any reading is, both again with the compound marks
// "_" and "#" removed from the gold lemmas, and the share of words with no
// reading. Parts of multiword tokens ("zum" = "zu" + "dem"), which a
// lemmatizer handed surface words never sees, are counted apart. Lemmas are
// compared without regard to case, with ё read as е.
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "registry/languages.h"
#include "tools/lemm/language_session.h"
#include "tools/lemm/text_words.h"

namespace {

// The dev set of a code: the second editions share their first edition's.
std::string GoldFile(const std::string& code) {
  const lemmatizer::Language* language = lemmatizer::FindLanguage(code);
  if (language != nullptr && language->IsSecondEdition())
    return std::string(language->edition) + ".tsv";
  return code + ".tsv";
}

bool Exists(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0;
}

std::string Fold(const std::string& lemma) {
  std::string folded = lemmatizer::LowerUtf8(lemma);
  for (size_t at; (at = folded.find("\xD1\x91")) != std::string::npos;) {
    folded.replace(at, 2, "\xD0\xB5");  // ё -> е
  }
  return folded;
}

std::string WithoutMarks(const std::string& lemma) {
  std::string out;
  for (char c : lemma) {
    if (c != '_' && c != '#') out += c;
  }
  return out;
}

struct Score {
  long words = 0, first = 0, best = 0, firstNoMarks = 0, bestNoMarks = 0, unknown = 0;
  long unwritable = 0;
  void Add(const std::vector<lemmatizer::Reading>& readings, const std::string& gold) {
    ++words;
    if (readings.empty()) ++unknown;
    const std::string g = Fold(gold), gNoMarks = Fold(WithoutMarks(gold));
    bool any = false, anyNoMarks = false;
    for (size_t i = 0; i < readings.size(); ++i) {
      const std::string lemma = Fold(readings[i].lemma);
      const bool hit = lemma == g, hitNoMarks = WithoutMarks(lemma) == gNoMarks;
      if (i == 0 && hit) ++first;
      if (i == 0 && hitNoMarks) ++firstNoMarks;
      any = any || hit;
      anyNoMarks = anyNoMarks || hitNoMarks;
    }
    best += any;
    bestNoMarks += anyNoMarks;
  }
};

double Percent(long part, long whole) { return whole == 0 ? 0.0 : 100.0 * part / whole; }

}  // namespace

int main(int argc, char** argv) {
  std::string dictionaryDir = LEMM_DEFAULT_DICTIONARY_DIR;
  std::string goldDir = LEMM_DEFAULT_GOLD_DIR;
  std::vector<std::string> codes;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-d" && i + 1 < argc) {
      dictionaryDir = argv[++i];
    } else if (arg == "-g" && i + 1 < argc) {
      goldDir = argv[++i];
    } else if (arg == "-h" || arg == "--help") {
      std::cout << "usage: lemm-accuracy [-d DICTDIR] [-g GOLDDIR] [CODE...]\n";
      return 0;
    } else {
      codes.push_back(arg);
    }
  }
  if (!dictionaryDir.empty() && dictionaryDir.back() != '/') dictionaryDir += '/';
  if (!goldDir.empty() && goldDir.back() != '/') goldDir += '/';
  if (!Exists(goldDir)) {
    std::cout << "lemm-accuracy: no gold dev sets at " << goldDir << "; nothing measured\n";
    return 0;
  }
  if (codes.empty()) {
    size_t count = 0;
    const lemmatizer::Language* languages = lemmatizer::Languages(&count);
    for (size_t i = 0; i < count; ++i) codes.push_back(languages[i].code);
  }

  std::printf(
      "| code | content words | first lemma | best reading | first, no marks | "
      "best, no marks | no reading | MWT parts: words | MWT first lemma |\n"
      "|---|---:|---:|---:|---:|---:|---:|---:|---:|\n");
  for (const std::string& code : codes) {
    const std::string gold = goldDir + GoldFile(code);
    if (!Exists(gold)) {
      std::printf("| %s | no dev set |\n", code.c_str());
      continue;
    }
    lemmatizer::LanguageSession session;
    std::string error;
    if (!session.Open(code, dictionaryDir, error)) {
      std::printf("| %s | not loaded: %s |\n", code.c_str(), error.c_str());
      continue;
    }
    std::ifstream in(gold);
    std::string line;
    std::getline(in, line);  // header
    Score content, parts;
    std::vector<lemmatizer::Reading> readings;
    while (std::getline(in, line)) {
      std::vector<std::string> fields;
      std::stringstream split(line);
      for (std::string field; std::getline(split, field, '\t');) fields.push_back(field);
      if (fields.size() < 5) continue;
      const std::string& upos = fields[2];
      if (upos == "PUNCT" || upos == "SYM" || upos == "NUM") continue;
      Score& score = fields[4] == "_" ? content : parts;
      if (!session.Lemmatize(fields[0], readings, error)) {
        ++score.unwritable;
        readings.clear();
      }
      score.Add(readings, fields[1]);
    }
    std::printf(
        "| %s | %ld | %.1f | %.1f | %.1f | %.1f | %.1f | %ld | %.1f |\n", code.c_str(),
        content.words, Percent(content.first, content.words), Percent(content.best, content.words),
        Percent(content.firstNoMarks, content.words), Percent(content.bestNoMarks, content.words),
        Percent(content.unknown, content.words), parts.words, Percent(parts.first, parts.words));
    std::fflush(stdout);
  }
  return 0;
}
