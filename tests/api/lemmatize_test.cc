// The road of one word through Lemmatize and LemmatizeEH, on languages
// created from files the tests write. Every test runs in a process of its
// own, so each starts with an empty registry and no extension file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "lemmatizer.h"
#include "tests/api/language_files.h"

namespace {

using api_testing::kAdap;
using api_testing::kAdat;
using api_testing::kAnyc;
using api_testing::kH0;
using api_testing::kH12;
using api_testing::kNomp;
using api_testing::kPcsc;
using api_testing::Lemmas;
using api_testing::Pairs;
using api_testing::Reading;
using api_testing::Readings;
using api_testing::WriteMain;

// Creates and selects `code` from a main dictionary, an SWD text and, for
// Russian, the two PWD texts.
void CreateLanguage(const std::string& code, const std::vector<testing_support::TrieEntry>& keys,
                    const std::string& swd = "", const std::string& pwd1 = "Zz;Zz;",
                    const std::string& pwd2 = "1;zz;zz;") {
  const std::string dir = testing_support::MakeTempDir();
  WriteMain(dir + "main.hsq", keys);
  testing_support::WriteScrambledFile(dir + "lang.swd", swd);
  testing_support::WriteScrambledFile(dir + "1.pwd", pwd1);
  testing_support::WriteScrambledFile(dir + "2.pwd", pwd2);
  char message[256] = {0};
  ASSERT_EQ(LemmatizerCreate(code.c_str(), (dir + "lang.swd").c_str(), (dir + "1.pwd").c_str(),
                             (dir + "2.pwd").c_str(), (dir + "main.hsq").c_str(), "", "", "",
                             message, sizeof(message)),
            0)
      << message;
  ASSERT_EQ(LemmatizeSetLanguage(code.c_str(), message, sizeof(message)), 0) << message;
}

std::string RegisterExtension(const std::string& rows) {
  const std::string path = testing_support::MakeTempDir() + "ru.txt";
  testing_support::WriteScrambledFile(path, "Online Default for Russian\n" + rows);
  char message[128] = {0};
  EXPECT_EQ(LemmatizeInitRusischExtendPath(path.c_str(), message, sizeof(message)), 0) << message;
  return path;
}

class Pipeline : public api_testing::FreesLanguages {};

TEST_F(Pipeline, BeforeAnyLanguageOnlySpecialFormsAreAnswered) {
  int32_t status = -1;
  EXPECT_EQ(Lemmas(";", &status), (Readings{{";", kPcsc}}));
  EXPECT_EQ(status, 0);
  std::string message;
  LemmatizerResult result;
  LemmatizerInitResult(&result);
  result.dictionaryHit = 7;
  char buffer[64];
  EXPECT_EQ(Lemmatize("word", &result, buffer, sizeof(buffer)), 4);
  EXPECT_STREQ(buffer, "Lemmatize() : didn't get SWD object from Factory!");
  EXPECT_EQ(result.count, 0);
  EXPECT_EQ(result.lemmas, nullptr);
  EXPECT_EQ(result.dictionaryHit, 7);
  // Without a message buffer the status alone tells.
  EXPECT_EQ(LemmatizeEH("word", &result, 0), 4);
  // A message longer than the buffer is cut without a terminator.
  std::memset(buffer, 'x', sizeof(buffer));
  EXPECT_EQ(Lemmatize("word", &result, buffer, 9), 4);
  EXPECT_EQ(std::string(buffer, 10), "Lemmatizex");
}

TEST_F(Pipeline, NullWordOrRecordFailsAndTouchesNothing) {
  CreateLanguage("fr", {{"chat", {Reading(kNomp, 0)}}});
  LemmatizerResult result;
  LemmatizerInitResult(&result);
  char buffer[64];
  EXPECT_EQ(Lemmatize(nullptr, &result, buffer, sizeof(buffer)), 4);
  EXPECT_STREQ(buffer, "Lemmatize() : no word given!");
  EXPECT_EQ(Lemmatize("chat", nullptr, buffer, sizeof(buffer)), 4);
  EXPECT_STREQ(buffer, "Lemmatize() : no result record given!");
  EXPECT_EQ(LemmatizeEH(nullptr, nullptr, 0), 4);
  EXPECT_EQ(result.count, 0);
  EXPECT_EQ(result.lemmas, nullptr);
}

TEST_F(Pipeline, SpecialFormsOfOrdinaryLanguages) {
  CreateLanguage("fr", {{"as", {Reading(kNomp, 0)}}, {"-", {Reading(kAdap, 0)}}});
  EXPECT_EQ(Lemmas(";"), (Readings{{";", kPcsc}}));
  EXPECT_EQ(Lemmas("anti-"), (Readings{{"anti-", kAnyc}}));
  EXPECT_EQ(Lemmas("NATO"), (Readings{{"NATO", kAnyc}}));
  EXPECT_EQ(Lemmas("\xC4\xD6\xDC"), (Readings{{"\xC4\xD6\xDC", kAnyc}}));
  EXPECT_EQ(Lemmas("CDs"), (Readings{{"CD", kAnyc}}));
  EXPECT_EQ(Lemmas("CD's"), (Readings{{"CD", kAnyc}}));
  EXPECT_EQ(Lemmas("CD`s"), (Readings{{"CD", kAnyc}}));
  EXPECT_EQ(Lemmas("CD\xB4s"), (Readings{{"CD", kAnyc}}));
  EXPECT_EQ(Lemmas("USA's"), (Readings{{"USA", kAnyc}}));
  // Not special: they reach the dictionaries.
  EXPECT_EQ(Lemmas("As"), (Readings{{"as", kNomp}}));
  EXPECT_EQ(Lemmas("-"), (Readings{{"-", kAdap}}));
  EXPECT_EQ(Lemmas("A's"), Readings{});
  EXPECT_EQ(Lemmas("A"), Readings{});
  EXPECT_EQ(Lemmas("N\xD7TO"), Readings{});
  EXPECT_EQ(Lemmas("CdS"), Readings{});
  int32_t status = -1;
  EXPECT_EQ(Lemmas("", &status), Readings{});
  EXPECT_EQ(status, 0);
}

TEST_F(Pipeline, SpecialFormsOfSecondEditionsUseTheirTags) {
  CreateLanguage("i4", {});
  EXPECT_EQ(Lemmas(";"), (Readings{{";", kH12}}));
  EXPECT_EQ(Lemmas("NATO"), (Readings{{"NATO", kH0}}));
  EXPECT_EQ(Lemmas("CDs"), (Readings{{"CD", kH0}}));
  // The overlong-word rule gives 303 in every language.
  int32_t hit = -1;
  EXPECT_EQ(Lemmas(std::string(100, 'a'), nullptr, &hit),
            (Readings{{std::string(100, 'a'), kAnyc}}));
  EXPECT_EQ(hit, 0);
}

TEST_F(Pipeline, OverlongWordsAnswerThemselves) {
  const std::string word99(99, 'a');
  CreateLanguage("fr",
                 {{word99, {Reading(kNomp, 1)}}, {std::string(100, 'a'), {Reading(kAdap, 0)}}});
  int32_t hit = -1;
  EXPECT_EQ(Lemmas(word99, nullptr, &hit), (Readings{{std::string(98, 'a'), kNomp}}));
  EXPECT_EQ(hit, 0);
  EXPECT_EQ(Lemmas(std::string(100, 'a'), nullptr, &hit),
            (Readings{{std::string(100, 'a'), kAnyc}}));
  EXPECT_EQ(hit, 0);
}

TEST_F(Pipeline, SwdAnswersAloneAndSetsTheHit) {
  CreateLanguage("fr", {{"chats", {Reading(kAdat, 1)}}, {"chiens", {Reading(kAdat, 1)}}},
                 "chats;chat;NOMP ADAP\nmal;;ADAP\n");
  int32_t hit = -1;
  EXPECT_EQ(Lemmas("Chats", nullptr, &hit), (Readings{{"chat", kAdap}, {"chat", kNomp}}));
  EXPECT_EQ(hit, 1);
  EXPECT_EQ(Lemmas("chiens", nullptr, &hit), (Readings{{"chien", kAdat}}));
  EXPECT_EQ(hit, 0);
}

TEST_F(Pipeline, ErrorsOfTheMainDictionaryLeaveTheRecordsPairs) {
  // Lemcode 100 is outside the French table.
  CreateLanguage("fr", {{"chats", {Reading(kNomp, 1)}}, {"bad", {Reading(kNomp, 0, 100)}}});
  LemmatizerResult result;
  LemmatizerInitResult(&result);
  char buffer[64];
  ASSERT_EQ(Lemmatize("chats", &result, buffer, sizeof(buffer)), 0);
  result.dictionaryHit = 9;
  EXPECT_EQ(Lemmatize("bad", &result, buffer, sizeof(buffer)), 4);
  EXPECT_STREQ(buffer, "lemcode (100) not supported with french");
  EXPECT_EQ(Pairs(result), (Readings{{"chat", kNomp}}));
  EXPECT_EQ(result.dictionaryHit, 0);
  LemmatizerFreeResult(&result);
}

TEST_F(Pipeline, ObjectsComeFromTheSelectedLanguage) {
  CreateLanguage("fr", {{"chats", {Reading(kNomp, 1)}}});
  // A second language, created but not selected: its code is reported and
  // used for the special forms, while the objects are still French.
  const std::string dir = testing_support::MakeTempDir();
  WriteMain(dir + "i4-cwd.hsq", {});
  testing_support::WriteScrambledFile(dir + "i4.swd", "");
  ASSERT_EQ(LemmatizerCreate("i4", (dir + "i4.swd").c_str(), "", "", (dir + "i4-cwd.hsq").c_str(),
                             "", "", "", nullptr, 0),
            0);
  EXPECT_EQ(api_testing::ActiveLanguage(), "i4");
  EXPECT_EQ(Lemmas(";"), (Readings{{";", kH12}}));
  EXPECT_EQ(Lemmas("chats"), (Readings{{"chat", kNomp}}));
}

TEST_F(Pipeline, SpecialFormsKeepTheHitAndReleaseTheOldResult) {
  CreateLanguage("fr", {}, "chats;chat;NOMP\n");
  LemmatizerResult result;
  LemmatizerInitResult(&result);
  ASSERT_EQ(Lemmatize("chats", &result, nullptr, 0), 0);
  EXPECT_EQ(result.dictionaryHit, 1);
  // The record is reused without release: the special form releases the
  // previous result (the leak checker of the sanitizer build sees it) and
  // keeps dictionaryHit.
  ASSERT_EQ(Lemmatize("NATO", &result, nullptr, 0), 0);
  EXPECT_EQ(Pairs(result), (Readings{{"NATO", kAnyc}}));
  EXPECT_EQ(result.dictionaryHit, 1);
  LemmatizerFreeResult(&result);
}

TEST_F(Pipeline, AReusedRecordHoldsOnlyTheLastResult) {
  CreateLanguage("fr", {{"chats", {Reading(kNomp, 1), Reading(kAdap, 1)}}}, "vu;voir;ADAP NOMP\n");
  LemmatizerResult result;
  LemmatizerInitResult(&result);
  for (int round = 0; round < 200; ++round) {
    for (const char* word : {"chats", "NATO", "vu", "inconnu", ";", "CDs"}) {
      ASSERT_EQ(Lemmatize(word, &result, nullptr, 0), 0) << word;
    }
    ASSERT_EQ(LemmatizeEH("chats", &result, 0), 0);
    ASSERT_EQ(Pairs(result), (Readings{{"chat", kNomp}, {"chat", kAdap}}));
  }
  ASSERT_EQ(Lemmatize("inconnu", &result, nullptr, 0), 0);
  EXPECT_EQ(result.count, 0);
  EXPECT_EQ(result.lemmas, nullptr);
  EXPECT_EQ(result.tags, nullptr);
  LemmatizerFreeResult(&result);
}

// Russian: no special forms, PWD between SWD and the main dictionary, then
// the extension for words that neither SWD nor PWD knew.
class Russian : public api_testing::FreesLanguages {
 protected:
  void SetUp() override {
    FreesLanguages::SetUp();
    CreateLanguage("ru",
                   {{"ivanova", {Reading(kAdap, 1)}},
                    {"petrov", {Reading(kAdap, 0)}},
                    {"koshka", {Reading(kAdap, 1), Reading(kAdat, 1)}},
                    {";", {Reading(kAdat, 0)}}},
                   "dom;dom;NOMP\n", "Petrov;Petr;", "2;ova;ov;");
  }
};

TEST_F(Russian, PwdAnswersFinalOrBehindTheMainReadings) {
  RegisterExtension("a C ADAP ADAP\n");
  int32_t hit = -1;
  EXPECT_EQ(Lemmas("Petrov", nullptr, &hit), (Readings{{"Petr", kNomp}}));
  EXPECT_EQ(hit, 1);
  // Weak PWD readings follow the main ones, and the extension is skipped.
  EXPECT_EQ(Lemmas("Ivanova", nullptr, &hit), (Readings{{"ivanov", kAdap}, {"Ivanov", kNomp}}));
  EXPECT_EQ(hit, 1);
  EXPECT_EQ(Lemmas("Dom", nullptr, &hit), (Readings{{"dom", kNomp}}));
  EXPECT_EQ(hit, 1);
  // No special forms for Russian.
  EXPECT_EQ(Lemmas(";", nullptr, &hit), (Readings{{";", kAdat}}));
  EXPECT_EQ(hit, 0);
}

TEST_F(Russian, ExtensionAddsTheRowsOfTheLongestEnding) {
  RegisterExtension(
      "a C ADAP ADAP\n"
      "ka P ADAP NOMP\n"
      "ka NR ADAP ADAP\n"
      "shka A ADAT ADAT\n");
  const Readings extended{
      {"koshk", kAdap}, {"koshk", kAdat}, {"koshk", 2117}, {"koshk", 2150}, {"koshk", 2012}};
  // The second time the answer is a kept one, and it is extended as well.
  for (int round = 0; round < 2; ++round) {
    int32_t status = -1;
    int32_t hit = -1;
    EXPECT_EQ(Lemmas("koshka", &status, &hit), extended) << round;
    EXPECT_EQ(status, 0);
    EXPECT_EQ(hit, 0);
  }
}

TEST_F(Russian, AnEmptyExtensionTableChangesNoAnswer) {
  RegisterExtension("");
  for (int round = 0; round < 2; ++round) {
    int32_t status = -1;
    int32_t hit = -1;
    EXPECT_EQ(Lemmas("koshka", &status, &hit), (Readings{{"koshk", kAdap}, {"koshk", kAdat}}));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(hit, 0);
  }
}

TEST_F(Russian, AFailedExtensionLoadIsReportedOnce) {
  LemmatizerResult result;
  LemmatizerInitResult(&result);
  ASSERT_EQ(Lemmatize("Petrov", &result, nullptr, 0), 0);
  char buffer[64];
  EXPECT_EQ(Lemmatize("koshka", &result, buffer, sizeof(buffer)), 5);
  EXPECT_STREQ(buffer, "extend filename empty, not init?");
  EXPECT_EQ(result.count, 0);
  EXPECT_EQ(result.lemmas, nullptr);
  EXPECT_EQ(result.dictionaryHit, 0);
  // Registered too late: the load is not attempted again.
  RegisterExtension("a C ADAP ADAP\n");
  EXPECT_EQ(Lemmatize("koshka", &result, buffer, sizeof(buffer)), 0);
  EXPECT_EQ(Pairs(result), (Readings{{"koshk", kAdap}, {"koshk", kAdat}}));
  LemmatizerFreeResult(&result);
}

TEST_F(Russian, ExtensionErrorsReachTheHost) {
  RegisterExtension("a XX ADAP ADAP\n");
  std::string message;
  int32_t status = -1;
  EXPECT_EQ(Lemmas("koshka", &status, nullptr, &message), Readings{});
  EXPECT_EQ(status, 4);
  EXPECT_EQ(message, "lemmatizerf: Language : doesn't contain tag : XX");
}

TEST_F(Russian, ExtensionFileGoneBeforeTheFirstWord) {
  const std::string path = RegisterExtension("a C ADAP ADAP\n");
  std::remove(path.c_str());
  LemmatizerResult result;
  LemmatizerInitResult(&result);
  EXPECT_EQ(LemmatizeEH("koshka", &result, 0), 5);
  EXPECT_EQ(LemmatizeEH("koshka", &result, 0), 0);
  EXPECT_EQ(result.count, 2);
  LemmatizerFreeResult(&result);
}

}  // namespace
