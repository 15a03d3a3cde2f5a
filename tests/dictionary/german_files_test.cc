// The writers of the German sharp-s trie and prefix cells, checked through
// the readers that use the files.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "dictionary/german_normalizer.h"
#include "dictionary/sharp_s_writer.h"
#include "rules/german.h"
#include "rules/german_prefix_writer.h"
#include "tests/support/test_files.h"

namespace {

using lemmatizer::PrefixCellBytes;
using lemmatizer::SharpSEntry;
using lemmatizer::SharpSTrieBytes;

int32_t ClassOf(const std::string& trie, const std::string& text) {
  const std::string path = testing_support::MakeTempDir() + "de-ss.hsq";
  testing_support::WriteFile(path, trie);
  CGermanNormalizer normalizer(path.c_str());
  return normalizer.get_lemcode_simple(text.c_str());
}

TEST(SharpSWriter, WholeTextsBeforeLongestSuffixBeforeDefault) {
  const std::string trie = SharpSTrieBytes({{"SS", 5, false},
                                            {"FUSS", 3, false},
                                            {"FUSS", 2, true},
                                            {"STRASSE", 1, true},
                                            {"", 9, true}},
                                           4);
  ASSERT_EQ(trie.size() % CGermanNormalizer::kSharpSRecordSize, 0u);
  EXPECT_EQ(ClassOf(trie, "STRASSE"), 1);
  EXPECT_EQ(ClassOf(trie, "HAUPTSTRASSE"), 4);  // whole text only
  EXPECT_EQ(ClassOf(trie, "FUSS"), 2);
  EXPECT_EQ(ClassOf(trie, "BARFUSS"), 3);
  EXPECT_EQ(ClassOf(trie, "KUSS"), 5);
  EXPECT_EQ(ClassOf(trie, "SS"), 5);
  EXPECT_EQ(ClassOf(trie, "S"), 4);
  EXPECT_EQ(ClassOf(trie, "HAUS"), 4);
  EXPECT_EQ(ClassOf(trie, ""), 9);
  EXPECT_EQ(ClassOf(SharpSTrieBytes({}, 0), "ANYTHING"), 0);
  // Bytes 1-3 of every record are zero but in the closing checksum record.
  const size_t last = trie.size() - CGermanNormalizer::kSharpSRecordSize;
  for (size_t at = 0; at < last; at += CGermanNormalizer::kSharpSRecordSize) {
    EXPECT_EQ(trie.substr(at + 1, 3), std::string(3, '\0'));
  }
  EXPECT_EQ(trie.substr(last, 4), std::string("\0crc", 4));
}

TEST(SharpSWriter, RejectsWhatTheFormatCannotHold) {
  EXPECT_THROW(SharpSTrieBytes({{"A+B", 1, true}}, 0), std::invalid_argument);
  EXPECT_THROW(SharpSTrieBytes({{"#AB", 1, true}}, 0), std::invalid_argument);
  EXPECT_THROW(SharpSTrieBytes({{std::string("A\0B", 3), 1, true}}, 0), std::invalid_argument);
  EXPECT_THROW(SharpSTrieBytes({{"FUSS", 1, true}, {"FUSS", 2, true}}, 0), std::invalid_argument);
  EXPECT_THROW(SharpSTrieBytes({{"FUSS", -1, true}}, 0), std::invalid_argument);
  EXPECT_THROW(SharpSTrieBytes({}, -1), std::invalid_argument);
  EXPECT_THROW(SharpSTrieBytes({{"", 1, false}}, 0), std::invalid_argument);
  EXPECT_NO_THROW(SharpSTrieBytes({{"FUSS", 1, true}, {"FUSS", 1, true}}, 0));
}

bool Known(const std::string& cells, const std::string& word) {
  const std::vector<unsigned char> buffer(cells.begin(), cells.end());
  const lemmatizer::GermanPrefixCells view{buffer.data(), buffer.size()};
  return lemmatizer::IsKnownPrefix(word.c_str(), static_cast<int32_t>(word.size()), &view) == 1;
}

TEST(PrefixWriter, KnowsExactlyTheListedPrefixes) {
  const std::vector<std::string> prefixes = {"AB", "AN",      "AUF", "AUS",    "AUSEIN", "EIN",
                                             "ZU", "ZURUECK", "VOR", "VORAUS", "UEBER",  "AB"};
  const std::string cells = PrefixCellBytes(prefixes);
  ASSERT_EQ(cells.size() % lemmatizer::kPrefixCellSize, 0u);
  for (const std::string& prefix : prefixes) EXPECT_TRUE(Known(cells, prefix)) << prefix;
  for (const char* other :
       {"A", "AU", "AUSE", "AUSEI", "ZUR", "VORA", "ABX", "AUFF", "EINS", "UBER", "B", "Z", "X"}) {
    EXPECT_FALSE(Known(cells, other)) << other;
  }
  EXPECT_FALSE(Known(PrefixCellBytes({}), "AB"));
}

// Random prefix sets over a small alphabet, so that prefixes share stems
// and extend each other: the cells know a word exactly when it is listed.
TEST(PrefixWriter, AgreesWithTheListOnRandomSets) {
  std::mt19937 random(20261206);
  const auto word = [&](int maxLength) {
    std::string text(1 + random() % maxLength, 'A');
    for (char& c : text) c = static_cast<char>('A' + random() % 4);
    return text;
  };
  for (int round = 0; round < 50; ++round) {
    std::vector<std::string> prefixes;
    const int count = 1 + static_cast<int>(random() % 40);
    for (int i = 0; i < count; ++i) prefixes.push_back(word(6));
    const std::set<std::string> listed(prefixes.begin(), prefixes.end());
    const std::string cells = PrefixCellBytes(prefixes);
    for (int probe = 0; probe < 200; ++probe) {
      const std::string candidate = word(7);
      EXPECT_EQ(Known(cells, candidate), listed.count(candidate) == 1) << candidate;
    }
    for (const std::string& prefix : listed) EXPECT_TRUE(Known(cells, prefix)) << prefix;
  }
}

TEST(PrefixWriter, RejectsWhatTheFormatCannotHold) {
  EXPECT_THROW(PrefixCellBytes({""}), std::invalid_argument);
  EXPECT_THROW(PrefixCellBytes({std::string("A\0", 2)}), std::invalid_argument);
  // Every three-letter prefix: more cells than 16-bit links can reach.
  std::vector<std::string> many;
  for (char a = 'A'; a <= 'Z'; ++a) {
    for (char b = 'A'; b <= 'Z'; ++b) {
      for (char c = 'A'; c <= 'Z'; ++c) many.push_back(std::string{a, b, c});
    }
  }
  EXPECT_THROW(PrefixCellBytes(many), std::length_error);
}

}  // namespace
