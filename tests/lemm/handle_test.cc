// Opening and closing languages, the error pointer, the accessors' bounds
// and the static names: the contract at the top of lemm.h.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "lemm.h"
#include "tests/lemm/lemm_testing.h"
#include "tests/lemm/lexicons.h"
#include "tests/support/test_files.h"

namespace {

using lemm_testing::BuildDictionary;
using lemm_testing::Open;

// The message of a failing lemm_open, or "opened".
std::string OpenError(const char* code, const std::string& dir) {
  char* error = nullptr;
  lemm_language* language = lemm_open(code, dir.c_str(), &error);
  if (language != nullptr) {
    lemm_close(language);
    return "opened";
  }
  const std::string message = error == nullptr ? "(no message)" : error;
  lemm_free(error);
  return message;
}

class Handles : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    english = new std::string(BuildDictionary("en", lemm_testing::kEnglish));
  }
  static void TearDownTestSuite() { delete english; }
  static std::string* english;
};
std::string* Handles::english = nullptr;

TEST_F(Handles, OpenFromEitherLayoutAndAnyCaseOfTheCode) {
  // The directory holding lemm/, and lemm/ itself.
  for (const std::string& dir : {*english, *english + "lemm", *english + "lemm/"}) {
    lemm_language* language = Open("EN", dir);
    ASSERT_NE(language, nullptr);
    EXPECT_STREQ(lemm_language_code(language), "en");
    EXPECT_EQ(lemm_language_code_page(language), 1252);
    lemm_close(language);
  }
}

TEST_F(Handles, OpenFailuresSayWhy) {
  EXPECT_EQ(OpenError("xx", *english), "unknown language code \"xx\"");
  const std::string empty = testing_support::MakeTempDir();
  EXPECT_EQ(OpenError("en", empty).rfind("no dictionary for \"en\" in " + empty, 0), 0u)
      << OpenError("en", empty);
  // A damaged main dictionary is refused with the reader's message.
  const std::string damaged = BuildDictionary("en", lemm_testing::kEnglish);
  testing_support::WriteFile(damaged + "lemm/en-cwd.hsq", "short");
  EXPECT_NE(OpenError("en", damaged).find("en-cwd.hsq"), std::string::npos);
  // The word list: a damaged one is refused; without one (a dictionary
  // built before it existed) the language opens.
  const std::string russian = BuildDictionary("ru", lemm_testing::kRussian);
  ASSERT_EQ(OpenError("ru", russian), "opened");
  testing_support::WriteFile(russian + "lemm/ru-words.bin", "lemmatizer word list");
  EXPECT_EQ(OpenError("ru", russian).rfind("checksum error in file : ", 0), 0u)
      << OpenError("ru", russian);
  ASSERT_EQ(std::remove((russian + "lemm/ru-words.bin").c_str()), 0);
  EXPECT_EQ(OpenError("ru", russian), "opened");
  // Null arguments.
  char* error = nullptr;
  EXPECT_EQ(lemm_open(nullptr, english->c_str(), &error), nullptr);
  EXPECT_STREQ(error, "no language code given");
  EXPECT_EQ(lemm_open("en", nullptr, &error), nullptr);
  EXPECT_STREQ(error, "no dictionary directory given");
  lemm_free(error);
}

TEST_F(Handles, AFailureReplacesAMessageAlreadyThere) {
  char* error = static_cast<char*>(std::malloc(6));
  std::strcpy(error, "stale");
  EXPECT_EQ(lemm_open("xx", english->c_str(), &error), nullptr);
  EXPECT_STREQ(error, "unknown language code \"xx\"");
  // Success leaves the pointer alone.
  lemm_language* language = lemm_open("en", english->c_str(), &error);
  ASSERT_NE(language, nullptr);
  EXPECT_STREQ(error, "unknown language code \"xx\"");
  lemm_free(error);
  lemm_close(language);
}

TEST_F(Handles, EachRussianHandleReadsTheExtensionFileOfItsDirectory) {
  const std::string dir = BuildDictionary("ru", lemm_testing::kRussian);
  lemm_language* russian = Open("ru", dir);
  ASSERT_NE(russian, nullptr);
  EXPECT_EQ(lemm_language_code_page(russian), 1251);
  EXPECT_EQ(lemm_testing::First(russian, "дома"), "дом");
  lemm_close(russian);
  // A directory whose extension file is damaged cannot be opened.
  testing_support::WriteScrambledFile(dir + "lemm/ru.txt", "not the title\n");
  testing_support::WriteScrambledFile(dir + "lemm/ru-all.txt", "not the title\n");
  EXPECT_EQ(OpenError("ru", dir), "open extend file title line error!");
}

TEST_F(Handles, AccessorsOutOfRangeAndNullGiveNothing) {
  lemm_language* language = Open("en", *english);
  ASSERT_NE(language, nullptr);
  char* error = nullptr;
  lemm_readings* readings = lemm_lemmatize(language, "cars", 4, 0, &error);
  ASSERT_NE(readings, nullptr);
  ASSERT_EQ(lemm_readings_count(readings), 1u);
  EXPECT_EQ(lemm_reading_lemma(readings, 1), nullptr);
  EXPECT_EQ(lemm_reading_tag(readings, 1), 0);
  EXPECT_EQ(lemm_reading_tag_name(readings, 1), nullptr);
  EXPECT_EQ(lemm_reading_known(readings, 1), 0);
  lemm_readings_destroy(readings);

  lemm_analysis* analysis = lemm_analyze(language, "cars.", 5, 0, &error);
  ASSERT_NE(analysis, nullptr);
  ASSERT_EQ(lemm_analysis_count(analysis), 2u);
  EXPECT_EQ(lemm_token_readings(analysis, 1), nullptr);  // the full stop
  EXPECT_EQ(lemm_token_readings(analysis, 2), nullptr);
  EXPECT_EQ(lemm_token_kind(analysis, 2), 0);
  // The readings of a token belong to the analysis: destroying them does
  // nothing (a double free would show under the sanitizers).
  lemm_readings_destroy(const_cast<lemm_readings*>(lemm_token_readings(analysis, 0)));
  EXPECT_STREQ(lemm_reading_lemma(lemm_token_readings(analysis, 0), 0), "car");
  lemm_analysis_destroy(analysis);

  EXPECT_EQ(lemm_lemmatize(nullptr, "cars", 4, 0, &error), nullptr);
  EXPECT_STREQ(error, "no language given");
  EXPECT_EQ(lemm_analyze(language, nullptr, 3, 0, &error), nullptr);
  EXPECT_STREQ(error, "no text given");
  lemm_free(error);
  // An empty text has no tokens.
  analysis = lemm_analyze(language, nullptr, 0, 0, &error);
  ASSERT_NE(analysis, nullptr);
  EXPECT_EQ(lemm_analysis_count(analysis), 0u);
  lemm_analysis_destroy(analysis);
  lemm_close(language);
  lemm_close(nullptr);
}

TEST(Names, TagsKindsAndTheVersion) {
  EXPECT_STREQ(lemm_tag_name(97), "NOMP");
  EXPECT_STREQ(lemm_tag_name(303), "ANYC");
  EXPECT_STREQ(lemm_tag_name(2000), "P1PA");
  EXPECT_EQ(lemm_tag_name(0), nullptr);
  EXPECT_EQ(lemm_tag_name(1850), nullptr);
  EXPECT_EQ(lemm_tag_name(2151), nullptr);
  EXPECT_STREQ(lemm_kind_name(LEMM_WORD), "word");
  EXPECT_STREQ(lemm_kind_name(LEMM_EMAIL), "email");
  EXPECT_STREQ(lemm_kind_name(LEMM_SYMBOL), "symbol");
  EXPECT_EQ(lemm_kind_name(0), nullptr);
  EXPECT_EQ(lemm_kind_name(7), nullptr);
  const std::string version = lemm_version();
  EXPECT_EQ(std::count(version.begin(), version.end(), '.'), 2) << version;
  EXPECT_EQ(version.find_first_not_of("0123456789."), std::string::npos) << version;
}

}  // namespace
