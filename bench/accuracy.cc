// lemm-accuracy: lemma accuracy of the shipped dictionaries on gold dev sets,
// through both interfaces of the library.
//
//   lemm-accuracy [-d DICTDIR] [-g GOLDDIR] [-v] [CODE...]
//
// GOLDDIR holds the development sets kept beside the project (see
// gold_sets.h; they are never part of it). For each code it prints, on
// content words (punctuation, symbols and numbers left out):
//   - exact first lemma, the headline: the share whose first lemma is the
//     gold lemma byte for byte (case included, as the treebanks' own
//     evaluation compares), through the UTF-8 interface (lemm.h) and through
//     the 8-bit one (lemmatizer.h);
//   - case-blind first lemma beside each: lemmas compared in lower case,
//     with ё read as е;
//   - through the UTF-8 interface: the case-blind share where any reading
//     is the gold lemma, the case-blind first lemma with the compound marks
//     "_" and "#" removed from the gold lemmas, and the share of words
//     without a reading.
// The UTF-8 interface is fed running text, sentence by sentence, so that it
// knows where sentences start: the gold words joined by blanks, a multiword
// token ("zum" = "zu" + "dem", "don't" = "do" + "n't") by its surface form.
// A content word the tokenizer did not give back as one word token is
// looked up alone (counted as "not a token"). Parts of multiword tokens,
// which a lemmatizer handed single words never sees, are scored apart: for
// the UTF-8 interface from the word tokens of the surface form when they are
// as many as the parts, for the 8-bit interface from the parts themselves.
#include <sys/stat.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "bench/gold_sets.h"
#include "interface/lemm.h"
#include "interface/lemmatizer.h"
#include "platform/unicode.h"
#include "registry/languages.h"
#include "tools/lemm/language_session.h"

namespace {

using lemmatizer::GoldSentence;
using lemmatizer::GoldWord;

bool Exists(const std::string& path) {
  struct stat status;
  return stat(path.c_str(), &status) == 0;
}

std::string CaseBlind(const std::string& lemma) {
  std::string folded = lemmatizer::LowerWord(lemma);
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

// With -v, every content word whose first lemma misses goes to standard
// error: form, gold lemma, first lemma, and "*" for a sentence start or "+"
// for a word that the text's tokens do not hold as one (it is answered
// alone).
bool verbose = false;

struct Score {
  long words = 0, exact = 0, blind = 0, blindBest = 0, blindNoMarks = 0, unknown = 0;

  void Add(const std::vector<std::string>& lemmas, const std::string& gold) {
    ++words;
    if (lemmas.empty()) {
      ++unknown;
      return;
    }
    const std::string g = CaseBlind(gold);
    exact += lemmas[0] == gold;
    blind += CaseBlind(lemmas[0]) == g;
    blindNoMarks += WithoutMarks(CaseBlind(lemmas[0])) == WithoutMarks(g);
    for (const std::string& lemma : lemmas) {
      if (CaseBlind(lemma) == g) {
        ++blindBest;
        break;
      }
    }
  }
};

// With -v, a word whose first lemma misses, with its mark.
void ListMiss(const GoldWord& word, const std::vector<std::string>& lemmas, const char* mark) {
  if (!verbose || (!lemmas.empty() && lemmas[0] == word.lemma)) return;
  std::cerr << word.form << '\t' << word.lemma << '\t' << (lemmas.empty() ? "" : lemmas[0]) << '\t'
            << mark << '\n';
}

double Percent(long part, long whole) { return whole == 0 ? 0.0 : 100.0 * part / whole; }

std::vector<std::string> LemmasOf(const lemm_readings* readings) {
  std::vector<std::string> lemmas;
  for (size_t i = 0; i < lemm_readings_count(readings); ++i) {
    lemmas.push_back(lemm_reading_lemma(readings, i));
  }
  return lemmas;
}

// Where a gold word, or a multiword token's surface, stands in the sentence
// text.
struct Span {
  size_t offset;
  size_t length;
  std::vector<size_t> words;  // indices of the gold words it holds
};

struct Scores {
  Score utf8, legacy, utf8Parts, legacyParts;
  long notToken = 0;
};

// The sentence as running text, and the spans of its words.
std::string SentenceText(const GoldSentence& sentence, std::vector<Span>& spans) {
  std::string text;
  for (size_t i = 0; i < sentence.size(); ++i) {
    const GoldWord& word = sentence[i];
    const bool continuesPart = word.IsPart() && i > 0 && sentence[i - 1].IsPart() &&
                               sentence[i - 1].mwtForm == word.mwtForm;
    if (continuesPart) {
      spans.back().words.push_back(i);
      continue;
    }
    if (!text.empty()) text += ' ';
    const std::string& surface = word.IsPart() ? word.mwtForm : word.form;
    spans.push_back(Span{text.size(), surface.size(), {i}});
    text += surface;
  }
  return text;
}

void ScoreUtf8(const lemm_language* language, const GoldSentence& sentence, Scores& scores) {
  std::vector<Span> spans;
  const std::string text = SentenceText(sentence, spans);
  char* error = nullptr;
  lemm_analysis* analysis = lemm_analyze(language, text.data(), text.size(), 0, &error);
  if (analysis == nullptr) {
    std::cerr << "lemm-accuracy: " << error << "\n";
    lemm_free(error);
    return;
  }
  const size_t count = lemm_analysis_count(analysis);
  size_t t = 0;
  for (const Span& span : spans) {
    while (t < count && lemm_token_offset(analysis, t) < span.offset) ++t;
    std::vector<size_t> tokens;  // the word tokens inside the span
    for (size_t k = t; k < count && lemm_token_offset(analysis, k) < span.offset + span.length;
         ++k) {
      if (lemm_token_kind(analysis, k) == LEMM_WORD) tokens.push_back(k);
    }
    const GoldWord& first = sentence[span.words[0]];
    if (!first.IsPart()) {
      if (!first.IsContent()) continue;
      if (tokens.size() == 1 && lemm_token_offset(analysis, tokens[0]) == span.offset &&
          lemm_token_length(analysis, tokens[0]) == span.length) {
        const std::vector<std::string> lemmas = LemmasOf(lemm_token_readings(analysis, tokens[0]));
        scores.utf8.Add(lemmas, first.lemma);
        ListMiss(first, lemmas, lemm_token_sentence_start(analysis, tokens[0]) ? "*" : "");
        continue;
      }
      ++scores.notToken;
      lemm_readings* alone = lemm_lemmatize(language, first.form.data(), first.form.size(),
                                            span.offset == 0 ? LEMM_SENTENCE_START : 0, &error);
      const std::vector<std::string> lemmas = LemmasOf(alone);
      scores.utf8.Add(lemmas, first.lemma);
      ListMiss(first, lemmas, "+");
      lemm_readings_destroy(alone);
      continue;
    }
    for (size_t p = 0; p < span.words.size(); ++p) {
      const GoldWord& part = sentence[span.words[p]];
      if (!part.IsContent()) continue;
      if (tokens.size() == span.words.size()) {
        scores.utf8Parts.Add(LemmasOf(lemm_token_readings(analysis, tokens[p])), part.lemma);
      } else {
        scores.utf8Parts.Add({}, part.lemma);
      }
    }
  }
  lemm_analysis_destroy(analysis);
}

void ScoreLegacy(lemmatizer::LanguageSession& session, const GoldSentence& sentence,
                 Scores& scores) {
  std::vector<lemmatizer::Reading> readings;
  std::string error;
  for (const GoldWord& word : sentence) {
    if (!word.IsContent()) continue;
    std::vector<std::string> lemmas;
    if (session.Lemmatize(word.form, readings, error)) {
      for (const lemmatizer::Reading& reading : readings) lemmas.push_back(reading.lemma);
    }
    (word.IsPart() ? scores.legacyParts : scores.legacy).Add(lemmas, word.lemma);
  }
}

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
    } else if (arg == "-v") {
      verbose = true;
    } else if (arg == "-h" || arg == "--help") {
      std::cout << "usage: lemm-accuracy [-d DICTDIR] [-g GOLDDIR] [-v] [CODE...]\n"
                   "  -v  every missed first lemma of the UTF-8 interface on standard error:\n"
                   "      form, gold lemma, first lemma, * for a sentence start or + for a\n"
                   "      word the text's tokens do not hold as one (answered alone)\n";
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
      "| code | content words | exact first, UTF-8 | case-blind | exact first, 8-bit | "
      "case-blind | best reading, case-blind, UTF-8 | first, no marks | no reading | "
      "not a token | MWT parts | exact first, UTF-8 | exact first, 8-bit |\n"
      "|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
  for (const std::string& code : codes) {
    const std::string gold = lemmatizer::GoldFile(goldDir, code);
    std::vector<GoldSentence> sentences;
    if (!Exists(gold) || !lemmatizer::ReadGoldSentences(gold, sentences)) {
      std::printf("| %s | no dev set |\n", code.c_str());
      continue;
    }
    char* error = nullptr;
    lemm_language* language = lemm_open(code.c_str(), dictionaryDir.c_str(), &error);
    if (language == nullptr) {
      std::printf("| %s | not loaded: %s |\n", code.c_str(), error);
      lemm_free(error);
      continue;
    }
    lemmatizer::LanguageSession session;
    std::string message;
    if (!session.Open(code, dictionaryDir, message)) {
      std::printf("| %s | not loaded: %s |\n", code.c_str(), message.c_str());
      lemm_close(language);
      continue;
    }
    Scores scores;
    for (const GoldSentence& sentence : sentences) {
      ScoreUtf8(language, sentence, scores);
      ScoreLegacy(session, sentence, scores);
    }
    lemm_close(language);
    LemmatizerFreeRessources();
    const Score& u = scores.utf8;
    const Score& l = scores.legacy;
    std::printf(
        "| %s | %ld | %.1f | %.1f | %.1f | %.1f | %.1f | %.1f | %.1f | %ld | %ld | %.1f | %.1f |\n",
        code.c_str(), u.words, Percent(u.exact, u.words), Percent(u.blind, u.words),
        Percent(l.exact, l.words), Percent(l.blind, l.words), Percent(u.blindBest, u.words),
        Percent(u.blindNoMarks, u.words), Percent(u.unknown, u.words), scores.notToken,
        scores.utf8Parts.words, Percent(scores.utf8Parts.exact, scores.utf8Parts.words),
        Percent(scores.legacyParts.exact, scores.legacyParts.words));
    std::fflush(stdout);
  }
  return 0;
}
