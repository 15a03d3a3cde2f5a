#include "dictionary/tag_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "registry/extended_tags.h"

namespace {

std::string StringRaised(int32_t n) {
  try {
    CTagTable::GetString(n);
  } catch (const std::string& message) {
    return message;
  }
  return "nothing raised";
}

TEST(TagTable, NamesAreDistinctAndRoundTrip) {
  std::set<std::string> seen;
  for (int32_t n = 1; n <= CTagTable::kLastTag; ++n) {
    const std::string name = CTagTable::GetString(n);
    ASSERT_FALSE(name.empty()) << n;
    EXPECT_TRUE(seen.insert(name).second) << "duplicate " << name;
    EXPECT_EQ(CTagTable::GetTagNumber(name.c_str()), n) << name;
  }
  EXPECT_EQ(seen.count("TAGNO"), 0u);
  EXPECT_STREQ(CTagTable::Entry(1850), "TAGNO");
  EXPECT_STREQ(CTagTable::Entry(0), "");
}

TEST(TagTable, FixedNumbersAndGeneratedRanges) {
  EXPECT_STREQ(CTagTable::GetString(1), "SCAT");
  EXPECT_STREQ(CTagTable::GetString(97), "NOMP");
  EXPECT_STREQ(CTagTable::GetString(303), "ANYC");
  EXPECT_STREQ(CTagTable::GetString(304), "H0");
  EXPECT_STREQ(CTagTable::GetString(316), "H12");
  EXPECT_STREQ(CTagTable::GetString(1304), "H1000");
  EXPECT_STREQ(CTagTable::GetString(1305), "PRPFfs");
  EXPECT_STREQ(CTagTable::GetString(1308), "PRPFmp");
  EXPECT_STREQ(CTagTable::GetString(1309), "H00");
  EXPECT_STREQ(CTagTable::GetString(1318), "H09");
  EXPECT_STREQ(CTagTable::GetString(1319), "COAD");
  EXPECT_STREQ(CTagTable::GetString(1337), "PCSC");
  EXPECT_STREQ(CTagTable::GetString(1345), "PCPI");
  EXPECT_STREQ(CTagTable::GetString(1346), "H1001");
  EXPECT_STREQ(CTagTable::GetString(1545), "H1200");
  EXPECT_STREQ(CTagTable::GetString(1546), "VABB");
  EXPECT_STREQ(CTagTable::GetString(1549), "UMWE");
  EXPECT_STREQ(CTagTable::GetString(1550), "H1201");
  EXPECT_STREQ(CTagTable::GetString(1849), "H1500");
  EXPECT_EQ(CTagTable::GetTagNumber("H00"), 1309);
  EXPECT_EQ(CTagTable::GetTagNumber("H0"), 304);
  EXPECT_EQ(CTagTable::GetTagNumber("H1001"), 1346);
  EXPECT_EQ(CTagTable::GetTagNumber("UMWE"), 1549);
}

TEST(TagTable, OutOfBoundsAndUnknownNamesRaiseStringObjects) {
  EXPECT_EQ(StringRaised(0), "GetString(0) out of bounds ! max(1849)");
  EXPECT_EQ(StringRaised(1850), "GetString(1850) out of bounds ! max(1849)");
  EXPECT_EQ(StringRaised(-7), "GetString(-7) out of bounds ! max(1849)");
  for (const char* name : {"scat", "TAGNO", "", "H1501", "SCAT "}) {
    try {
      CTagTable::GetTagNumber(name);
      ADD_FAILURE() << "no error for " << name;
    } catch (const std::string& message) {
      EXPECT_EQ(message, std::string("lemmatizer: Language : doesn't contain tag : ") + name);
    }
  }
}

TEST(ExtendedTags, BothDirectionsFromOneTable) {
  EXPECT_STREQ(lemmatizer::ExtendedTagName(2000), "P1PA");
  EXPECT_STREQ(lemmatizer::ExtendedTagName(2012), "A");
  EXPECT_STREQ(lemmatizer::ExtendedTagName(2042), "C");
  EXPECT_STREQ(lemmatizer::ExtendedTagName(2117), "P");
  EXPECT_STREQ(lemmatizer::ExtendedTagName(2136), "R");
  EXPECT_STREQ(lemmatizer::ExtendedTagName(2137), "S");
  EXPECT_STREQ(lemmatizer::ExtendedTagName(2150), "NR");
  EXPECT_EQ(lemmatizer::ExtendedTagName(1999), nullptr);
  EXPECT_EQ(lemmatizer::ExtendedTagName(2151), nullptr);
  std::set<std::string> seen;
  for (int32_t tag = 2000; tag <= 2150; ++tag) {
    const char* name = lemmatizer::ExtendedTagName(tag);
    EXPECT_TRUE(seen.insert(name).second) << name;
    EXPECT_EQ(lemmatizer::ExtendedTagNumber(name), tag) << name;
  }
  EXPECT_EQ(lemmatizer::ExtendedTagNumber("NOMP"), -1);
  EXPECT_EQ(lemmatizer::ExtendedTagNumber(nullptr), -1);
}

}  // namespace
