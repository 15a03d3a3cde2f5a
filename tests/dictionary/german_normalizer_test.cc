// The German key form, the German output spelling (umlauts, sharp s,
// case, hyphen prefix), the German object's files, and lookups through a
// small "de" dictionary.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "dictionary/german_lemmatizer.h"
#include "dictionary/german_normalizer.h"
#include "dictionary/sharp_s_writer.h"
#include "platform/codepage.h"
#include "rules/german_prefix_writer.h"
#include "tests/support/test_files.h"

namespace {

std::string Cp(const std::string& utf8) {
  std::string bytes;
  if (!lemmatizer::Utf8ToCodePage(utf8, 1252, bytes)) ADD_FAILURE() << "not 1252: " << utf8;
  return bytes;
}

std::string Utf8(const std::string& bytes) { return lemmatizer::CodePageToUtf8(bytes, 1252); }

// A sharp-s file in a fresh directory; returns its path.
std::string WriteSharpS(const std::vector<lemmatizer::SharpSEntry>& entries,
                        int32_t defaultClass = 0) {
  const std::string path = testing_support::MakeTempDir() + "de-ss.hsq";
  testing_support::WriteFile(path, lemmatizer::SharpSTrieBytes(entries, defaultClass));
  return path;
}

// The classes of the lemmas used below: 1 writes a final sharp s.
std::vector<lemmatizer::SharpSEntry> SharpSLemmas() {
  return {{"STRASSE", 1, true},    {"GROSS", 1, true},      {"FUSS", 3, true},
          {Cp("GRöSSE"), 1, true}, {Cp("GRÖSSE"), 1, true}, {"FASS", 0, true}};
}

class GermanNormalizerTest : public ::testing::Test {
 protected:
  GermanNormalizerTest() : m_normalizer(WriteSharpS(SharpSLemmas()).c_str()) {}

  std::string Key(const std::string& word) {
    char key[2048];
    EXPECT_TRUE(m_normalizer.Normalize(Cp(word).c_str(), key, sizeof(key)));
    return Utf8(key);
  }

  // Normalizes the word, then makes the lemma of `lemmaKey` for it.
  std::string Lemma(const std::string& word, const std::string& lemmaKey) {
    Key(word);
    std::string out;
    m_normalizer.MakeLemma(Cp(word).c_str(), Cp(lemmaKey).c_str(), out);
    return Utf8(out);
  }

  CGermanNormalizer m_normalizer;
};

TEST_F(GermanNormalizerTest, KeyForm) {
  EXPECT_EQ(Key("Straße"), "STRASSE");
  EXPECT_EQ(m_normalizer.UmlautGaps(), std::vector<int32_t>{4});
  EXPECT_EQ(m_normalizer.HyphenPrefix(), "");
  EXPECT_EQ(Key("Ärger"), "AERGER");
  EXPECT_EQ(m_normalizer.UmlautGaps(), std::vector<int32_t>{0});
  EXPECT_EQ(Key("Nord-Süd"), "SUED");
  EXPECT_EQ(m_normalizer.HyphenPrefix(), "Nord-");
  EXPECT_EQ(m_normalizer.UmlautGaps(), std::vector<int32_t>{1});
  EXPECT_EQ(Key("größe"), "GROESSE");
  EXPECT_EQ(m_normalizer.UmlautGaps(), (std::vector<int32_t>{2, 0}));
  EXPECT_EQ(m_normalizer.HyphenPrefix(), "");  // reset by every Normalize
  EXPECT_EQ(Key("Ost-West-Öl"), "OEL");
  EXPECT_EQ(m_normalizer.HyphenPrefix(), "Ost-West-");
  EXPECT_EQ(Key("çaÿ÷é"), "ÇAÿ÷É");  // only a-z, 0xE0-0xF6 and 0xF8-0xFD rise
  EXPECT_EQ(Key("Öl-"), "");
  EXPECT_EQ(Utf8(m_normalizer.HyphenPrefix()), "Öl-");
  EXPECT_TRUE(m_normalizer.UmlautGaps().empty());
  // A key that does not fit: each transcription needs two bytes.
  char small[4];
  EXPECT_TRUE(m_normalizer.Normalize(Cp("äb").c_str(), small, sizeof(small)));
  EXPECT_FALSE(m_normalizer.Normalize(Cp("ääb").c_str(), small, sizeof(small)));
}

TEST_F(GermanNormalizerTest, UmlautsAndSharpSComeBack) {
  EXPECT_EQ(Lemma("Ärger", "AERGER"), "Ärger");
  EXPECT_EQ(Lemma("Nord-Süd", "SUED"), "Nord-Süd");
  EXPECT_EQ(Lemma("Straße", "STRASSE"), "Straße");
  EXPECT_EQ(Lemma("Straßen", "STRASSE"), "Straße");
  EXPECT_EQ(Lemma("größe", "GROESSE"), "größe");   // the trie is asked for GRöSSE
  EXPECT_EQ(Lemma("GRÖSSE", "GROESSE"), "Größe");  // asks for GRÖSSE
  EXPECT_EQ(Lemma("Mädchen", "MAEDCHEN"), "Mädchen");
  // The lemma has no transcription near the gap: nothing to restore.
  EXPECT_EQ(Lemma("Häuser", "HAUS"), "Haus");
  EXPECT_EQ(Lemma("größer", "GROSS"), "groß");
}

TEST_F(GermanNormalizerTest, FinalSharpSFollowsTheSpellingClass) {
  // Written with ss, the lemma gets ß when its class is 1 or 3.
  EXPECT_EQ(Lemma("Strasse", "STRASSE"), "Straße");
  EXPECT_EQ(Lemma("Füsse", "FUSS"), "Fuß");
  // Written with ß, the lemma keeps ss when its class says so.
  EXPECT_EQ(Lemma("Faß", "FASS"), "Fass");
  EXPECT_EQ(Lemma("Fässer", "FASS"), "Fass");
  // Unknown lemmas get the default class 0.
  EXPECT_EQ(Lemma("Kuß", "KUSS"), "Kuss");
  EXPECT_EQ(Lemma("Grüße", "GRUSSEN"), "Grussen");
}

TEST(GermanNormalizer, ClassesOtherThanOneAndThreeKeepTheDoubleS) {
  CGermanNormalizer normalizer(WriteSharpS({{"STRASSE", 2, true}}, 0).c_str());
  char key[32];
  normalizer.Normalize(Cp("Straße").c_str(), key, sizeof(key));
  std::string out;
  normalizer.MakeLemma(Cp("Straße").c_str(), "STRASSE", out);
  EXPECT_EQ(out, "Strasse");
}

TEST_F(GermanNormalizerTest, CaseFollowsTheFirstLetterOfTheWord) {
  EXPECT_EQ(Lemma("straße", "STRASSE"), "straße");
  EXPECT_EQ(Lemma("ärger", "AERGER"), "ärger");
  EXPECT_EQ(Lemma("HAUS", "HAUS"), "Haus");
  EXPECT_EQ(Lemma("1000er", "1000ER"), "1000er");
  EXPECT_EQ(Lemma("nord-Süd", "SUED"), "nord-Süd");  // the part after the hyphen counts
}

TEST_F(GermanNormalizerTest, LongLemmasAndShortKeys) {
  // Far longer than the 91 bytes a fixed work text would hold.
  const std::string longKey(400, 'A');
  EXPECT_EQ(Lemma(std::string(400, 'a'), longKey), std::string(400, 'a'));
  std::string word = "Ä";
  for (int i = 0; i < 60; ++i) word += "bcäd";
  std::string key = "AE";
  for (int i = 0; i < 60; ++i) key += "BCAED";
  std::string expected = "Ä";
  for (int i = 0; i < 60; ++i) expected += "bcäd";
  EXPECT_EQ(Lemma(word, key), expected);

  // Gaps that point past the end of a short lemma key: the search window
  // never reads beyond the key (an exact heap copy, so a sanitizer sees it).
  const std::string umlautLate = Cp("abcdefghijä");
  char scratch[64];
  m_normalizer.Normalize(umlautLate.c_str(), scratch, sizeof(scratch));
  for (const char* lemma : {"A", "AE", "ABCDEFGHI", "ABCDEFGHIJA", "ABCDEFGHIJAE"}) {
    const size_t n = std::strlen(lemma) + 1;
    std::unique_ptr<char[]> exact(new char[n]);
    std::memcpy(exact.get(), lemma, n);
    std::string out;
    m_normalizer.MakeLemma(umlautLate.c_str(), exact.get(), out);
    if (std::strcmp(lemma, "ABCDEFGHIJAE") == 0) {
      EXPECT_EQ(Utf8(out), "abcdefghijä");
    } else {
      std::string lowered(lemma);
      for (char& c : lowered) c = static_cast<char>(c + 0x20);
      EXPECT_EQ(out, lowered) << lemma;
    }
  }
}

TEST_F(GermanNormalizerTest, MakeLemmaForAnotherWordStaysInsideIt) {
  // MakeLemma is meant for the word of the last Normalize; a shorter word
  // must not make it read past its end.
  Key("Grüßen");
  std::string out;
  m_normalizer.MakeLemma("G", "GRUESSEN", out);
  EXPECT_EQ(out, "Gruessen");
}

TEST(GermanSharpSTrie, WalkAndMalformedFiles) {
  CGermanNormalizer normalizer(WriteSharpS({{"FUSS", 3, false}, {"STRASSE", 1, true}}, 7).c_str());
  EXPECT_EQ(normalizer.get_lemcode_simple("STRASSE"), 1);
  EXPECT_EQ(normalizer.get_lemcode_simple("BARFUSS"), 3);
  EXPECT_EQ(normalizer.get_lemcode_simple("HAUPTSTRASSE"), 7);
  EXPECT_EQ(normalizer.get_lemcode_simple(""), 7);

  const auto walk = [](const std::string& bytes, const char* text) -> std::string {
    const std::string path = testing_support::MakeTempDir() + "de-ss.hsq";
    testing_support::WriteFile(path, bytes);
    CGermanNormalizer malformed(path.c_str());
    try {
      return std::to_string(malformed.get_lemcode_simple(text));
    } catch (const char* message) {
      return message;
    }
  };
  const auto record = [](char c, int32_t value) {
    std::string bytes(1, c);
    bytes.append(3, '\0');
    for (int i = 0; i < 4; ++i)
      bytes += static_cast<char>((static_cast<uint32_t>(value) >> (8 * i)) & 0xFF);
    return bytes;
  };
  const std::string never = "get_lemcode_simple() : should never get here!";
  EXPECT_EQ(walk("", "SS"), never);                      // no records
  EXPECT_EQ(walk(record('X', -1), "SS"), never);         // the scan runs off the end
  EXPECT_EQ(walk(record('+', 9), "SS"), never);          // a child past the end
  EXPECT_EQ(walk(record('+', 1), "SS"), never);          // consumes the whole key
  EXPECT_EQ(walk(record('S', -4) + "tail", "SS"), "4");  // a partial record is ignored
  EXPECT_EQ(walk(record('+', 2) + record('#', -5) + record('+', -6), "S"), "5");
  EXPECT_EQ(walk(record('+', 2) + record('X', -5) + record('+', -6), "S"), "6");
}

TEST(GermanLemmatizer, FilesAreReadSharpSThenPrefixThenMain) {
  const std::string dir = testing_support::MakeTempDir();
  const std::string main = dir + "de-cwd.hsq";
  const std::string prefix = dir + "de-prfx.hsq";
  const std::string sharpS = dir + "de-ss.hsq";
  const auto failure = [&]() -> std::string {
    try {
      CGermanLemmatizer dictionary(main.c_str(), prefix.c_str(), sharpS.c_str());
      return "loaded";
    } catch (const char* message) {
      return message;
    }
  };
  EXPECT_EQ(failure(), "couldn't get size of file : " + sharpS);
  testing_support::WriteFile(sharpS, lemmatizer::SharpSTrieBytes({}, 0));
  EXPECT_EQ(failure(), "couldn't get size of file : " + prefix);
  testing_support::WriteFile(prefix, lemmatizer::PrefixCellBytes({"AUF"}));
  EXPECT_EQ(failure(), "couldn't get size of file : " + main);
  testing_support::WriteFile(main, testing_support::HsqBytes(testing_support::BuildTrie({})));
  EXPECT_EQ(failure(), "loaded");
  CGermanLemmatizer dictionary(main.c_str(), prefix.c_str(), sharpS.c_str());
  EXPECT_EQ(dictionary.PrefixCells().size, 16u);  // A U F and an end cell
  EXPECT_EQ(dictionary.HandlerArg(), reinterpret_cast<intptr_t>(&dictionary.PrefixCells()));
  EXPECT_EQ(dictionary.Normalizer(), dictionary.GermanNormalizer());
}

TEST(GermanLookup, FormsComeOutAsCorrectlySpelledLemmas) {
  const std::string dir = testing_support::MakeTempDir();
  testing_support::WriteFile(dir + "de-ss.hsq", lemmatizer::SharpSTrieBytes(SharpSLemmas(), 0));
  testing_support::WriteFile(dir + "de-prfx.hsq", lemmatizer::PrefixCellBytes({"AUF", "AB"}));
  testing_support::WriteFile(dir + "de-cwd.hsq",
                             testing_support::HsqBytes(testing_support::BuildTrie({
                                 {"STRASSEN", {{100, 1, 0}}},
                                 {"HAEUSER", {{200, 2, 34}}},
                                 {"AUFGEMACHT", {{300, 1, 54}}},
                                 {"SUEDEN", {{400, 2, 0}}},
                                 {"GROESSER", {{500, 2, 34}}},
                                 {"GROESSE", {{600, 0, 0}}},
                                 {"BUK", {{700, 0, 57}}},
                                 {"GEBACKEN", {{701, 2, 56}, {702, 0, 0}}},
                             })));
  CGermanLemmatizer dictionary((dir + "de-cwd.hsq").c_str(), (dir + "de-prfx.hsq").c_str(),
                               (dir + "de-ss.hsq").c_str());
  const auto lookup = [&](const std::string& word, std::vector<int32_t>& tags) {
    std::vector<std::string> lemmas;
    dictionary.FindLemmas(Cp(word).c_str(), lemmas, tags);
    for (std::string& lemma : lemmas) lemma = Utf8(lemma);
    return lemmas;
  };
  std::vector<int32_t> tags;
  EXPECT_EQ(lookup("Straßen", tags), std::vector<std::string>{"Straße"});
  EXPECT_EQ(tags, std::vector<int32_t>{101});
  EXPECT_EQ(lookup("Strassen", tags), std::vector<std::string>{"Straße"});
  EXPECT_EQ(lookup("Häuser", tags), std::vector<std::string>{"Haus"});
  EXPECT_EQ(tags, std::vector<int32_t>{201});
  EXPECT_EQ(lookup("aufgemacht", tags), std::vector<std::string>{"aufmachen"});
  EXPECT_EQ(lookup("Nord-Süden", tags), std::vector<std::string>{"Nord-Süd"});
  EXPECT_EQ(tags, std::vector<int32_t>{401});
  EXPECT_EQ(lookup("größer", tags), std::vector<std::string>{"groß"});
  EXPECT_EQ(lookup("Größe", tags), std::vector<std::string>{"Größe"});
  EXPECT_EQ(lookup("buk", tags), std::vector<std::string>{"backen"});
  EXPECT_EQ(lookup("gebacken", tags), (std::vector<std::string>{"backen", "gebacken"}));
  EXPECT_EQ(tags, (std::vector<int32_t>{702, 703}));
  EXPECT_TRUE(lookup("Haus", tags).empty());
}

}  // namespace
