// Words that come again: the second answer of a word is the first one, and
// never an answer that belonged to other language objects, even objects
// built at the address of freed ones. Every test runs in a process of its
// own.
#include <gtest/gtest.h>

#include <string>

#include "lemmatizer.h"
#include "tests/api/language_files.h"

namespace {

using api_testing::kAdap;
using api_testing::kNomp;
using api_testing::Lemmas;
using api_testing::Reading;
using api_testing::Readings;
using api_testing::WriteMain;

class RepeatedWords : public api_testing::FreesLanguages {
 protected:
  // A dictionary directory in which "chats" has tag `tag`, with `cut`
  // bytes cut for its lemma.
  std::string Dictionary(int32_t tag, int32_t cut) {
    const std::string dir = testing_support::MakeTempDir();
    WriteMain(dir + "main.hsq", {{"chats", {Reading(tag, cut)}}});
    testing_support::WriteScrambledFile(dir + "listed.swd", "");
    return dir;
  }
  static int32_t Create(const std::string& code, const std::string& dir) {
    return LemmatizerCreate(code.c_str(), (dir + "listed.swd").c_str(), "", "",
                            (dir + "main.hsq").c_str(), "", "", "", nullptr, 0);
  }
};

TEST_F(RepeatedWords, AnswerAgainAsTheFirstTime) {
  const std::string dir = Dictionary(kNomp, 1);
  ASSERT_EQ(Create("fr", dir), 0);
  ASSERT_EQ(LemmatizeSetLanguage("fr", nullptr, 0), 0);
  int32_t hit = -1;
  const Readings first = Lemmas("chats", nullptr, &hit);
  EXPECT_EQ(first, (Readings{{"chat", kNomp}}));
  EXPECT_EQ(hit, 0);
  for (int i = 0; i < 3; ++i) {
    int32_t again = -1;
    EXPECT_EQ(Lemmas("chats", nullptr, &again), first);
    EXPECT_EQ(again, 0);
  }
}

TEST_F(RepeatedWords, NewObjectsAfterAFreeAnswerForThemselves) {
  ASSERT_EQ(Create("fr", Dictionary(kNomp, 1)), 0);
  ASSERT_EQ(LemmatizeSetLanguage("fr", nullptr, 0), 0);
  EXPECT_EQ(Lemmas("chats"), (Readings{{"chat", kNomp}}));
  LemmatizerFreeRessources();
  // The same code and sizes, so the new objects may well sit where the old
  // ones did; the answer must be the new dictionary's.
  ASSERT_EQ(Create("fr", Dictionary(kAdap, 0)), 0);
  ASSERT_EQ(LemmatizeSetLanguage("fr", nullptr, 0), 0);
  EXPECT_EQ(Lemmas("chats"), (Readings{{"chats", kAdap}}));
}

TEST_F(RepeatedWords, EachLanguageAnswersForItself) {
  ASSERT_EQ(Create("fr", Dictionary(kNomp, 1)), 0);
  ASSERT_EQ(Create("f4", Dictionary(kAdap, 0)), 0);
  for (int i = 0; i < 2; ++i) {
    ASSERT_EQ(LemmatizeSetLanguage("fr", nullptr, 0), 0);
    EXPECT_EQ(Lemmas("chats"), (Readings{{"chat", kNomp}}));
    ASSERT_EQ(LemmatizeSetLanguage("f4", nullptr, 0), 0);
    EXPECT_EQ(Lemmas("chats"), (Readings{{"chats", kAdap}}));
  }
}

}  // namespace
