#include "swd/swd.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/test_files.h"

namespace {

using Readings = std::vector<std::pair<std::string, int32_t>>;

// Tag numbers of the names the files below use.
constexpr int32_t kAdap = 3;
constexpr int32_t kAdatfp = 5;
constexpr int32_t kNomp = 97;

struct LoadedSwd {
  CSWD swd;
  std::string error;
  LoadedSwd(const char* language, const std::string& text, std::string initialError = "")
      : swd(language, 0), error(std::move(initialError)) {
    const std::string path = testing_support::MakeTempDir() + "test.swd";
    testing_support::WriteScrambledFile(path, text);
    swd.Load(path.c_str(), error);
  }
  // The readings of `word`; `found` receives Lookup's result.
  Readings Find(const std::string& word, bool* found = nullptr) {
    std::vector<std::string> lemmas = {"stale"};
    std::vector<int32_t> tags = {1};
    const bool result = swd.Lookup(word.c_str(), lemmas, tags);
    if (found != nullptr) *found = result;
    EXPECT_EQ(lemmas.size(), tags.size());
    Readings readings;
    for (size_t i = 0; i < lemmas.size() && i < tags.size(); ++i) {
      readings.emplace_back(lemmas[i], tags[i]);
    }
    return readings;
  }
};

TEST(SwdLoad, ReadsFieldsLineEndsAndMultiWordSources) {
  LoadedSwd d("de",
              "  haus;Haus;NOMP\r\n"
              "ging;;ADAP \t ADATfp\n"
              "in der tat;in der Tat;ADAP\n"
              "letzte;ohne;NOMP");  // cut off by the end of the file: not used
  EXPECT_EQ(d.error, "");
  EXPECT_EQ(d.Find("haus"), (Readings{{"Haus", kNomp}}));
  EXPECT_EQ(d.Find("ging"), (Readings{{"ging", kAdap}, {"ging", kAdatfp}}));
  EXPECT_EQ(d.Find("in der tat"), (Readings{{"in der Tat", kAdap}}));
  EXPECT_EQ(d.Find("in der"), Readings{});
  bool found = true;
  EXPECT_EQ(d.Find("letzte", &found), Readings{});
  EXPECT_FALSE(found);
}

TEST(SwdLoad, EmptyFileIsAnEmptyTableWithoutMessage) {
  LoadedSwd d("en", "");
  EXPECT_EQ(d.error, "");
  bool found = true;
  d.Find("a", &found);
  EXPECT_FALSE(found);
}

TEST(SwdLoad, MissingFileReplacesTheErrorText) {
  CSWD swd("en", 0);
  std::string error = "earlier";
  swd.Load("/nonexistent/dir/en.swd", error);
  EXPECT_EQ(error, "Could not open swd file /nonexistent/dir/en.swd");
  error = "earlier";
  swd.Load(nullptr, error);
  EXPECT_EQ(error, "Could not open swd file ");
}

TEST(SwdLoad, BlankLineStopsReadingAndKeepsWhatCameBefore) {
  LoadedSwd d("en", "one;One;NOMP\n\ntwo;Two;NOMP\n");
  EXPECT_EQ(d.error, "Exception caught : didn't find source std::string in line : \n");
  EXPECT_EQ(d.Find("one"), (Readings{{"One", kNomp}}));
  EXPECT_EQ(d.Find("two"), Readings{});
}

TEST(SwdLoad, MissingLemmaOrTagFieldStopsReading) {
  EXPECT_EQ(LoadedSwd("en", "src;lemma\n").error,
            "Exception caught : didn't find tags for std::string in line : src;lemma\n");
  EXPECT_EQ(LoadedSwd("en", "src;lemma;\n").error,
            "Exception caught : didn't find tags for std::string in line : src;lemma;\n");
  // No ';' at all, and a first ';' that ends the line: the lemma test does
  // not look past the line.
  EXPECT_EQ(LoadedSwd("en", "src\n").error,
            "Exception caught : didn't find tags for std::string in line : src\n");
  EXPECT_EQ(LoadedSwd("en", "src;\n").error,
            "Exception caught : didn't find tags for std::string in line : src;\n");
  EXPECT_EQ(LoadedSwd("en", ";;;\n").error,
            "Exception caught : didn't find source std::string in line : ;;;\n");
}

TEST(SwdLoad, LeadingSemicolonIsJudgedByTheByteAfterTheFirstSemicolon) {
  LoadedSwd given("en", ";src;lemma;NOMP\n");
  EXPECT_EQ(given.error, "");
  EXPECT_EQ(given.Find("src"), (Readings{{"lemma", kNomp}}));
  EXPECT_EQ(LoadedSwd("en", ";src;;NOMP\n").error,
            "Exception caught : didn't find tags for std::string in line : ;src;;NOMP\n");
}

TEST(SwdLoad, UnknownTagIsReportedAndTheEntryKeptWithoutIt) {
  LoadedSwd d("en", "a;A;nomp NOMP\nb;B;BOGUS\nc;C;ADAP\n", "x");
  EXPECT_EQ(d.error,
            "xTag (nomp) not supported in line : a;A;nomp NOMP\n"
            "Tag (BOGUS) not supported in line : b;B;BOGUS\n");
  EXPECT_EQ(d.Find("a"), (Readings{{"A", kNomp}}));
  EXPECT_EQ(d.Find("c"), (Readings{{"C", kAdap}}));
  // An entry whose tag set is empty still answers the word, with nothing.
  bool found = false;
  EXPECT_EQ(d.Find("b", &found), Readings{});
  EXPECT_TRUE(found);
}

TEST(SwdLoad, MergesOnlyNeighboursWithSameSourceAndLemma) {
  LoadedSwd d("en",
              "w;L;ADATfp\n"
              "w;L;NOMP ADATfp\n"
              "w;L;ADAP\n"
              "v;A;ADAP\n"
              "v;B;ADAP\n"
              "v;A;NOMP\n");
  EXPECT_EQ(d.error, "");
  EXPECT_EQ(d.Find("w"), (Readings{{"L", kAdap}, {"L", kAdatfp}, {"L", kNomp}}));
  EXPECT_EQ(d.Find("v"), (Readings{{"A", kAdap}, {"B", kAdap}, {"A", kNomp}}));
}

TEST(SwdLookup, LowersTheFirstLetterAndMatchesARunIgnoringCase) {
  LoadedSwd d("de",
              "abC;x;ADAP\nabc;y;ADAP\nabcd;z;ADAP\n\xDE"
              "a;t;ADAP\n\xFE"
              "a;u;ADAP\n");
  EXPECT_EQ(d.error, "");
  // "AbC" becomes "abC", which sorts first: both spellings follow it.
  EXPECT_EQ(d.Find("AbC"), (Readings{{"x", kAdap}, {"y", kAdap}}));
  // Sources that sort before the key are not reached.
  EXPECT_EQ(d.Find("abc"), (Readings{{"y", kAdap}}));
  EXPECT_EQ(d.Find("Abc"), (Readings{{"y", kAdap}}));
  // "aBC" sorts before both and reaches both.
  EXPECT_EQ(d.Find("ABC"), (Readings{{"x", kAdap}, {"y", kAdap}}));
  // 0xDE is no capital for the Latin fold.
  EXPECT_EQ(d.Find("\xDE"
                   "a"),
            (Readings{{"t", kAdap}}));
  bool found = true;
  EXPECT_EQ(d.Find("", &found), Readings{});
  EXPECT_FALSE(found);
}

TEST(SwdLookup, RussianCodesFoldYoAndTheFirstCapital) {
  const std::string file = "\xE0\xE5\xE5;lemma;ADAP\n\x9Ax;nje;ADAP\n";
  for (const char* code : {"ru", "RU", "Ru", "r4", "R4"}) {
    LoadedSwd d(code, file);
    EXPECT_EQ(d.Find("\xC0\xB8\xA8"), (Readings{{"lemma", kAdap}})) << code;
    EXPECT_EQ(d.Find("\x8Ax"), (Readings{{"nje", kAdap}})) << code;
  }
  // "rU" is not one of the Russian spellings: the Latin fold applies.
  LoadedSwd other("rU", file);
  EXPECT_EQ(other.Find("\xC0\xB8\xA8"), Readings{});
}

TEST(SwdLookup, GreekCodesFoldTonosAndTheFirstCapital) {
  LoadedSwd d("gr",
              "\xDC\xDC;alpha;ADAP\n"
              "\xDD;epsilon;ADAP\n"
              "\xFE;omega;ADAP\n"
              "\xE1;small;ADAP\n"
              "Ab;latin;ADAP\n");
  EXPECT_EQ(d.error, "");
  EXPECT_EQ(d.Find("\xA2\xB6"), (Readings{{"alpha", kAdap}}));
  EXPECT_EQ(d.Find("\xB8"), (Readings{{"epsilon", kAdap}}));
  EXPECT_EQ(d.Find("\xBF"), (Readings{{"omega", kAdap}}));
  EXPECT_EQ(d.Find("\xC1"), (Readings{{"small", kAdap}}));
  // A Latin capital stays as it is for Greek.
  EXPECT_EQ(d.Find("Ab"), (Readings{{"latin", kAdap}}));
}

}  // namespace
