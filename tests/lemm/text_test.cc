// Running text: the tokenizer's kinds and byte offsets on tricky text,
// elisions and clitics, sentence starts, and invalid UTF-8.
#include <gtest/gtest.h>

#include <string>

#include "lemm.h"
#include "tests/lemm/lemm_testing.h"
#include "tests/lemm/lexicons.h"

namespace {

using lemm_testing::FirstLemmas;
using lemm_testing::Tokens;

lemm_language* English() { return lemm_testing::Shared("en", lemm_testing::kEnglish); }
lemm_language* French() { return lemm_testing::Shared("fr", lemm_testing::kFrench); }

TEST(Kinds, UrlsAndEmailAddressesStayWhole) {
  EXPECT_EQ(Tokens(English(), "visit https://example.org/a_(b)?x=1, or www.example.org."),
            "word*:visit url:https://example.org/a_(b)?x=1 punctuation:, word:or "
            "url:www.example.org punctuation:.");
  EXPECT_EQ(Tokens(English(), "(see http://example.org/x)"),
            "punctuation:( word*:see url:http://example.org/x punctuation:)");
  EXPECT_EQ(Tokens(English(), "mail me.too@mail.example.co.uk!"),
            "word*:mail email:me.too@mail.example.co.uk punctuation:!");
  // No address without a domain of two parts.
  EXPECT_EQ(Tokens(English(), "a@b"), "word*:a punctuation:@ word:b");
  // Handed over as one word, an address is its own lemma, whatever word
  // its end looks like.
  EXPECT_EQ(lemm_testing::Lemmas(English(), "http://example.org/cars"),
            "http://example.org/cars/ANYC?");
  EXPECT_EQ(lemm_testing::Lemmas(English(), "www.example.org/users"),
            "www.example.org/users/ANYC?");
  EXPECT_EQ(lemm_testing::Lemmas(English(), "me@example.org"), "me@example.org/ANYC?");
  EXPECT_EQ(lemm_testing::Lemmas(English(), "cars"), "car/NOMCup");
}

TEST(Kinds, NumbersWithSeparatorsStayWhole) {
  EXPECT_EQ(Tokens(English(), "1,000 and 10 000 and 3.14 at 12:30 in v2.0."),
            "number:1,000 word:and number:10 000 word:and number:3.14 word:at number:12:30 "
            "word:in number:v2.0 punctuation:.");
  // A space joins groups of three digits only.
  EXPECT_EQ(Tokens(English(), "2010 200 1 2"), "number:2010 number:200 number:1 number:2");
  EXPECT_EQ(Tokens(English(), "3rd 50% €5"), "word*:3rd number:50 punctuation:% symbol:€ number:5");
}

TEST(Kinds, AbbreviationsWithDotsStayWhole) {
  EXPECT_EQ(Tokens(English(), "the U.S.A. and z.B. or e.g. cars, etc. J. Smith"),
            "word*:the word:U.S.A. word:and word:z.B. word:or word:e.g. word:cars "
            "punctuation:, word:etc. word:J. word:Smith");
  // A word with a dot that the dictionary does not know keeps it apart.
  EXPECT_EQ(Tokens(English(), "cars. The"), "word*:cars punctuation:. word*:The");
  // Nor does a word in capitals: an acronym ending its sentence.
  EXPECT_EQ(Tokens(English(), "mail ETC. Etc. it"),
            "word*:mail word:ETC punctuation:. word*:Etc. word:it");
}

TEST(Kinds, PunctuationRunsAndSymbols) {
  EXPECT_EQ(Tokens(English(), "so... -- «it» + €"),
            "word*:so punctuation:... punctuation:-- punctuation:« word*:it punctuation:» "
            "symbol:+ symbol:€");
  EXPECT_EQ(Tokens(English(), "well-known rock'n'roll O'Brien file_name _x"),
            "word*:well-known word:rock'n'roll word:O'Brien word:file_name punctuation:_ word:x");
}

TEST(Offsets, CountBytes) {
  char* error = nullptr;
  const std::string text = "Ça coûte 5 €.";
  lemm_analysis* analysis = lemm_analyze(French(), text.data(), text.size(), 0, &error);
  ASSERT_NE(analysis, nullptr);
  ASSERT_EQ(lemm_analysis_count(analysis), 5u);
  const size_t offsets[] = {0, 4, 11, 13, 16};
  const size_t lengths[] = {3, 6, 1, 3, 1};
  for (size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(lemm_token_offset(analysis, i), offsets[i]) << i;
    EXPECT_EQ(lemm_token_length(analysis, i), lengths[i]) << i;
  }
  lemm_analysis_destroy(analysis);
}

TEST(Elisions, FrenchAndItalianArticlesAreTheirOwnWords) {
  EXPECT_EQ(Tokens(French(), "L'homme n'aime qu'il"),
            "word*:L' word:homme word:n' word:aime word:qu' word:il");
  EXPECT_EQ(FirstLemmas(French(), "L'homme n'aime qu'il"), "le homme ne aimer que il");
  // The typographic apostrophe as well; a word that merely holds one stays.
  EXPECT_EQ(Tokens(French(), "l’homme d’accord aujourd'hui jusqu'à"),
            "word*:l’ word:homme word:d’ word:accord word:aujourd'hui word:jusqu' word:à");
  EXPECT_EQ(FirstLemmas(French(), "l’homme d’accord"), "le homme de accord");
  // An elision before a blank keeps its apostrophe.
  EXPECT_EQ(Tokens(French(), "l' homme"), "word*:l' word:homme");
  lemm_language* italian = lemm_testing::Shared("it", lemm_testing::kItalian);
  EXPECT_EQ(FirstLemmas(italian, "dell'uomo un'applicazione l'uomo"),
            "di uomo uno applicazione il uomo");
}

TEST(Clitics, EnglishContractionsSplitBeforeTheirApostrophe) {
  EXPECT_EQ(Tokens(English(), "the user's cars don't I'm"),
            "word*:the word:user word:'s word:cars word:do word:n't word:I word:'m");
  EXPECT_EQ(FirstLemmas(English(), "the user’s cars don't"), "the user 's car do not");
  EXPECT_EQ(Tokens(English(), "'s n't"), "word*:'s word:n't");
  // No clitic in French.
  EXPECT_EQ(Tokens(French(), "homme's"), "word*:homme's");
}

TEST(Sentences, StartAfterFinalMarksAndAtLineStarts) {
  EXPECT_EQ(Tokens(English(), "cars. cars! cars? cars… cars, cars\ncars\r\n\ncars"),
            "word*:cars punctuation:. word*:cars punctuation:! word*:cars punctuation:? "
            "word*:cars punctuation:… word*:cars punctuation:, word:cars word*:cars word*:cars");
  EXPECT_EQ(Tokens(English(), "cars, cars", LEMM_CONTINUES_SENTENCE),
            "word:cars punctuation:, word:cars");
  // The columns of a table.
  EXPECT_EQ(Tokens(English(), "the --help  cars   cars\tcars"),
            "word*:the punctuation:-- word:help word:cars word*:cars word*:cars");
  // After an abbreviation the sentence goes on.
  EXPECT_EQ(Tokens(English(), "e.g. Bush"), "word*:e.g. word:Bush");
}

TEST(InvalidUtf8, IsReportedWithItsByteOffset) {
  const struct {
    std::string text;
    std::string message;
  } cases[] = {
      {"ab\xC3(cd", "error: invalid UTF-8 at byte 2"},       // a cut sequence
      {"cars \xFF", "error: invalid UTF-8 at byte 5"},       // a byte that starts nothing
      {"abc\xE2\x82", "error: invalid UTF-8 at byte 3"},     // cut by the end
      {"\xC0\xAF", "error: invalid UTF-8 at byte 0"},        // an overlong form
      {"x \xED\xA0\x80", "error: invalid UTF-8 at byte 2"},  // a surrogate
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Tokens(English(), c.text), c.message);
    EXPECT_EQ(lemm_testing::Lemmas(English(), c.text), c.message);
  }
  // A NUL byte is a character like any other control: it separates tokens.
  EXPECT_EQ(Tokens(English(), std::string("cars\0cars", 9)), "word*:cars word:cars");
}

}  // namespace
