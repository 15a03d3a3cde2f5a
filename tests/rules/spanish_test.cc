// The Spanish lemcode handler, its accent helpers and irregular stems, and
// lookups through a small "es" dictionary.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dictionary/lemmatizer.h"
#include "platform/codepage.h"
#include "rules/lemcode_handler.h"
#include "rules/spanish.h"
#include "tests/support/test_files.h"

namespace {

using lemmatizer::SpanishLemcodeHandler;

std::string Cp(const std::string& utf8) {
  std::string bytes;
  if (!lemmatizer::Utf8ToCodePage(utf8, 1252, bytes)) ADD_FAILURE() << "not 1252: " << utf8;
  return bytes;
}

std::string Utf8(const std::string& bytes) { return lemmatizer::CodePageToUtf8(bytes, 1252); }

// The lemma of a stem (UTF-8), and the handler's return value.
std::string Apply(const std::string& stem, int32_t lemcode, int32_t* returned = nullptr) {
  char buffer[1024 + kStemGrowthReserve + 1];
  const std::string bytes = Cp(stem);
  std::strcpy(buffer, bytes.c_str());
  const int32_t result =
      SpanishLemcodeHandler(buffer, static_cast<int32_t>(bytes.size()), lemcode, 0);
  if (returned != nullptr) *returned = result;
  return Utf8(buffer);
}

TEST(SpanishHandler, AppendingRules) {
  EXPECT_EQ(Apply("cas", 1), "casa");
  EXPECT_EQ(Apply("re", 12), "reír");
  EXPECT_EQ(Apply("s", 27), "seír");
  EXPECT_EQ(Apply("con", 13), "conseguir");
  EXPECT_EQ(Apply("prop", 16), "proponer");
  EXPECT_EQ(Apply("prop", 26), "proponer");
  EXPECT_EQ(Apply("habl", 67), "hablar");
  EXPECT_EQ(Apply("habl", 90), "hablar");
  EXPECT_EQ(Apply("des", 84), "describir");
}

TEST(SpanishHandler, StemChangesThenEnding) {
  EXPECT_EQ(Apply("pens", 73), "pensar");  // no "ie": only the ending
  EXPECT_EQ(Apply("piens", 73), "pensar");
  EXPECT_EQ(Apply("almuerc", 78), "almorzar");
  EXPECT_EQ(Apply("empiec", 19), "empezar");
  EXPECT_EQ(Apply("roc", 19), "rozar");  // without "ie" the later steps still run
  EXPECT_EQ(Apply("busqu", 30), "buscar");
  EXPECT_EQ(Apply("conozc", 76), "conocer");
  EXPECT_EQ(Apply("sirv", 87), "servir");
  EXPECT_EQ(Apply("avergüenz", 97), "avergonzar");
  EXPECT_EQ(Apply("duerm", 98), "dormir");
  EXPECT_EQ(Apply("jueg", 93), "jugar");
}

TEST(SpanishHandler, ReplacementsWithoutEnding) {
  EXPECT_EQ(Apply("tuv", 83), "tener");
  EXPECT_EQ(Apply("tom", 83), "tom");
  EXPECT_EQ(Apply("uvas", 83), "uvas");  // only a final "uv"
  EXPECT_EQ(Apply("delinc", 88), "delinquir");
  EXPECT_EQ(Apply("pus", 92), "poner");
  EXPECT_EQ(Apply("d", 95), "d");
  EXPECT_EQ(Apply("di", 95), "decir");
  EXPECT_EQ(Apply("dij", 96), "decir");
}

TEST(SpanishHandler, Accents) {
  EXPECT_EQ(Apply("caracter", 65), "carácter");
  EXPECT_EQ(Apply("canon", 65), "canón");
  EXPECT_EQ(Apply("PAN", 65), "PAN");
  EXPECT_EQ(Apply("xyz", 65), "xyz");
  EXPECT_EQ(Apply("enví", 10), "enviar");
  EXPECT_EQ(Apply("envi", 10), "enviar");
  EXPECT_EQ(Apply("reún", 11), "reunir");
  EXPECT_EQ(Apply("análisís", 63), "análisis");  // the rightmost accent only
}

TEST(SpanishHandler, IrregularStems) {
  EXPECT_EQ(Apply("hub", 99), "haber");
  EXPECT_EQ(Apply("he", 99), "haber");
  EXPECT_EQ(Apply("mejor", 99), "bueno");
  EXPECT_EQ(Apply("hayais", 99), "haber");
  EXPECT_EQ(Apply("provist", 99), "proveer");
  EXPECT_EQ(Apply("xyz", 99), "xyz");
  EXPECT_EQ(Apply("h", 99), "h");
  EXPECT_EQ(Apply("hayamoss", 99), "hayamoss");  // 8 bytes: no list
  EXPECT_EQ(Apply("shub", 99), "shub");          // the whole stem must be the form
  for (int length = 2; length <= 7; ++length) {
    const lemmatizer::SuffixPair* list = lemmatizer::SpanishIrregulars(length);
    ASSERT_NE(list, nullptr);
    for (; list->ending != nullptr; ++list) {
      EXPECT_EQ(std::strlen(list->ending), static_cast<size_t>(length)) << list->ending;
    }
  }
  EXPECT_EQ(lemmatizer::SpanishIrregulars(1), nullptr);
  EXPECT_EQ(lemmatizer::SpanishIrregulars(8), nullptr);
}

TEST(SpanishHandler, ReturnsTheLemcodeOnlyWhenItHasARule) {
  const int32_t withoutRule[] = {0, 2, 4, 7, 8, 18, 20, 31, 45, 62, 91, 100, 4095, -1};
  for (const int32_t lemcode : withoutRule) {
    int32_t returned = -99;
    EXPECT_EQ(Apply("stem", lemcode, &returned), "stem") << lemcode;
    EXPECT_EQ(returned, 0) << lemcode;
  }
  int rules = 0;
  for (int32_t lemcode = 1; lemcode <= 99; ++lemcode) {
    int32_t returned = -99;
    Apply("stem", lemcode, &returned);
    if (returned == 0) continue;
    EXPECT_EQ(returned, lemcode);
    ++rules;
  }
  EXPECT_EQ(rules, 60);
}

TEST(SpanishLookup, FormsComeOutAsTheirLemmas) {
  const std::string path = testing_support::MakeTempDir() + "es-cwd.hsq";
  testing_support::WriteFile(path, testing_support::HsqBytes(testing_support::BuildTrie({
                                       {Cp("almuerce"), {{30, 1, 78}}},
                                       {Cp("hubo"), {{31, 1, 99}}},
                                       {Cp("canones"), {{12, 2, 65}}},
                                   })));
  CLemmatizer dictionary(path.c_str(), SpanishLemcodeHandler, 0);
  std::vector<std::string> lemmas;
  std::vector<int32_t> tags;
  dictionary.FindLemmas("Almuerce", lemmas, tags);
  EXPECT_EQ(lemmas, std::vector<std::string>{Cp("almorzar")});
  EXPECT_EQ(tags, std::vector<int32_t>{31});
  dictionary.FindLemmas("hubo", lemmas, tags);
  EXPECT_EQ(lemmas, std::vector<std::string>{"haber"});
  EXPECT_EQ(tags, std::vector<int32_t>{32});
  dictionary.FindLemmas("CANONES", lemmas, tags);
  EXPECT_EQ(lemmas, std::vector<std::string>{Cp("canón")});
}

}  // namespace
