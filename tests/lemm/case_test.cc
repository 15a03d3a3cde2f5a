// Letter case: words in capitals and in title case, sentence starts, the
// case of lemmas, the letters of Serbian and Greek, and words the code page
// cannot write.
#include <gtest/gtest.h>

#include <string>

#include "lemm.h"
#include "tests/lemm/lemm_testing.h"
#include "tests/lemm/lexicons.h"

namespace {

using lemm_testing::First;
using lemm_testing::FirstLemmas;
using lemm_testing::Lemmas;

lemm_language* English() { return lemm_testing::Shared("en", lemm_testing::kEnglish); }
lemm_language* German() { return lemm_testing::Shared("de", lemm_testing::kGerman); }

TEST(Capitals, AWordInCapitalsIsAnsweredFromItsLowerCase) {
  EXPECT_EQ(Lemmas(English(), "CARS"), "car/NOMCup CARS/ANYC?");
  EXPECT_EQ(Lemmas(English(), "CARS", LEMM_SENTENCE_START), "car/NOMCup CARS/ANYC?");
  EXPECT_EQ(Lemmas(English(), "ATTENTION"), "attention/NOMCus ATTENTION/ANYC?");
  EXPECT_EQ(First(lemm_testing::Shared("it", lemm_testing::kItalian), "ATTENZIONE"), "attenzione");
  // Known in no spelling: the word itself, and nothing is made up.
  EXPECT_EQ(Lemmas(English(), "XYZZY"), "XYZZY/ANYC?");
  // The word itself comes last, unless the dictionary knows it only as a
  // name: then it is more likely an acronym, itself first.
  EXPECT_EQ(Lemmas(English(), "BUSH"), "bush/NOMCus Bush/NOMP BUSH/ANYC?");
  EXPECT_EQ(Lemmas(English(), "NASA"), "NASA/ANYC? Nasa/NOMP");
  // Where the lexicon lists the word in capitals, that listing comes first
  // (a name), unless the lower case is a closed-class word and the listing
  // names no name ("ME", Maine).
  EXPECT_EQ(Lemmas(English(), "US"), "US/NOMP we/PNNPup");
  EXPECT_EQ(Lemmas(English(), "ME"), "I/PNNPus ME/UABB");
  // Or lists it with stops ("AM", a.m.); in lower case it is another word.
  EXPECT_EQ(Lemmas(English(), "AM"), "a.m./NABB be/VRB");
  EXPECT_EQ(Lemmas(English(), "am"), "be/VRB");
  // So too, known, where it knows the lower case only as itself, untagged.
  EXPECT_EQ(Lemmas(English(), "WOW"), "WOW/ANYC");
  EXPECT_EQ(Lemmas(English(), "wow"), "wow/ANYC");
  // Not a longer word: that is more likely shouted.
  EXPECT_EQ(Lemmas(English(), "WOWZA"), "wowza/ANYC WOWZA/ANYC?");
}

TEST(Capitals, TitleCaseInsideASentencePrefersNames) {
  // The dictionary knows both: the capitalised reading first inside a
  // sentence, the lower-case one at its start.
  EXPECT_EQ(Lemmas(English(), "Bush"), "Bush/NOMP bush/NOMCus");
  EXPECT_EQ(Lemmas(English(), "Bush", LEMM_SENTENCE_START), "bush/NOMCus Bush/NOMP");
  EXPECT_EQ(Lemmas(English(), "bush"), "bush/NOMCus Bush/NOMP");
  // A word in lower case puts its lower-case readings first, whatever the
  // dictionary's order ("Lex" is tagged, "lex" not: the compiler puts it
  // first).
  EXPECT_EQ(Lemmas(English(), "lex"), "lex/ANYC Lex/NOMP");
  EXPECT_EQ(Lemmas(English(), "Lex"), "Lex/NOMP lex/ANYC");
  // At a sentence start too, when the dictionary gives the name first.
  EXPECT_EQ(Lemmas(English(), "Lex", LEMM_SENTENCE_START), "Lex/NOMP lex/ANYC");
  // Known only in lower case: inside a sentence most likely a name, guessed.
  EXPECT_EQ(Lemmas(English(), "Attention"), "Attention/NOMP? attention/NOMCus");
  EXPECT_EQ(Lemmas(English(), "Attention", LEMM_SENTENCE_START), "attention/NOMCus");
  // Not for closed-class words.
  EXPECT_EQ(Lemmas(English(), "The"), "the/DETDu");
  // Nor where the texts lemmatize the common words of a name in lower case;
  // the names the dictionary knows keep their capital.
  lemm_language* russian = lemm_testing::Shared("ru", lemm_testing::kRussian);
  EXPECT_EQ(First(russian, "Дома"), "дом");
  EXPECT_EQ(Lemmas(russian, "Дома"), Lemmas(russian, "Дома", LEMM_SENTENCE_START));
  EXPECT_EQ(First(russian, "Ивана"), "Иван");
  // A word the lexicon does not hold is a name, though it ends like a word
  // it holds and the dictionary gives it that word's readings.
  EXPECT_EQ(Lemmas(russian, "рома"), "ром/NOMCmp");
  EXPECT_EQ(First(russian, "Рома"), "Ром");
  // At a sentence start too: a capital says nothing of a word the lexicon
  // holds, but it is all there is to go by for one it does not.
  EXPECT_EQ(First(russian, "Рома", LEMM_SENTENCE_START), "Ром");
  EXPECT_EQ(First(English(), "Zush", LEMM_SENTENCE_START), "Zush");
  EXPECT_EQ(First(English(), "Cars", LEMM_SENTENCE_START), "car");
  // An untagged reading that only writes the word small does not go ahead
  // of a tagged one with its capital.
  EXPECT_EQ(Lemmas(English(), "Dr", LEMM_SENTENCE_START), "Dr/NOMCus dr/ANYC");
  // The lexicon writes ё as е, and holds "Провёл" so.
  EXPECT_EQ(First(russian, "Провёл", LEMM_SENTENCE_START), "провести");
  // In English the lemma of a name in the plural is its singular, when the
  // lexicon holds the word as a common noun's plural; a word it does not
  // hold is no plural of a name, however it ends.
  EXPECT_EQ(Lemmas(English(), "Users"), "User/NOMP? user/NOMCup");
  EXPECT_EQ(First(English(), "Zars"), "Zars");
  // Unless its ending reads as an adjective's, where names take endings.
  EXPECT_EQ(First(russian, "Сулакского"), "сулакский");
  // A word listed only untagged, as itself, says no more than that it is
  // written so: capitalised inside a sentence it is a name.
  lemm_language* serbian = lemm_testing::Shared("sl", lemm_testing::kSerbianLatin);
  EXPECT_EQ(First(serbian, "Feronikel"), "Feronikel");
  EXPECT_EQ(First(serbian, "Feronikel", LEMM_SENTENCE_START), "feronikel");
  EXPECT_EQ(First(serbian, "Škole"), "škola");
  // A name with capitals inside keeps them all.
  EXPECT_EQ(First(serbian, "FeroNikel"), "FeroNikel");
  EXPECT_EQ(First(serbian, "SETimes"), "SETimes");
  // At a sentence start, a word the dictionary does not know keeps its
  // capital before the readings guessed from its ending.
  EXPECT_EQ(First(serbian, "Setimes", LEMM_SENTENCE_START), "Setimes");
}

TEST(Capitals, ThePronounIComesBeforeTheLetter) {
  EXPECT_EQ(Lemmas(English(), "I", LEMM_SENTENCE_START), "I/PNNPus i/NOMCus");
  EXPECT_EQ(Lemmas(English(), "I"), "I/PNNPus i/NOMCus");
  EXPECT_EQ(Lemmas(English(), "i"), "I/PNNPus i/NOMCus");
}

TEST(Capitals, SentenceStartsInRunningText) {
  EXPECT_EQ(FirstLemmas(English(), "the Bush visit. Bush visit"), "the Bush visit bush visit");
  // A title: every word has a capital, which then says no more than at a
  // sentence start. One capitalised word is not a title.
  EXPECT_EQ(FirstLemmas(English(), "Attention Bush Cars"), "attention bush car");
  EXPECT_EQ(FirstLemmas(English(), "see Attention Bush Cars"), "see Attention Bush Car");
  EXPECT_EQ(FirstLemmas(English(), "Attention, Cars"), "attention car");
  EXPECT_EQ(FirstLemmas(English(), "Attention"), "attention");
  EXPECT_EQ(FirstLemmas(German(), "Die Stunden. Ich spielten die Stunden"),
            "der Stunde ich spielen der Stunde");
}

TEST(LemmaCase, GermanNounsTakeACapitalAndNothingElse) {
  EXPECT_EQ(Lemmas(German(), "Häuser"), "Haus/NOMCup");
  EXPECT_EQ(Lemmas(German(), "HÄUSER"), "Haus/NOMCup HÄUSER/ANYC?");
  // A noun's lemma is capitalised whatever the word's case; every other
  // lemma is in lower case.
  EXPECT_EQ(Lemmas(German(), "stunden"), "stunden/INFF Stunde/NOMCfp");
  EXPECT_EQ(Lemmas(German(), "Stunden"), "Stunde/NOMCfp stunden/INFF");
  EXPECT_EQ(Lemmas(German(), "Die"), "der/DETDs");
  EXPECT_EQ(Lemmas(German(), "DIE"), "der/DETDs DIE/ANYC?");
  EXPECT_EQ(Lemmas(German(), "Ich", LEMM_SENTENCE_START), "ich/PNNPus Ich/NOMCus");
  EXPECT_EQ(Lemmas(German(), "Ich"), "Ich/NOMCus ich/PNNPus");
  // An untagged lemma rebuilt from the word takes the word's capital, but
  // the capital of a sentence's first word is the sentence's.
  EXPECT_EQ(Lemmas(German(), "Es"), "Es/ANYC");
  EXPECT_EQ(Lemmas(German(), "Es", LEMM_SENTENCE_START), "es/ANYC");
  EXPECT_EQ(Lemmas(German(), "es", LEMM_SENTENCE_START), "es/ANYC");
  // An acronym's capitals are its own, at a sentence start too.
  EXPECT_EQ(Lemmas(German(), "ES", LEMM_SENTENCE_START), "ES/ANYC");
}

TEST(Letters, SerbianCyrillicLettersFoldWholly) {
  lemm_language* serbian = lemm_testing::Shared("sk", lemm_testing::kSerbianCyrillic);
  EXPECT_EQ(First(serbian, "ДИРЕКТОРИЈУМА"), "директоријум");
  EXPECT_EQ(First(serbian, "ЉУБАВ"), "љубав");
  EXPECT_EQ(First(serbian, "ЏЕП"), "џеп");
  EXPECT_EQ(First(serbian, "Његова", LEMM_SENTENCE_START), "његов");
  EXPECT_EQ(First(serbian, "Његош"), "Његош");
  lemm_language* latin = lemm_testing::Shared("sl", lemm_testing::kSerbianLatin);
  EXPECT_EQ(First(latin, "ŠKOLE"), "škola");
  EXPECT_EQ(First(latin, "Žena", LEMM_SENTENCE_START), "žena");
}

TEST(Letters, GreekFinalSigmaAndAccentedCapitals) {
  lemm_language* greek = lemm_testing::Shared("gr", lemm_testing::kGreek);
  EXPECT_EQ(First(greek, "ΛΌΓΟΣ"), "λόγος");
  EXPECT_EQ(First(greek, "ΛΌΓΟΥ"), "λόγος");
  EXPECT_EQ(First(greek, "Άνθρωπος", LEMM_SENTENCE_START), "άνθρωπος");
  EXPECT_EQ(First(greek, "ΈΝΩΣΗ"), "ένωση");
}

TEST(Unwritable, WordsTheCodePageCannotWriteGetAStatus) {
  EXPECT_EQ(Lemmas(English(), "日本"), "UNWRITABLE");
  EXPECT_EQ(Lemmas(English(), "carΩ"), "UNWRITABLE");
  EXPECT_EQ(Lemmas(English(), "naïve"), "naïve/ADJEp");
  // Latin letters are written in the Cyrillic code page too.
  EXPECT_NE(Lemmas(lemm_testing::Shared("sk", lemm_testing::kSerbianCyrillic), "car"),
            "UNWRITABLE");
  // In running text the word keeps its token, without readings.
  char* error = nullptr;
  const std::string text = "Der Name 日本 ist";
  lemm_analysis* analysis = lemm_analyze(German(), text.data(), text.size(), 0, &error);
  ASSERT_NE(analysis, nullptr);
  ASSERT_EQ(lemm_analysis_count(analysis), 4u);
  const lemm_readings* readings = lemm_token_readings(analysis, 2);
  EXPECT_EQ(lemm_readings_status(readings), LEMM_UNWRITABLE);
  EXPECT_EQ(lemm_readings_count(readings), 0u);
  EXPECT_EQ(lemm_readings_status(lemm_token_readings(analysis, 3)), LEMM_OK);
  lemm_analysis_destroy(analysis);
}

TEST(Known, ListedFormsAreKnownAndEndingsGuessed) {
  // "cars" is in the lexicon; "xcars" only shares its ending.
  EXPECT_EQ(Lemmas(English(), "cars"), "car/NOMCup");
  EXPECT_NE(Lemmas(English(), "zzqx").find('?'), std::string::npos) << Lemmas(English(), "zzqx");
}

}  // namespace
