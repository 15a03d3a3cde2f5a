// The dictionary compiler on small lexicons written by the tests: the files
// it writes are loaded with the library's own classes and looked up.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary/german_lemmatizer.h"
#include "dictionary/lemmatizer.h"
#include "dictionary/russian_lemmatizer.h"
#include "dictionary/tag_table.h"
#include "pwd/pwd.h"
#include "registry/languages.h"
#include "rules/table_handlers.h"
#include "swd/swd.h"
#include "tests/support/test_files.h"
#include "tools/compiler/language_compiler.h"
#include "tools/compiler/reading_encoder.h"
#include "tools/compiler/trie_builder.h"

namespace {

using lemmatizer::CompileLanguage;
using lemmatizer::CompileOptions;
using lemmatizer::CompileSummary;
using lemmatizer::UnknownWords;

// "lemma/TAG" pairs of a lookup, blank-separated.
std::string Readings(const std::vector<std::string>& lemmas, const std::vector<int32_t>& tags) {
  std::string out;
  for (size_t i = 0; i < lemmas.size(); ++i) {
    if (!out.empty()) out += ' ';
    out += lemmas[i] + "/" + CTagTable::GetString(tags[i]);
  }
  return out;
}

class Compiler : public ::testing::Test {
 protected:
  // Compiles `lexicon` (UTF-8 TSV text) for `code`; returns the summary.
  CompileSummary Compile(const std::string& code, const std::string& lexicon,
                         UnknownWords mode = UnknownWords::kGuess) {
    dir_ = testing_support::MakeTempDir();
    testing_support::WriteFile(dir_ + "lexicon.tsv", lexicon);
    CompileOptions options;
    options.code = code;
    options.lexiconPath = dir_ + "lexicon.tsv";
    options.outDir = dir_;
    options.unknownWords = mode;
    CompileSummary summary;
    std::string error;
    EXPECT_TRUE(CompileLanguage(options, summary, error)) << error;
    return summary;
  }
  std::string Path(const std::string& name) const { return dir_ + "lemm/" + name; }
  std::string Find(CLemmatizer& dictionary, const char* word) {
    std::vector<std::string> lemmas;
    std::vector<int32_t> tags;
    dictionary.FindLemmas(word, lemmas, tags);
    return Readings(lemmas, tags);
  }
  std::string FindSwd(const std::string& code, const char* word) {
    CSWD swd(code.c_str(), 0);
    std::string error;
    swd.Load(Path(code + ".swd").c_str(), error);
    EXPECT_EQ(error, "");
    std::vector<std::string> lemmas;
    std::vector<int32_t> tags;
    swd.Lookup(word, lemmas, tags);
    return Readings(lemmas, tags);
  }
  std::string dir_;
};

const char kFrench[] =
    "chante\tchanter\tVRBFs1\n"
    "chante\tchanter\tVRBFs3\n"
    "chantes\tchanter\tVRBFs2\n"
    "chantons\tchanter\tVRBFp1\n"
    "parle\tparler\tVRBFs1\n"
    "parle\tparler\tVRBFs3\n"
    "parles\tparler\tVRBFs2\n"
    "parlons\tparler\tVRBFp1\n"
    "finis\tfinir\tVRBFs2\n"
    "yeux\toeil\tNOMCmp\n"
    "pomme de terre\tpomme de terre\tNOMCfs\n"
    "mot\tmot\tUNKNOWN-TAG\n";

TEST_F(Compiler, EveryEncodableFormRoundTripsInOrder) {
  const CompileSummary summary = Compile("fr", kFrench);
  EXPECT_EQ(summary.readings, 11);
  EXPECT_EQ(summary.dropped, 1);  // the unknown tag name
  EXPECT_EQ(summary.trieReadings, 9);
  EXPECT_EQ(summary.swdReadings, 2);
  CLemmatizer dictionary(Path("fr-cwd.hsq").c_str(), lemmatizer::TableDrivenHandler("fr"), 0);
  EXPECT_EQ(Find(dictionary, "chante"), "chanter/VRBFs1 chanter/VRBFs3");
  EXPECT_EQ(Find(dictionary, "chantes"), "chanter/VRBFs2");
  EXPECT_EQ(Find(dictionary, "PARLONS"), "parler/VRBFp1");
  EXPECT_EQ(Find(dictionary, "finis"), "finir/VRBFs2");
}

TEST_F(Compiler, UnknownWordsWithAKnownEndingGetTheirNeighboursReadings) {
  for (UnknownWords mode : {UnknownWords::kGuess, UnknownWords::kStrict}) {
    Compile("fr", kFrench, mode);
    CLemmatizer dictionary(Path("fr-cwd.hsq").c_str(), lemmatizer::TableDrivenHandler("fr"), 0);
    // Every known key ending in "ons" has the same reading.
    EXPECT_EQ(Find(dictionary, "dansons"), "danser/VRBFp1");
  }
}

TEST_F(Compiler, TheWildcardGuessesOrYieldsNothing) {
  Compile("fr", kFrench, UnknownWords::kStrict);
  CLemmatizer strict(Path("fr-cwd.hsq").c_str(), lemmatizer::TableDrivenHandler("fr"), 0);
  EXPECT_EQ(Find(strict, "xyz"), "");
  EXPECT_EQ(Find(strict, "chantez"), "");

  Compile("fr", kFrench, UnknownWords::kGuess);
  CLemmatizer guess(Path("fr-cwd.hsq").c_str(), lemmatizer::TableDrivenHandler("fr"), 0);
  // One reading, the most frequent below the node where the walk stops.
  const std::string guessed = Find(guess, "xyz");
  EXPECT_EQ(guessed.find(' '), std::string::npos);
  EXPECT_NE(guessed, "");
}

TEST_F(Compiler, WhatTheTrieCannotRebuildGoesToTheSwdFile) {
  Compile("fr", kFrench);
  EXPECT_EQ(FindSwd("fr", "yeux"), "oeil/NOMCmp");
  EXPECT_EQ(FindSwd("fr", "Yeux"), "oeil/NOMCmp");  // the first letter is folded
  EXPECT_EQ(FindSwd("fr", "pomme de terre"), "pomme de terre/NOMCfs");
  EXPECT_EQ(FindSwd("fr", "chante"), "");
}

TEST_F(Compiler, CaseVariantsNeverHideTheLowerCaseFormsReadings) {
  // "Is" cannot be rebuilt by the trie (its lemma has a capital), so it goes
  // to the SWD file, whose answer is final for "is" as well: "is" goes
  // there too, and first, although the trie could rebuild it.
  Compile("fr", "Is\tIs\tNOMP\nis\tir\tVRBFs1\nchantes\tchanter\tVRBFs2\n");
  EXPECT_EQ(FindSwd("fr", "is"), "ir/VRBFs1 Is/NOMP");
  EXPECT_EQ(FindSwd("fr", "Is"), "ir/VRBFs1 Is/NOMP");
  EXPECT_EQ(FindSwd("fr", "chantes"), "");
}

TEST_F(Compiler, UntaggedCaseVariantsAnswerAfterTaggedOnes) {
  // An untagged lower-case form of a spelling list and a tagged capitalised
  // one share a key: the tagged reading comes first in the trie...
  Compile("fr", "parles\tparle\tANYC\nParles\tparler\tVRBFs2\nchantes\tchanter\tVRBFs2\n");
  CLemmatizer dictionary(Path("fr-cwd.hsq").c_str(), lemmatizer::TableDrivenHandler("fr"), 0);
  EXPECT_EQ(Find(dictionary, "parles"), "parler/VRBFs2 parle/ANYC");
  // ...and in an SWD run, where both forms have their own line.
  Compile("fr", "yeux\tYeu\tANYC\nYeux\toeil\tNOMCmp\n");
  EXPECT_EQ(FindSwd("fr", "yeux"), "oeil/NOMCmp Yeu/ANYC");
  // Between tagged variants the lower-case form still comes first.
  Compile("fr", "Yeux\toeil\tNOMCmp\nyeux\tyeu\tNOMCmp\n");
  EXPECT_EQ(FindSwd("fr", "Yeux"), "yeu/NOMCmp oeil/NOMCmp");
}

TEST_F(Compiler, AlbanianPrefixedStemsAreEncodedThroughTheHandler) {
  Compile("al", "s'kuptoj\tkuptoj\tVRBFs1\npunova\tpunoj\tVRBFs1\n");
  CLemmatizer dictionary(Path("al-cwd.hsq").c_str(), lemmatizer::AlbanianLemcodeHandler, 0);
  EXPECT_EQ(Find(dictionary, "s'kuptoj"), "kuptoj/VRBFs1");
  EXPECT_EQ(Find(dictionary, "punova"), "punoj/VRBFs1");
}

TEST_F(Compiler, GermanFilesRestoreSharpSUmlautsAndPrefixes) {
  const std::string lexicon =
      "Stra\xC3\x9F"
      "e\tStra\xC3\x9F"
      "e\tNOMCfs\n"
      "Stra\xC3\x9F"
      "en\tStra\xC3\x9F"
      "e\tNOMCfp\n"
      "Fl\xC3\xBCsse\tFluss\tNOMCmp\n"
      "Fluss\tFluss\tNOMCms\n"
      "aufgemacht\taufmachen\tPAPF\n"
      "aufgegeben\taufgeben\tPAPF\n"
      "aufzumachen\taufmachen\tINFZ\n"
      "gemacht\tmachen\tPAPF\n"
      "\xC3\x84pfel\tApfel\tNOMCmp\n";
  const CompileSummary summary = Compile("de", lexicon);
  EXPECT_EQ(summary.swdReadings, 0) << lemmatizer::DescribeSummary("de", summary);
  CGermanLemmatizer dictionary(Path("de-cwd.hsq").c_str(), Path("de-prfx.hsq").c_str(),
                               Path("de-ss.hsq").c_str());
  EXPECT_EQ(Find(dictionary,
                 "Stra\xDF"
                 "en"),
            "Stra\xDF"
            "e/NOMCfp");
  EXPECT_EQ(Find(dictionary, "Fl\xFCsse"), "Fluss/NOMCmp");
  EXPECT_EQ(Find(dictionary, "aufgemacht"), "aufmachen/PAPF");
  EXPECT_EQ(Find(dictionary, "aufzumachen"), "aufmachen/INFZ");
  EXPECT_EQ(Find(dictionary, "\xC4pfel"), "Apfel/NOMCmp");
}

TEST_F(Compiler, RussianPwdFilesLoadAndAnswerNames) {
  const std::string lexicon =
      "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD\xD0\xB0\t\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD\tNOMP\n"  // Ивана
                                                                                            // Иван
      "\xD1\x80\xD1\x83\xD0\xBA\xD0\xB0\t\xD1\x80\xD1\x83\xD0\xBA\xD0\xB0\tNOMCfs\n";  // рука
  Compile("ru", lexicon);
  CPWD pwd("ru");
  std::string error;
  pwd.Load(Path("ru1.pwd").c_str(), Path("ru2.pwd").c_str(), error);
  EXPECT_EQ(error, "");
  std::vector<std::string> lemmas;
  std::vector<int32_t> tags;
  int32_t final = 0;
  ASSERT_TRUE(pwd.Lookup("\xC8\xE2\xE0\xED\xE0", lemmas, tags, final));  // Ивана
  EXPECT_EQ(Readings(lemmas, tags), "\xC8\xE2\xE0\xED/NOMP");
  EXPECT_EQ(final, 1);
  CRussianLemmatizer dictionary(Path("ru-cwd.hsq").c_str());
  EXPECT_EQ(Find(dictionary, "\xF0\xF3\xEA\xE0"), "\xF0\xF3\xEA\xE0/NOMCfs");
}

TEST(ReadingEncoder, PrefersTheSmallestCut) {
  const std::string empty = testing_support::MakeTempDir() + "fr-cwd.hsq";
  testing_support::WriteFile(empty, testing_support::HsqBytes({}));
  CLemmatizer dictionary(empty.c_str(), lemmatizer::TableDrivenHandler("fr"), 0);
  lemmatizer::ReadingEncoder encoder(*lemmatizer::FindLanguage("fr"), dictionary);
  std::string key;
  ASSERT_TRUE(encoder.KeyOf("Chantes", key));
  EXPECT_EQ(key, "chantes");
  int32_t cut = -1, lemcode = -1;
  ASSERT_TRUE(encoder.Encode("Chantes", key, "chanter", cut, lemcode));
  EXPECT_EQ(cut, 1);
  EXPECT_EQ(lemcode, 5);                                                  // "r"
  EXPECT_FALSE(encoder.Encode("Chantes", key, "Chanter", cut, lemcode));  // keys are lower case
  EXPECT_FALSE(encoder.KeyOf("a+b", key));
}

TEST(TrieBuilder, RejectsKeysTheWalkCannotHold) {
  lemmatizer::TrieBuilder trie;
  EXPECT_THROW(trie.Add("a#b", {{0, 0, 0}}), std::invalid_argument);
  EXPECT_THROW(trie.Add("a+", {{0, 0, 0}}), std::invalid_argument);
  EXPECT_THROW(trie.Add("ab", {}), std::invalid_argument);
}

}  // namespace
