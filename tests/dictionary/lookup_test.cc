// The trie walk of FindLemmas on well-formed and malformed dictionaries.
#include <gtest/gtest.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "dictionary/greek_normalizer.h"
#include "dictionary/lemmatizer.h"
#include "rules/table_handlers.h"
#include "tests/support/test_files.h"

namespace {

using lemmatizer::EncodeHsqResult;
using lemmatizer::HsqResult;
using testing_support::BuildTrie;
using testing_support::HsqRecord;

// Shows the lemcode in the lemma: "stem+code" (nothing for code 0).
int32_t MarkLemcode(char* stem, int32_t, int32_t lemcode, intptr_t) {
  if (lemcode != 0) std::sprintf(stem + std::strlen(stem), "+%d", lemcode);
  return lemcode;
}

int32_t R(int32_t rawTag, int32_t cut, int32_t lemcode) {
  return EncodeHsqResult(HsqResult{rawTag, cut, lemcode});
}

class Lookup : public ::testing::Test {
 protected:
  void Open(const std::vector<HsqRecord>& records, LemcodeHandler handler = MarkLemcode) {
    const std::string path = testing_support::MakeTempDir() + "t-cwd.hsq";
    testing_support::WriteFile(path, testing_support::HsqBytes(records));
    dictionary_ = std::make_unique<CLemmatizer>(path.c_str(), handler, 0);
  }
  // "lemma/tag" pairs joined by blanks.
  std::string Find(const char* word) {
    lemmas_.clear();
    tags_.clear();
    dictionary_->FindLemmas(word, lemmas_, tags_);
    EXPECT_EQ(lemmas_.size(), tags_.size());
    std::string out;
    for (size_t i = 0; i < lemmas_.size(); ++i) {
      if (!out.empty()) out += ' ';
      out += lemmas_[i] + "/" + std::to_string(tags_[i]);
    }
    return out;
  }
  std::unique_ptr<CLemmatizer> dictionary_;
  std::vector<std::string> lemmas_;
  std::vector<int32_t> tags_;
};

TEST_F(Lookup, ReadingsComeInRecordOrderWithTagNumbers) {
  Open(BuildTrie({{"walks", {{10, 1, 0}, {20, 1, 2}, {30, 0, 0}}}, {"walk", {{0, 0, 0}}}}));
  EXPECT_EQ(Find("walks"), "walk/11 walk+2/21 walks/31");
  EXPECT_EQ(Find("walk"), "walk/1");
  EXPECT_EQ(Find("alks"), "");   // a suffix of a key is no key
  EXPECT_EQ(Find("swalks"), "");  // nor is a longer word
}

TEST_F(Lookup, DefaultNormalizerLowersTheKeyAndTheLemma) {
  Open(BuildTrie({{"\xE4pfel", {{0, 0, 0}}}}));
  EXPECT_EQ(Find("\xC4PFEL"), "\xE4pfel/1");
  EXPECT_EQ(Find("\xE4Pfel"), "\xE4pfel/1");
}

TEST_F(Lookup, CutCorrections) {
  Open(BuildTrie({{"ab", {{1, 2, 0}, {2, 2, 5}, {3, 3, 5}, {4, 1, 7}}}}));
  // cut = L with lemcode 0 keeps the word; cut = L with a lemcode leaves the
  // empty stem; cut > L keeps the word and drops the lemcode.
  EXPECT_EQ(Find("ab"), "ab/2 +5/3 ab/4 a+7/5");
}

TEST_F(Lookup, EmptyWordUsesTheWordStartOnly) {
  Open({{'#', R(4, 0, 0)}, {'+', R(9, 0, 0)}});
  EXPECT_EQ(Find(""), "/5");
  EXPECT_EQ(Find("x"), "x/10");  // through the wildcard
}

TEST_F(Lookup, AResultReachedThroughTheWildcardIsOneReading) {
  Open({{'+', R(1, 0, 0)}, {'d', R(2, 0, 0)}});
  EXPECT_EQ(Find("d"), "d/2");
}

TEST_F(Lookup, OnlyResultRecordsContinueARun) {
  // The second 'a' is an inner record with the same character.
  Open({{'a', R(1, 0, 0)}, {'a', 3}, {'+', R(3, 0, 0)}});
  EXPECT_EQ(Find("a"), "a/2");
}

TEST_F(Lookup, ConsumingTheWordStartIntoAnInnerRecordGivesNothing) {
  Open({{'a', 2}, {'#', 3}, {'+', 3}});
  EXPECT_EQ(Find("a"), "");
}

TEST_F(Lookup, MalformedTriesEndTheWalkWithoutReading) {
  Open({{'a', 99}});  // child index past the records
  EXPECT_EQ(Find("a"), "");
  Open({{'x', R(1, 0, 0)}});  // the node scan runs off the end
  EXPECT_EQ(Find("a"), "");
  Open({{'a', R(1, 0, 0)}, {'a', R(2, 0, 0)}});  // the run reaches the last record
  EXPECT_EQ(Find("a"), "a/2 a/3");
  Open({{'b', 2}, {'a', 1}});  // a link back to an earlier record is legal and ends
  EXPECT_EQ(Find("ab"), "");
  Open({{'b', INT32_MAX}});
  EXPECT_EQ(Find("b"), "");
}

TEST_F(Lookup, RawTagBounds) {
  Open(BuildTrie({{"x", {{1849, 0, 0}}}, {"y", {{0, 0, 0}, {1850, 0, 0}}}}));
  EXPECT_EQ(Find("x"), "x/1850");
  try {
    Find("y");
    ADD_FAILURE();
  } catch (const char* text) {
    EXPECT_STREQ(text, "GetTagSet: out of bounds : 1851");
  }
  EXPECT_EQ(lemmas_.size(), 1u);  // the readings before it stay
  EXPECT_EQ(CLemmatizer::GetTagSet(0), 1);
  EXPECT_EQ(CLemmatizer::GetTagSet(-1), 0);
}

TEST_F(Lookup, TheMostNegativeValueDecodesWithoutOverflow) {
  Open({{'z', INT_MIN}});  // raw tag 2048
  try {
    Find("z");
    ADD_FAILURE();
  } catch (const char* text) {
    EXPECT_STREQ(text, "GetTagSet: out of bounds : 2049");
  }
}

TEST_F(Lookup, HandlerErrorsPassOutWithTheTagAlreadyListed) {
  LemcodeHandler french = lemmatizer::TableDrivenHandler("fr");
  ASSERT_NE(french, nullptr);
  Open(BuildTrie({{"mot", {{2, 0, 1}, {3, 0, 88}}}}), french);
  try {
    Find("mot");
    ADD_FAILURE();
  } catch (const std::string& message) {
    EXPECT_EQ(message, "lemcode (88) not supported with french");
  }
  EXPECT_EQ(tags_.size(), lemmas_.size() + 1);
}

TEST_F(Lookup, LongWordsNeverOverrunTheWorkBuffers) {
  Open(BuildTrie({}, {{0, 0, 1}}));  // every word: itself plus "+1"
  const std::string fits(CLemmatizer::kWorkBufferSize - 2, 'a');
  EXPECT_EQ(Find(fits.c_str()), fits + "+1/1");
  const std::string tooLong(CLemmatizer::kWorkBufferSize - 1, 'a');
  EXPECT_EQ(Find(tooLong.c_str()), "");
  const std::string huge(100000, 'b');
  EXPECT_EQ(Find(huge.c_str()), "");
}

TEST(LookupState, AnObjectThatIsNotLoadedRaisesAndKeepsTheLists) {
  struct Unloaded : CLemmatizer {};
  Unloaded dictionary;
  std::vector<std::string> lemmas{"kept"};
  std::vector<int32_t> tags{5};
  try {
    dictionary.FindLemmas("word", lemmas, tags);
    ADD_FAILURE();
  } catch (const char* text) {
    EXPECT_STREQ(text, "Lemmatizer object is not initialised !");
  }
  EXPECT_EQ(lemmas.size(), 1u);
  EXPECT_EQ(tags.size(), 1u);
}

TEST(Normalizers, DefaultAndGreekTables) {
  char key[32];
  CWordNormalizer standard;
  ASSERT_TRUE(standard.Normalize("\xC4\xD6\xDC\xDF", key, sizeof(key)));
  EXPECT_STREQ(key, "\xE4\xF6\xFC\xDF");
  ASSERT_TRUE(standard.Normalize("\xDE\x58\xD7", key, sizeof(key)));
  EXPECT_STREQ(key, "\xDE\x78\xD7");
  EXPECT_FALSE(standard.Normalize("abcd", key, 4));  // no room for the terminator

  CGreekNormalizer greek;
  ASSERT_TRUE(greek.Normalize("A\x8A\xA2\xB6\xB8\xB9\xBA\xBC\xBE\xBF\xC1\xD1\xD2\xD3\xDB\xDC",
                              key, sizeof(key)));
  EXPECT_STREQ(key, "a\x9A\xDC\xDC\xDD\xDE\xDF\xFC\xFD\xFE\xE1\xF1\xD2\xF3\xFB\xDC");
}

}  // namespace
