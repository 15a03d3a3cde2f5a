#include "tests/lemm/lemm_testing.h"

#include <gtest/gtest.h>

#include <map>

#include "tests/support/test_files.h"

namespace lemm_testing {

std::string BuildDictionary(const std::string& code, const std::string& lexicon) {
  return testing_support::CompileLexicon(LEMM_BUILD_PATH, code, lexicon);
}

lemm_language* Open(const std::string& code, const std::string& dir) {
  char* error = nullptr;
  lemm_language* language = lemm_open(code.c_str(), dir.c_str(), &error);
  EXPECT_NE(language, nullptr) << error;
  lemm_free(error);
  return language;
}

lemm_language* Shared(const std::string& code, const char* lexicon) {
  static std::map<std::string, lemm_language*> languages;
  lemm_language*& language = languages[code];
  if (language == nullptr) language = Open(code, BuildDictionary(code, lexicon));
  return language;
}

namespace {

// The text of a message from an error pointer, which it frees.
std::string TakeMessage(char* error) {
  const std::string message = error == nullptr ? "(no message)" : error;
  lemm_free(error);
  return "error: " + message;
}

}  // namespace

std::string Describe(const lemm_readings* readings) {
  if (lemm_readings_status(readings) == LEMM_UNWRITABLE) return "UNWRITABLE";
  std::string out;
  for (size_t i = 0; i < lemm_readings_count(readings); ++i) {
    if (!out.empty()) out += ' ';
    out += std::string(lemm_reading_lemma(readings, i)) + "/" + lemm_reading_tag_name(readings, i);
    if (!lemm_reading_known(readings, i)) out += '?';
  }
  return out;
}

std::string Lemmas(const lemm_language* language, const std::string& word, int options) {
  char* error = nullptr;
  lemm_readings* readings = lemm_lemmatize(language, word.data(), word.size(), options, &error);
  if (readings == nullptr) return TakeMessage(error);
  const std::string out = Describe(readings);
  lemm_readings_destroy(readings);
  return out;
}

std::string First(const lemm_language* language, const std::string& word, int options) {
  const std::string all = Lemmas(language, word, options);
  return all.substr(0, all.find('/'));
}

namespace {

template <typename Visit>
std::string Analyse(const lemm_language* language, const std::string& text, int options,
                    Visit&& visit) {
  char* error = nullptr;
  lemm_analysis* analysis = lemm_analyze(language, text.data(), text.size(), options, &error);
  if (analysis == nullptr) return TakeMessage(error);
  std::string out;
  for (size_t i = 0; i < lemm_analysis_count(analysis); ++i) {
    const std::string item = visit(analysis, i);
    if (item.empty()) continue;
    if (!out.empty()) out += ' ';
    out += item;
  }
  lemm_analysis_destroy(analysis);
  return out;
}

}  // namespace

std::string Tokens(const lemm_language* language, const std::string& text, int options) {
  return Analyse(language, text, options, [&](const lemm_analysis* analysis, size_t i) {
    const std::string form =
        text.substr(lemm_token_offset(analysis, i), lemm_token_length(analysis, i));
    return std::string(lemm_kind_name(lemm_token_kind(analysis, i))) +
           (lemm_token_sentence_start(analysis, i) ? "*" : "") + ":" + form;
  });
}

std::string FirstLemmas(const lemm_language* language, const std::string& text) {
  return Analyse(language, text, 0, [](const lemm_analysis* analysis, size_t i) -> std::string {
    const lemm_readings* readings = lemm_token_readings(analysis, i);
    if (readings == nullptr) return "";
    if (lemm_readings_count(readings) == 0) return "-";
    return lemm_reading_lemma(readings, 0);
  });
}

}  // namespace lemm_testing
