#include "pwd/pwd.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/test_files.h"

namespace {

using Readings = std::vector<std::pair<std::string, int32_t>>;

constexpr int32_t kNomp = 97;

struct LoadedPwd {
  CPWD pwd;
  std::string error;
  LoadedPwd(const char* language, const std::string& words, const std::string& endings)
      : pwd(language) {
    const std::string dir = testing_support::MakeTempDir();
    testing_support::WriteScrambledFile(dir + "ru1.pwd", words);
    testing_support::WriteScrambledFile(dir + "ru2.pwd", endings);
    pwd.Load((dir + "ru1.pwd").c_str(), (dir + "ru2.pwd").c_str(), error);
  }
  // The readings of `word`; `found` and `final` receive Lookup's results.
  Readings Find(const std::string& word, bool* found = nullptr, int32_t* final = nullptr) {
    std::vector<std::string> lemmas = {"stale"};
    std::vector<int32_t> tags = {1};
    int32_t isFinal = -1;
    const bool result = pwd.Lookup(word.c_str(), lemmas, tags, isFinal);
    if (found != nullptr) *found = result;
    if (final != nullptr) *final = isFinal;
    EXPECT_EQ(lemmas.size(), tags.size());
    Readings readings;
    for (size_t i = 0; i < lemmas.size() && i < tags.size(); ++i) {
      readings.emplace_back(lemmas[i], tags[i]);
    }
    return readings;
  }
};

TEST(PwdLoad, OnlyTheExactCodeRuReadsFiles) {
  for (const char* code : {"RU", "Ru", "r4", "de"}) {
    CPWD pwd(code);
    std::string error;
    pwd.Load("/nonexistent/ru1.pwd", "/nonexistent/ru2.pwd", error);
    EXPECT_EQ(error, "") << code;
    pwd.Load(nullptr, nullptr, error);
    EXPECT_EQ(error, "") << code;
  }
  LoadedPwd other("RU", "Ivan;Ivan;", "1;a;b;");
  bool found = true;
  other.Find("Ivan", &found);
  EXPECT_FALSE(found);
}

TEST(PwdLoad, MissingFileReplacesTheErrorText) {
  const std::string dir = testing_support::MakeTempDir();
  testing_support::WriteScrambledFile(dir + "ru1.pwd", "A;B;");
  CPWD pwd("ru");
  std::string error = "earlier";
  pwd.Load((dir + "missing1.pwd").c_str(), (dir + "ru1.pwd").c_str(), error);
  EXPECT_EQ(error, "Could not open PWD file " + dir + "missing1.pwd");
  error = "earlier";
  pwd.Load((dir + "ru1.pwd").c_str(), (dir + "missing2.pwd").c_str(), error);
  EXPECT_EQ(error, "Could not open PWD file " + dir + "missing2.pwd");
  std::vector<std::string> lemmas;
  std::vector<int32_t> tags;
  int32_t final = 0;
  EXPECT_FALSE(pwd.Lookup("A", lemmas, tags, final));
}

TEST(PwdLoad, FinalNewlineAndEmptyFilesAreBadEntries) {
  EXPECT_EQ(LoadedPwd("ru", "A;B;\n", "1;ab;c;").error, "bad entry ignored : ");
  EXPECT_EQ(LoadedPwd("ru", "A;B;", "1;ab;c;\r\n").error, "bad entry ignored : ");
  EXPECT_EQ(LoadedPwd("ru", "", "1;ab;c;").error, "bad entry ignored : ");
  EXPECT_EQ(LoadedPwd("ru", "A;B;\r\nC;D;", "1;ab;c;").error, "");
}

TEST(PwdLoad, BadLinesAreReportedRunOnAndSkipped) {
  LoadedPwd d("ru", "Single;\nGood;Lemma;rest\n  Self;;",
              "1;ab;cd\n1;a b;c;\n3;ab;cd;\n2;xy;;\n1;\tq;r;");
  EXPECT_EQ(d.error,
            "bad entry ignored : Single;"
            "bad entry ignored : 1;ab;cd"
            "bad entry ignored : 1;a b;c;"
            "bad entry number ignored : 3;ab;cd;");
  EXPECT_EQ(d.Find("Good"), (Readings{{"Lemma", kNomp}}));
  EXPECT_EQ(d.Find("Self"), (Readings{{"Self", kNomp}}));
  EXPECT_EQ(d.Find("Single"), Readings{});
  // An empty replacement keeps the ending; a tab inside a field is no space.
  EXPECT_EQ(d.Find("Wxy"), (Readings{{"Wxy", kNomp}}));
  EXPECT_EQ(d.Find("W\tq"), (Readings{{"Wr", kNomp}}));
}

TEST(PwdLookup, WholeFormsComeFirstInFileOrder) {
  LoadedPwd d("ru", "Anna;First;\nAnna;Second;\nAnnax;Other;", "1;a;X;\n2;na;Y;");
  bool found = false;
  int32_t final = 0;
  EXPECT_EQ(d.Find("Anna", &found, &final), (Readings{{"First", kNomp}, {"Second", kNomp}}));
  EXPECT_TRUE(found);
  EXPECT_EQ(final, 1);
}

TEST(PwdLookup, EndingsTakeTheLongestMatchPrimaryBeforeSecondary) {
  LoadedPwd d("ru", "Zz;Zz;", "1;ab;P;\n1;cab;Q;\n1;cab;R;\n2;b;S;\n2;xb;T;");
  bool found = false;
  int32_t final = 0;
  EXPECT_EQ(d.Find("Xcab", &found, &final), (Readings{{"XQ", kNomp}, {"XR", kNomp}}));
  EXPECT_EQ(final, 1);
  EXPECT_EQ(d.Find("Yab", &found, &final), (Readings{{"YP", kNomp}}));
  EXPECT_EQ(final, 1);
  // Only the secondary table knows it: weak readings.
  EXPECT_EQ(d.Find("Mxb", &found, &final), (Readings{{"MT", kNomp}}));
  EXPECT_TRUE(found);
  EXPECT_EQ(final, 0);
  // The ending is never the whole word.
  EXPECT_EQ(d.Find("Cab", &found, &final), (Readings{{"CP", kNomp}}));
  d.Find("B", &found, &final);
  EXPECT_FALSE(found);
}

TEST(PwdLookup, EndingsLongerThanThirtyBytesNeverMatch) {
  const std::string ending30(30, 'e');
  LoadedPwd d("ru", "Zz;Zz;", "1;" + ending30 + ";R;\n1;e" + ending30 + ";L;");
  EXPECT_EQ(d.error, "");
  EXPECT_EQ(d.Find("W" + std::string(39, 'e')),
            (Readings{{"W" + std::string(9, 'e') + "R", kNomp}}));
}

TEST(PwdLookup, NeedsACapitalInitial) {
  LoadedPwd d("ru",
              "\xC0\xE1;lemma;\n\x8A"
              "a;nje;\nabc;abc;",
              "1;bc;X;");
  EXPECT_EQ(d.Find("\xC0\xE1"), (Readings{{"lemma", kNomp}}));
  EXPECT_EQ(d.Find("\x8A"
                   "a"),
            (Readings{{"nje", kNomp}}));
  bool found = true;
  EXPECT_EQ(d.Find("abc", &found), Readings{});  // lists emptied
  EXPECT_FALSE(found);
  EXPECT_EQ(d.Find("\xE0\xE1", &found), Readings{});
  EXPECT_FALSE(found);
  // The empty word is no lookup at all: the lists are left alone.
  std::vector<std::string> lemmas = {"kept"};
  std::vector<int32_t> tags = {7};
  int32_t final = 5;
  EXPECT_FALSE(d.pwd.Lookup("", lemmas, tags, final));
  EXPECT_EQ(lemmas, std::vector<std::string>{"kept"});
  EXPECT_EQ(final, 5);
}

}  // namespace
