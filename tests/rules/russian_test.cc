// The Russian editions "ru" and "r4": ending tables, special codes, the
// points in which the two handlers differ, the normalizer, and lookups
// through small dictionaries.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dictionary/russian_lemmatizer.h"
#include "dictionary/russian_normalizer.h"
#include "platform/codepage.h"
#include "rules/ending_tables.h"
#include "rules/lemcode_handler.h"
#include "rules/russian.h"
#include "tests/support/test_files.h"

namespace {

using lemmatizer::R4LemcodeHandler;
using lemmatizer::RussianLemcodeHandler;

// Windows-1251 bytes of UTF-8 text.
std::string Cp(const std::string& utf8) {
  std::string bytes;
  if (!lemmatizer::Utf8ToCodePage(utf8, 1251, bytes)) ADD_FAILURE() << "not 1251: " << utf8;
  return bytes;
}

std::string Utf8(const std::string& bytes) { return lemmatizer::CodePageToUtf8(bytes, 1251); }

// Runs a handler on a stem (UTF-8 in and out) with the stem's length, or
// with `length` when given; returns the lemma or "error: <message> | <stem>".
std::string Apply(LemcodeHandler handler, const std::string& stem, int32_t code,
                  int32_t length = -1) {
  char buffer[1024 + kStemGrowthReserve + 1];
  const std::string bytes = Cp(stem);
  std::strcpy(buffer, bytes.c_str());
  try {
    handler(buffer, length >= 0 ? length : static_cast<int32_t>(bytes.size()), code, 0);
  } catch (const std::string& message) {
    return "error: " + message + " | " + Utf8(buffer);
  }
  return Utf8(buffer);
}

struct Entry {
  int32_t index;
  const char* text;
};

void ExpectEntries(const char* code, int32_t size, const std::vector<Entry>& entries) {
  int32_t actual = 0;
  const char* const* table = lemmatizer::EndingTable(code, &actual);
  ASSERT_NE(table, nullptr) << code;
  ASSERT_EQ(actual, size) << code;
  for (const Entry& entry : entries) {
    EXPECT_EQ(table[entry.index], Cp(entry.text)) << code << " entry " << entry.index;
  }
}

TEST(RussianTables, RussianEntriesByIndex) {
  // The first and last entry of every row of ten, and a spread between.
  ExpectEntries(
      "ru", 237,
      {{0, ""},           {1, "а"},         {4, "аться"},    {9, "гий"},       {10, "гой"},
       {19, "е"},         {20, "ев"},       {29, "ер"},      {30, "ереть"},    {34, "есться"},
       {39, "жать"},      {41, "жаться"},   {49, "ить"},     {50, "иться"},    {55, "кий"},
       {59, "лый"},       {60, "ля"},       {63, "мять"},    {69, "нуться"},   {70, "ный"},
       {79, "овь"},       {80, "огнаться"}, {89, "оть"},     {90, "оться"},    {93, "очься"},
       {95, "рать"},      {99, "саться"},   {100, "сеть"},   {109, "стеться"}, {110, "сти"},
       {118, "тереться"}, {119, "теть"},    {120, "теться"}, {124, "тый"},     {129, "хать"},
       {130, "хо"},       {139, "ыться"},   {140, "ь"},      {149, "ья"},      {150, "я"},
       {154, "дой"},      {157, "кий"},     {158, "хий"},    {161, "на"},      {166, "емь"},
       {170, "ести"},     {173, "еста"},    {176, "спить"},  {179, "тись"},    {180, "идти"},
       {184, "аря"},      {189, "ы"},       {190, "ен"},     {199, "вить"},    {200, "бить"},
       {209, "гаться"},   {210, "йный"},    {213, "онь"},    {219, "ываться"}, {220, "гнуть"},
       {222, "елить"},    {225, "ошь"},     {229, "ет"},     {230, "ель"},     {236, "йцо"}});
  // The entries of the special codes are never appended and hold nothing.
  ExpectEntries("ru", 237,
                {{40, ""},
                 {64, ""},
                 {75, ""},
                 {94, ""},
                 {159, ""},
                 {160, ""},
                 {167, ""},
                 {168, ""},
                 {169, ""},
                 {174, ""},
                 {175, ""},
                 {211, ""},
                 {212, ""},
                 {223, ""},
                 {224, ""}});
}

TEST(RussianTables, R4EntriesByIndex) {
  ExpectEntries("r4", 266,
                {{0, "0"},
                 {1, "-авианосец"},
                 {4, "-блок"},
                 {5, "-бомбардировщик"},
                 {9, "-генератор"},
                 {10, "-герой"},
                 {19, "-изготовитель"},
                 {20, "-импортер"},
                 {29, "-ледник"},
                 {30, "-летчик"},
                 {34, "-наблюдатель"},
                 {39, "-певец"},
                 {40, "-перехватчик"},
                 {44, "-производитель"},
                 {49, "-рефрижератор"},
                 {50, "-рецидивист"},
                 {59, "-тяжеловоз"},
                 {60, "-фронтовик"},
                 {64, "-цистерна"},
                 {65, "-человек"},
                 {66, "а"},
                 {69, "а-импортер"},
                 {70, "а-молния"},
                 {72, "а-производитель"},
                 {79, "бить"},
                 {80, "биться"},
                 {89, "гнуть"},
                 {90, "гой"},
                 {94, "дить"},
                 {99, "еваться"},
                 {100, "ее"},
                 {109, "ен"},
                 {110, "енок"},
                 {119, "еться"},
                 {120, "ец"},
                 {124, "жечь"},
                 {129, "зиться"},
                 {130, "зкий"},
                 {139, "иться"},
                 {140, "й"},
                 {149, "к"},
                 {150, "ка"},
                 {154, "кий"},
                 {159, "ло"},
                 {160, "лый"},
                 {169, "нуть"},
                 {170, "нуться"},
                 {179, "овать"},
                 {180, "оваться"},
                 {184, "одраться"},
                 {189, "олоть"},
                 {190, "он"},
                 {199, "переться"},
                 {200, "рать"},
                 {209, "скать"},
                 {210, "скаться"},
                 {212, "стать"},
                 {219, "стый"},
                 {220, "сть"},
                 {229, "ти"},
                 {230, "тись"},
                 {239, "це"},
                 {240, "чь"},
                 {244, "ы"},
                 {249, "ь-кран"},
                 {250, "ье"},
                 {259, "ьцо"},
                 {260, "ья"},
                 {265, "яя"}});
}

// Every special code with a stem that carries its prefix, one that does
// not, and the ending it appends: the two editions share the rules.
TEST(RussianSpecialCodes, StripThePrefixWhenPresentThenAppendTheEnding) {
  struct Special {
    int32_t russian;
    int32_t r4;  // -1: none
    const char* prefix;
    const char* ending;
  };
  const Special specials[] = {
      {75, 2000, "по", "ый"},    {94, 2001, "по-", "ый"},   {40, 2002, "по-", "ий"},
      {159, 2003, "по-", "й"},   {175, 2004, "по", "стый"}, {211, 2005, "по", "ий"},
      {160, 2006, "по", "кий"},  {167, 2007, "по", "ой"},   {168, 2008, "по", "дкий"},
      {169, 2009, "по", "зкий"}, {174, 2010, "по", "гий"},  {64, 2011, "наи", "ой"},
      {224, 2012, "наи", "ый"},  {223, 2013, "наи", "ий"},  {212, -1, "по-", "ой"}};
  for (const Special& s : specials) {
    const std::string prefixed = std::string(s.prefix) + "нов";
    EXPECT_EQ(Apply(RussianLemcodeHandler, prefixed, s.russian), std::string("нов") + s.ending)
        << s.russian;
    EXPECT_EQ(Apply(RussianLemcodeHandler, "нов", s.russian), std::string("нов") + s.ending)
        << s.russian;
    if (s.r4 < 0) continue;
    EXPECT_EQ(Apply(R4LemcodeHandler, prefixed, s.r4), std::string("нов") + s.ending) << s.r4;
    EXPECT_EQ(Apply(R4LemcodeHandler, "нов", s.r4), std::string("нов") + s.ending) << s.r4;
  }
}

TEST(RussianSpecialCodes, Examples) {
  EXPECT_EQ(Apply(RussianLemcodeHandler, "наибольш", 64), "большой");
  EXPECT_EQ(Apply(RussianLemcodeHandler, "больш", 64), "большой");
  // Code 94 strips "по-" and appends "ый", as stored dictionaries encode it.
  EXPECT_EQ(Apply(RussianLemcodeHandler, "по-русск", 94), "русскый");
  // Code 75 strips only the two bytes "по": the hyphen stays.
  EXPECT_EQ(Apply(RussianLemcodeHandler, "по-русск", 75), "-русскый");
  EXPECT_EQ(Apply(RussianLemcodeHandler, "по-нов", 212), "новой");
  EXPECT_EQ(Apply(R4LemcodeHandler, "по-нов", 212), "по-новстать");  // no such rule in R4
  EXPECT_EQ(Apply(R4LemcodeHandler, "наибольш", 2011), "большой");
  EXPECT_EQ(Apply(R4LemcodeHandler, "наистар", 2012), "старый");
  // A stem that is exactly the prefix, or shorter than it.
  EXPECT_EQ(Apply(RussianLemcodeHandler, "по", 167), "ой");
  EXPECT_EQ(Apply(RussianLemcodeHandler, "п", 167), "пой");
  EXPECT_EQ(Apply(R4LemcodeHandler, "на", 2011), "наой");
  EXPECT_EQ(Apply(RussianLemcodeHandler, "", 94), "ый");
}

TEST(RussianHandlers, TableCodes) {
  EXPECT_EQ(Apply(RussianLemcodeHandler, "рук", 1), "рука");
  EXPECT_EQ(Apply(R4LemcodeHandler, "рук", 66), "рука");
  EXPECT_EQ(Apply(R4LemcodeHandler, "пулемет", 2), "пулемет-автомат");
  EXPECT_EQ(Apply(R4LemcodeHandler, "стро", 265), "строяя");
  EXPECT_EQ(Apply(RussianLemcodeHandler, "стро", 236), "стройцо");
  EXPECT_EQ(Apply(RussianLemcodeHandler, "рук", 0), "рук");
  EXPECT_EQ(Apply(R4LemcodeHandler, "рук", 0), "рук");
}

TEST(RussianHandlers, RussianWritesAtTheGivenLengthR4AtTheEnd) {
  EXPECT_EQ(Apply(RussianLemcodeHandler, "рукx", 1, 3), "рука");
  EXPECT_EQ(Apply(RussianLemcodeHandler, "рукx", 0, 3), "рук");  // the empty entry 0
  EXPECT_EQ(Apply(R4LemcodeHandler, "рукx", 66, 3), "рукxа");
  EXPECT_EQ(Apply(R4LemcodeHandler, "рукx", 0, 3), "рукx");
}

TEST(RussianHandlers, UnusableCodesRaiseAndLeaveTheStem) {
  EXPECT_EQ(Apply(RussianLemcodeHandler, "рук", 237),
            "error: lemcode (237) not supported with russian | рук");
  EXPECT_EQ(Apply(RussianLemcodeHandler, "рук", -1),
            "error: lemcode (-1) not supported with russian | рук");
  EXPECT_EQ(Apply(RussianLemcodeHandler, "понов", 2000),
            "error: lemcode (2000) not supported with russian | понов");
  EXPECT_EQ(Apply(R4LemcodeHandler, "рук", 266), "error: lemcode (266 not supported with R4 | рук");
  EXPECT_EQ(Apply(R4LemcodeHandler, "рук", 1999),
            "error: lemcode (1999 not supported with R4 | рук");
  EXPECT_EQ(Apply(R4LemcodeHandler, "понов", 2014),
            "error: lemcode (2014 not supported with R4 | понов");
  EXPECT_EQ(Apply(R4LemcodeHandler, "рук", -7), "error: lemcode (-7 not supported with R4 | рук");
}

std::string Key(const std::string& utf8) {
  CRussianNormalizer normalizer;
  char key[64];
  EXPECT_TRUE(normalizer.Normalize(Cp(utf8).c_str(), key, sizeof(key)));
  return Utf8(key);
}

TEST(RussianNormalizer, FoldsYoAndCase) {
  EXPECT_EQ(Key("ЁЛКА"), "елка");
  EXPECT_EQ(Key("Ёлка"), "елка");
  EXPECT_EQ(Key("ёлка"), "елка");
  EXPECT_EQ(Key("Москва-Reka 1"), "москва-reka 1");
  EXPECT_EQ(Key("ЉЊЋЏ"), "љњћџ");
  EXPECT_EQ(Key("ЯЮЭЬ"), "яюэь");
  CRussianNormalizer normalizer;
  char small[4];
  EXPECT_FALSE(normalizer.Normalize("abcd", small, sizeof(small)));
}

// Lookups through a small dictionary: the form goes in as the user wrote
// it, the lemma comes out in key form.
class RussianLookup : public ::testing::Test {
 protected:
  std::string Write(const std::vector<testing_support::TrieEntry>& entries) {
    const std::string path = testing_support::MakeTempDir() + "ru-cwd.hsq";
    testing_support::WriteFile(path,
                               testing_support::HsqBytes(testing_support::BuildTrie(entries)));
    return path;
  }

  static std::vector<std::string> Lemmas(CLemmatizer& dictionary, const std::string& word,
                                         std::vector<int32_t>& tags) {
    std::vector<std::string> lemmas;
    dictionary.FindLemmas(Cp(word).c_str(), lemmas, tags);
    for (std::string& lemma : lemmas) lemma = Utf8(lemma);
    return lemmas;
  }
};

TEST_F(RussianLookup, RussianEdition) {
  CRussianLemmatizer dictionary(Write({
                                          {Cp("рукой"), {{11, 2, 1}}},
                                          {Cp("елкой"), {{11, 2, 1}}},
                                          {Cp("наибольшего"), {{40, 3, 64}, {41, 3, 0}}},
                                      })
                                    .c_str());
  std::vector<int32_t> tags;
  EXPECT_EQ(Lemmas(dictionary, "Рукой", tags), std::vector<std::string>{"рука"});
  EXPECT_EQ(tags, std::vector<int32_t>{12});
  EXPECT_EQ(Lemmas(dictionary, "ЁЛКОЙ", tags), std::vector<std::string>{"елка"});
  EXPECT_EQ(Lemmas(dictionary, "наибольшего", tags),
            (std::vector<std::string>{"большой", "наибольш"}));
  EXPECT_EQ(tags, (std::vector<int32_t>{41, 42}));
  EXPECT_TRUE(Lemmas(dictionary, "стол", tags).empty());
}

TEST_F(RussianLookup, R4Edition) {
  CR4Lemmatizer dictionary(Write({
                                     {Cp("рукой"), {{11, 2, 66}}},
                                     {Cp("наибольшего"), {{40, 3, 2011}}},
                                     {Cp("пулемета"), {{7, 1, 2}}},
                                     {Cp("ошибка"), {{7, 0, 2014}}},
                                 })
                               .c_str());
  std::vector<int32_t> tags;
  EXPECT_EQ(Lemmas(dictionary, "Рукой", tags), std::vector<std::string>{"рука"});
  EXPECT_EQ(tags, std::vector<int32_t>{12});
  EXPECT_EQ(Lemmas(dictionary, "НАИБОЛЬШЕГО", tags), std::vector<std::string>{"большой"});
  EXPECT_EQ(Lemmas(dictionary, "пулемета", tags), std::vector<std::string>{"пулемет-автомат"});
  // A stored code the edition cannot serve reaches the caller.
  std::vector<std::string> lemmas;
  try {
    dictionary.FindLemmas(Cp("ошибка").c_str(), lemmas, tags);
    ADD_FAILURE() << "no error raised";
  } catch (const std::string& message) {
    EXPECT_EQ(message, "lemcode (2014 not supported with R4");
  }
}

}  // namespace
