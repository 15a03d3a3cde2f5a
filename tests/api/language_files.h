// Helpers of the end-to-end tests: the files of a language written into a
// temporary directory, and a result record read back as (lemma, tag) pairs.
// Everything else the tests do goes through the exported C functions.
#ifndef LEMMATIZER_TESTS_API_LANGUAGE_FILES_H_
#define LEMMATIZER_TESTS_API_LANGUAGE_FILES_H_

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "lemmatizer.h"
#include "tests/support/test_files.h"

namespace api_testing {

using Readings = std::vector<std::pair<std::string, int32_t>>;

// Tag numbers used by the tests.
constexpr int32_t kAdap = 3;
constexpr int32_t kAdat = 4;
constexpr int32_t kNomp = 97;
constexpr int32_t kAnyc = 303;
constexpr int32_t kH0 = 304;
constexpr int32_t kH12 = 316;
constexpr int32_t kPcsc = 1337;

// A reading of the main dictionary: tag number, bytes cut, lemcode.
inline lemmatizer::HsqResult Reading(int32_t tag, int32_t cut, int32_t lemcode = 0) {
  return lemmatizer::HsqResult{tag - 1, cut, lemcode};
}

inline void WriteMain(const std::string& path,
                      const std::vector<testing_support::TrieEntry>& keys) {
  testing_support::WriteFile(path, testing_support::HsqBytes(testing_support::BuildTrie(keys)));
}

// The pairs of a filled record.
inline Readings Pairs(const LemmatizerResult& result) {
  Readings readings;
  for (int32_t i = 0; i < result.count; ++i)
    readings.emplace_back(result.lemmas[i], result.tags[i]);
  return readings;
}

// Lemmatizes `word` into a fresh record and returns its pairs; the status,
// dictionaryHit and the message go to the optional out-parameters.
inline Readings Lemmas(const std::string& word, int32_t* status = nullptr, int32_t* hit = nullptr,
                       std::string* message = nullptr) {
  LemmatizerResult result;
  LemmatizerInitResult(&result);
  result.dictionaryHit = -1;
  char buffer[256] = {0};
  const int32_t code = Lemmatize(word.c_str(), &result, buffer, sizeof(buffer));
  if (status != nullptr) *status = code;
  if (hit != nullptr) *hit = result.dictionaryHit;
  if (message != nullptr) *message = buffer;
  Readings readings = Pairs(result);
  LemmatizerFreeResult(&result);
  return readings;
}

// Languages live until LemmatizerFreeRessources, which a host calls at the
// end; so does every test.
class FreesLanguages : public ::testing::Test {
 protected:
  void TearDown() override { LemmatizerFreeRessources(); }
};

inline std::string ActiveLanguage() {
  char code[64] = {0};
  LemmatizeGetLanguage(code, nullptr, 0);
  return code;
}

}  // namespace api_testing

#endif  // LEMMATIZER_TESTS_API_LANGUAGE_FILES_H_
