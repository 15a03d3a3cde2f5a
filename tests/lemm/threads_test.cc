// Concurrent use of one handle: eight threads analysing texts and looking
// up words at the same time give exactly the answers of one thread. Built
// and run under ThreadSanitizer as well (-DLEMMATIZER_TSAN=ON), which
// reports any data race on the way.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "lemm.h"
#include "tests/lemm/lemm_testing.h"
#include "tests/lemm/lexicons.h"
#include "tests/support/test_files.h"

namespace {

// Texts that take every road: known and guessed words, capitals, names,
// elisions, clitics, numbers, URLs, unwritable and overlong words.
std::vector<std::string> Texts() {
  const std::string overlong(120, 'x');
  std::vector<std::string> texts = {
      "I saw the user's cars. CARS, cars and Bush don't visit the bush.",
      "ATTENTION: mail me@example.org or visit https://example.org/x, e.g. 1,000 times.",
      "Naïve users' cars in the U.S.A. cost 3.14 or 10 000 日本 " + overlong,
      "l'homme d’accord aujourd'hui The XYZZY, Attention! I'm in it.",
  };
  for (int i = 0; i < 40; ++i) {
    texts.push_back(texts[i % 4] + " cars" + std::to_string(i) + " Bushes bushes.");
  }
  return texts;
}

// Everything the interface answers for a text, as one string.
std::string Answers(const lemm_language* language, const std::string& text) {
  std::string out = lemm_testing::Tokens(language, text) + "\n";
  char* error = nullptr;
  lemm_analysis* analysis = lemm_analyze(language, text.data(), text.size(), 0, &error);
  if (analysis == nullptr) return out + error;
  for (size_t i = 0; i < lemm_analysis_count(analysis); ++i) {
    out += lemm_testing::Describe(lemm_token_readings(analysis, i)) + ";";
    const std::string word =
        text.substr(lemm_token_offset(analysis, i), lemm_token_length(analysis, i));
    out += lemm_testing::Lemmas(language, word, LEMM_SENTENCE_START) + "|";
  }
  lemm_analysis_destroy(analysis);
  return out;
}

TEST(Threads, EightThreadsOnOneHandleAnswerAsOne) {
  // With a context model, which every analysis reads.
  const std::string dir = lemm_testing::BuildDictionary("en", lemm_testing::kEnglish);
  testing_support::WriteFile(dir + "lemm/en-context.txt", lemm_testing::kEnglishContext);
  lemm_language* language = lemm_testing::Open("en", dir);
  ASSERT_NE(language, nullptr);
  const std::vector<std::string> texts = Texts();
  std::vector<std::string> expected;
  for (const std::string& text : texts) expected.push_back(Answers(language, text));

  constexpr int kThreads = 8;
  std::vector<std::vector<std::string>> got(kThreads);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    got[t].resize(texts.size());
    threads.emplace_back([&, t] {
      // Each thread starts at another text, so that different words meet.
      for (size_t k = 0; k < texts.size(); ++k) {
        const size_t i = (k + static_cast<size_t>(t) * 5) % texts.size();
        got[t][i] = Answers(language, texts[i]);
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (int t = 0; t < kThreads; ++t) {
    for (size_t i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(got[t][i], expected[i]) << "thread " << t << ", text " << i;
    }
  }
  lemm_close(language);
}

}  // namespace
