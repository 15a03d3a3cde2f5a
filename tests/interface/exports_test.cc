// The exports for the result record, tag names, the active language and
// teardown: statuses and the message buffer.
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "interface/lemmatizer.h"
#include "interface/result.h"
#include "registry/lemmatizer_factory.h"

namespace {

TEST(ResultRecord, InitAndFree) {
  LemmatizerResult result;
  std::memset(&result, 0xAB, sizeof(result));
  EXPECT_EQ(LemmatizerInitResult(&result), &result);
  EXPECT_EQ(result.count, 0);
  EXPECT_EQ(result.dictionaryHit, 0);
  EXPECT_EQ(result.lemmas, nullptr);
  EXPECT_EQ(result.tags, nullptr);
  LemmatizerFreeResult(&result);
  EXPECT_EQ(result.count, 0);
  EXPECT_EQ(LemmatizerInitResult(nullptr), nullptr);
  LemmatizerFreeResult(nullptr);
}

TEST(ResultRecord, FillThenFreeKeepsDictionaryHit) {
  LemmatizerResult result;
  LemmatizerInitResult(&result);
  result.dictionaryHit = 1;
  lemmatizer::ReadingList readings;
  readings.Add("walk", 188, lemmatizer::ReadingSource::kTrie);
  readings.Add("walk", 187, lemmatizer::ReadingSource::kTrie);
  readings.Add("", 1, lemmatizer::ReadingSource::kTrie);
  lemmatizer::FillResult(&result, readings);
  ASSERT_EQ(result.count, 3);
  EXPECT_STREQ(result.lemmas[0], "walk");
  EXPECT_STREQ(result.lemmas[2], "");
  EXPECT_EQ(result.tags[1], 187);
  EXPECT_NE(result.lemmas[0], result.lemmas[1]);  // a string per lemma
  LemmatizerFreeResult(&result);
  EXPECT_EQ(result.count, 0);
  EXPECT_EQ(result.lemmas, nullptr);
  EXPECT_EQ(result.tags, nullptr);
  EXPECT_EQ(result.dictionaryHit, 1);
  LemmatizerFreeResult(&result);  // again: nothing happens
  lemmatizer::FillResult(&result, lemmatizer::ReadingList());
  EXPECT_EQ(result.count, 0);
  EXPECT_EQ(result.lemmas, nullptr);
}

TEST(ResultRecord, LayoutIsTheBinaryInterface) {
  static_assert(offsetof(LemmatizerResult, count) == 0, "count");
  static_assert(offsetof(LemmatizerResult, dictionaryHit) == 4, "dictionaryHit");
  static_assert(sizeof(void*) != 8 || offsetof(LemmatizerResult, lemmas) == 8, "lemmas");
  static_assert(sizeof(void*) != 8 || offsetof(LemmatizerResult, tags) == 16, "tags");
  static_assert(sizeof(void*) != 8 || sizeof(LemmatizerResult) == 24, "no padding");
  SUCCEED();
}

TEST(GetStringForTagExport, NamesAndNulls) {
  char buffer[8] = {'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'};
  EXPECT_STREQ(GetStringForTag(303, buffer, 8), "ANYC");
  EXPECT_STREQ(GetStringForTag(1, buffer, 8), "SCAT");
  EXPECT_STREQ(GetStringForTag(1849, buffer, 8), "H1500");
  EXPECT_STREQ(GetStringForTag(2000, buffer, 8), "P1PA");
  EXPECT_STREQ(GetStringForTag(2150, buffer, 8), "NR");
  for (int32_t tag : {0, -1, 1850, 1999, 2151, 100000}) {
    EXPECT_EQ(GetStringForTag(tag, buffer, 8), nullptr) << tag;
  }
  EXPECT_EQ(std::string(buffer, 8), "xxxxxxxx");  // nothing written
}

TEST(LanguageExports, GetLanguageBeforeAnyCreation) {
  char code[64] = "stale";
  char message[32] = "untouched";
  EXPECT_EQ(LemmatizeGetLanguage(code, message, sizeof(message)), 0);
  EXPECT_STREQ(code, "");
  EXPECT_STREQ(message, "untouched");
}

TEST(LanguageExports, GetLanguageWithANullBuffer) {
  char message[32];
  std::memset(message, 'x', sizeof(message));
  EXPECT_EQ(LemmatizeGetLanguage(nullptr, message, sizeof(message)), 3);
  EXPECT_STREQ(message, "Act Language null");
  EXPECT_EQ(message[31], '\0');  // padded to the whole size
  EXPECT_EQ(LemmatizeGetLanguage(nullptr, nullptr, 0), 3);
  EXPECT_EQ(LemmatizeGetLanguage(nullptr, nullptr, 50), 3);
}

TEST(LanguageExports, SetLanguageForACodeNeverCreated) {
  char message[64];
  EXPECT_EQ(LemmatizeSetLanguage("DE", message, sizeof(message)), 4);
  EXPECT_STREQ(message, "No Object for this language: de");
  // Cut to exactly the size, without a terminator.
  char cut[10];
  std::memset(cut, 'x', sizeof(cut));
  EXPECT_EQ(LemmatizeSetLanguage("de", cut, 6), 4);
  EXPECT_EQ(std::string(cut, 10),
            "No Obj"
            "xxxx");
  EXPECT_EQ(LemmatizeSetLanguage("de", nullptr, 0), 4);
  EXPECT_EQ(LemmatizeSetLanguage(nullptr, message, sizeof(message)), 4);
  EXPECT_STREQ(message, "No Object for this language: ");
}

TEST(LanguageExports, FreeRessourcesLeavesTheReportedCode) {
  std::strcpy(CLemmatizerFactory::m_actLanguage, "en");
  LemmatizerFreeRessources();
  LemmatizerFreeRessources();
  char code[64];
  EXPECT_EQ(LemmatizeGetLanguage(code, nullptr, 0), 0);
  EXPECT_STREQ(code, "en");
  std::memset(CLemmatizerFactory::m_actLanguage, 0, sizeof(CLemmatizerFactory::m_actLanguage));
}

}  // namespace
