// The table-driven lemcode handlers and the rewrite helpers.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "dictionary/errors.h"
#include "registry/languages.h"
#include "rules/ending_tables.h"
#include "rules/rewrite.h"
#include "rules/table_handlers.h"

namespace {

using lemmatizer::EndingTable;
using lemmatizer::FindLanguage;
using lemmatizer::Language;
using lemmatizer::TableDrivenHandler;

// The message of a lemcode outside `code`'s table.
std::string Message(const char* code, int32_t lemcode) {
  return lemmatizer::FormatMessage(FindLanguage(code)->lemcodeMessage, lemcode);
}

// Whether the language's rules are the table rules or a variant of them.
bool HasTableRules(const Language& language) {
  return language.rules == lemmatizer::RulesKind::kTable ||
         language.rules == lemmatizer::RulesKind::kFrench ||
         language.rules == lemmatizer::RulesKind::kAlbanian;
}

const char* const kMemberCodes[] = {"ca", "d4", "da", "du", "e4", "en", "f4", "fi", "fr", "gr",
                                    "i4", "it", "mk", "po", "s4", "sk", "sl", "sv", "al"};

// Runs `code`'s handler on `stem`; returns the result or the raised message.
std::string Apply(const char* code, const std::string& stem, int32_t lemcode) {
  LemcodeHandler handler = TableDrivenHandler(code);
  if (handler == nullptr) return "not offered";
  char buffer[1024 + kStemGrowthReserve + 1];
  std::strcpy(buffer, stem.c_str());
  try {
    handler(buffer, static_cast<int32_t>(stem.size()), lemcode, 0);
  } catch (const std::string& message) {
    return "error: " + message + " | stem " + buffer;
  }
  return buffer;
}

TEST(TableHandlers, EveryPresentMemberHasItsSizeAndBoundsAndMessage) {
  int offered = 0;
  for (const char* code : kMemberCodes) {
    const Language* member = FindLanguage(code);
    ASSERT_NE(member, nullptr) << code;
    ASSERT_TRUE(HasTableRules(*member)) << code;
    int32_t size = 0;
    const char* const* table = EndingTable(code, &size);
    if (table == nullptr) {
      EXPECT_EQ(TableDrivenHandler(code), nullptr) << code;  // not offered without its table
      continue;
    }
    ++offered;
    ASSERT_EQ(size, member->endingCount) << code;
    for (int32_t i = 0; i < size; ++i) {
      EXPECT_LT(std::strlen(table[i]), static_cast<size_t>(kStemGrowthReserve)) << code << i;
    }
    // Lemcode 0 appends nothing (the prefix rule still applies), N-1 the
    // last entry, N and negative codes raise.
    EXPECT_EQ(Apply(code, "stem", 0), "stem") << code;
    EXPECT_EQ(Apply(code, "stem", size - 1),
              size == 1 ? "stem" : std::string("stem") + table[size - 1]);
    const std::string stem = Apply(code, "stem", 0);
    EXPECT_EQ(Apply(code, "stem", size), "error: " + Message(code, size) + " | stem " + stem);
    EXPECT_EQ(Apply(code, "stem", -3), "error: " + Message(code, -3) + " | stem " + stem);
  }
  EXPECT_GE(offered, 3);  // fr, al and i4 are written out in full
  EXPECT_FALSE(HasTableRules(*FindLanguage("de")));
  EXPECT_EQ(TableDrivenHandler("de"), nullptr);
  EXPECT_EQ(TableDrivenHandler("es"), nullptr);
}

TEST(TableHandlers, MessagesOfBothKinds) {
  EXPECT_EQ(Message("ca", 7), "lemcode (7) not supported with CA");
  EXPECT_EQ(Message("da", 7), "lemcode (7 not supported with DA");
  EXPECT_EQ(Message("d4", 7), "lemcode (7) not supported with DE-XH");
  EXPECT_EQ(Message("i4", 7), "lemcode (7) not supported with IT");
  EXPECT_EQ(Message("al", 7), "lemcode (7 not supported with AL");
  EXPECT_EQ(FindLanguage("gr")->endingCount, 2388);
  EXPECT_EQ(FindLanguage("po")->endingCount, 512);
}

TEST(TableHandlers, ItalianSecondEditionHasOnlyLemcodeZero) {
  EXPECT_EQ(Apply("i4", "casa", 0), "casa");
  EXPECT_EQ(Apply("i4", "casa", 1), "error: lemcode (1) not supported with IT | stem casa");
}

TEST(TableHandlers, FrenchWritesAtTheStemLengthAndRestoresAccents) {
  EXPECT_EQ(Apply("fr", "chant", 28), "chanter");
  EXPECT_EQ(Apply("fr",
                  "c\xE8"
                  "d",
                  59),
            "c\xE9"
            "der");
  EXPECT_EQ(Apply("fr", "l\xE8v", 60), "lever");
  EXPECT_EQ(Apply("fr", "aim", 59), "aimer");  // no 0xE8: nothing further
  EXPECT_EQ(Apply("fr", "mot", 0), "mot");
  EXPECT_EQ(Apply("fr", "x", 87), "xdre");
  EXPECT_EQ(Apply("fr", "x", 88), "error: lemcode (88) not supported with french | stem x");
}

TEST(TableHandlers, AlbanianNegationPrefix) {
  EXPECT_EQ(Apply("al", "s'kuptu", 0), "kuptu");
  EXPECT_EQ(Apply("al", "s'kuptu", 18), "kuptue");
  EXPECT_EQ(Apply("al", "s'a", 0), "a");
  EXPECT_EQ(Apply("al", "s'", 0), "s'");
  EXPECT_EQ(Apply("al", "bas'k", 0), "bas'k");
  EXPECT_EQ(Apply("al", "pun", 86), "pun\xEBt");
  EXPECT_EQ(Apply("al", "pun", 76),
            "pun\xE7"
            "eant\xEB");
  EXPECT_EQ(Apply("al", "s'pun", 87), "error: lemcode (87 not supported with AL | stem pun");
  EXPECT_EQ(Apply("al", "pun", -1), "error: lemcode (-1 not supported with AL | stem pun");
}

TEST(TableHandlers, SerbianPrefixesAreRemovedFromLongerStems) {
  if (TableDrivenHandler("sl") == nullptr) GTEST_SKIP() << "sl table not generated";
  EXPECT_EQ(Apply("sl", "najbolj", 0), "bolj");
  EXPECT_EQ(Apply("sl", "naj", 0), "naj");
  if (TableDrivenHandler("sk") == nullptr) GTEST_SKIP() << "sk table not generated";
  EXPECT_EQ(Apply("sk", "\xED\xE0\xBC\xE1\xEE\xFB", 0), "\xE1\xEE\xFB");
}

TEST(EndingTables, TellingRowsSitAtTheirIndices) {
  struct Row {
    const char* code;
    int32_t index;
    const char* entry;
  };
  const Row rows[] = {
      {"ca", 1, "1"},        {"ca", 2, "a"},       {"ca", 3, "aber"},      {"da", 1, "a"},
      {"da", 2, "ad"},       {"da", 3, "ade"},     {"en", 1, "-in-chief"}, {"en", 2, "-in-law"},
      {"en", 3, "-melting"}, {"en", 66, "\x82"},   {"en", 67, "os"},       {"it", 1, "a"},
      {"it", 2, "acee"},     {"it", 3, "adonna"},  {"it", 116, "\xE0"},    {"it", 117, "rre"},
      {"it", 118, "urre"},   {"po", 1, "-aberta"}, {"po", 2, "-amarela"},  {"sl", 1, "a"},
      {"sl", 2, "ac"},       {"sl", 3, "ajati"},   {"fr", 0, ""},          {"fr", 22, "\xEEtre"},
      {"fr", 82, "\xE8s"},   {"al", 1, "a"},       {"al", 85, "\xEBsi"},   {"i4", 0, "nix"}};
  for (const Row& row : rows) {
    int32_t size = 0;
    const char* const* table = EndingTable(row.code, &size);
    if (table == nullptr) continue;  // generated with the dictionaries
    ASSERT_GT(size, row.index) << row.code;
    EXPECT_STREQ(table[row.index], row.entry) << row.code << " " << row.index;
  }
}

TEST(EndingTables, EntriesAreDistinct) {
  for (int32_t t = 0; t < lemmatizer::kCompiledEndingTableCount; ++t) {
    const auto& table = lemmatizer::kCompiledEndingTables[t];
    // The French table repeats some endings on purpose; the Russian tables
    // belong to rule handlers, not to this family.
    const Language& language = *table.language;
    if (!HasTableRules(language) || language.rules == lemmatizer::RulesKind::kFrench) continue;
    std::set<std::string> seen;
    for (int32_t i = 1; i < table.size; ++i) {
      EXPECT_TRUE(seen.insert(table.entries[i]).second) << language.code << " " << i;
    }
  }
}

TEST(Rewrite, ReplaceSuffix) {
  char word[32] = "haus";
  EXPECT_EQ(lemmatizer::ReplaceSuffix("us", "ut", word), 1);
  EXPECT_STREQ(word, "haut");
  EXPECT_EQ(lemmatizer::ReplaceSuffix("xhaut", "", word), 0);
  EXPECT_EQ(lemmatizer::ReplaceSuffix("ha", "", word), 0);
  EXPECT_STREQ(word, "haut");
}

TEST(Rewrite, ReplaceSuffixFromTable) {
  const lemmatizer::SuffixPair table[] = {
      {"BAKEN", "BACKEN"}, {"HAFEN", "HAFFEN"}, {nullptr, nullptr}};
  char word[32] = "BAKEN";
  EXPECT_EQ(lemmatizer::ReplaceSuffixFromTable(word, table), 1);
  EXPECT_STREQ(word, "BACKEN");
  char shorter[32] = "BAKE";
  EXPECT_EQ(lemmatizer::ReplaceSuffixFromTable(shorter, table), 0);
  char later[32] = "XHAFEN";
  EXPECT_EQ(lemmatizer::ReplaceSuffixFromTable(later, table), 1);
  EXPECT_STREQ(later, "XHAFFEN");
  const lemmatizer::SuffixPair empty[] = {{nullptr, nullptr}};
  EXPECT_EQ(lemmatizer::ReplaceSuffixFromTable(later, empty), 0);
}

TEST(Rewrite, ReplaceStemVowel) {
  char sang[32] = "SANG", baum[32] = "BAUM", abc[32] = "ABC", xyz[32] = "XYZ", a[32] = "A";
  EXPECT_STREQ(lemmatizer::ReplaceStemVowel("AE", sang), "SAENG");
  EXPECT_STREQ(lemmatizer::ReplaceStemVowel("I", baum), "BIM");
  EXPECT_STREQ(lemmatizer::ReplaceStemVowel("U", abc), "UBC");
  EXPECT_STREQ(lemmatizer::ReplaceStemVowel("U", xyz), "XYZ");
  EXPECT_STREQ(lemmatizer::ReplaceStemVowel("EI", a), "EI");
}

TEST(Rewrite, ReplaceLastOccurrence) {
  char word[64] = "abcab";
  EXPECT_STREQ(lemmatizer::ReplaceLastOccurrence("ab", "X", word), "abcX");
  EXPECT_STREQ(lemmatizer::ReplaceLastOccurrence("zz", "X", word), "abcX");
  EXPECT_STREQ(lemmatizer::ReplaceLastOccurrence("c", "quir", word), "abquirX");
  // Longer than 255 bytes is no limit here.
  std::string longWord(600, 'a');
  longWord += "ie";
  std::vector<char> buffer(longWord.begin(), longWord.end());
  buffer.resize(longWord.size() + 8, '\0');
  lemmatizer::ReplaceLastOccurrence("ie", "e", buffer.data());
  EXPECT_EQ(std::string(buffer.data()), std::string(600, 'a') + "e");
}

}  // namespace
