// The Russian extension rows learnt from case readings, and the extended
// readings a compiled dictionary's extension file then gives.
#include "tools/compiler/russian_cases.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary/reading_list.h"
#include "dictionary/tag_table.h"
#include "interface/lemmatizer.h"
#include "interface/russian_extension.h"
#include "registry/extended_tags.h"
#include "tests/support/test_files.h"
#include "tools/compiler/language_compiler.h"

namespace {

using lemmatizer::CaseLearning;
using lemmatizer::CaseReading;
using lemmatizer::ExtensionRow;

// Windows-1251 forms, written in Latin letters for the ending logic.
CaseReading Case(const std::string& form, const char* tag, std::vector<std::string> names) {
  return CaseReading{form, CTagTable::GetTagNumber(tag), std::move(names)};
}

std::vector<std::string> Text(const std::vector<ExtensionRow>& rows) {
  std::vector<std::string> out;
  for (const ExtensionRow& row : rows) {
    out.push_back(row.ending + " " + row.extendedTag + " " + row.tag);
  }
  return out;
}

TEST(RussianCases, LongerEndingsOnlyWhereTheirNamesDiffer) {
  CaseLearning learning;
  learning.minForms = 2;
  const std::vector<CaseReading> readings = {
      // masculine nouns: -a genitive, -om instrumental
      Case("stola", "NOMCms", {"GSM"}), Case("doma", "NOMCms", {"GSM"}),
      Case("stolom", "NOMCms", {"ISM"}), Case("domom", "NOMCms", {"ISM"}),
      // adjectives: -ogo genitive masculine or neuter, -oj feminine oblique
      Case("novogo", "ADJEp", {"GSM", "GSN"}), Case("starogo", "ADJEp", {"GSM", "GSN"}),
      Case("novoj", "ADJEp", {"GSF", "DSF", "ISF", "PSF"}),
      Case("staroj", "ADJEp", {"GSF", "DSF", "ISF", "PSF"}),
      // a single form with its own ending stays out (minForms)
      Case("xyzq", "NOMCms", {"NSM"})};
  EXPECT_EQ(Text(lemmatizer::LearnExtensionRows(readings, learning)),
            (std::vector<std::string>{"j DSF ADJEp", "j GSF ADJEp", "j ISF ADJEp", "j PSF ADJEp",
                                      "o GSM ADJEp", "o GSN ADJEp", "a GSM NOMCms", "m ISM NOMCms",
                                      "q NSM NOMCms"}));
}

TEST(RussianCases, RareNamesOfAnEndingAreLeftOut) {
  CaseLearning learning;
  learning.minPercent = 30;
  learning.maxEnding = 1;
  std::vector<CaseReading> readings;
  for (char c = 'a'; c < 'j'; ++c)
    readings.push_back(Case(std::string(1, c) + "a", "NOMCfs", {"NSF"}));
  readings.push_back(Case("za", "NOMCfs", {"GSF"}));  // one in ten: under 30 %
  const std::vector<std::string> rows = Text(lemmatizer::LearnExtensionRows(readings, learning));
  EXPECT_EQ(rows, (std::vector<std::string>{"a NSF NOMCfs"}));
}

TEST(RussianCases, CaseFileLinesWithUnknownTagsAreSkipped) {
  const std::string path = testing_support::MakeTempDir() + "cases.tsv";
  testing_support::WriteFile(path,
                             "\xD1\x81\xD1\x82\xD0\xBE\xD0\xBB\xD0\xB0\tNOMCms\tGSM\n"  // стола
                             "\xD0\xB4\xD0\xBE\xD0\xBC\tNOMCms\tNSM ASM\n"              // дом
                             "x\tNOSUCHTAG\tGSM\n"
                             "y\tNOMCms\tNOSUCHNAME\n"
                             "malformed line\n");
  std::vector<CaseReading> readings;
  int64_t skipped = 0;
  std::string error;
  ASSERT_TRUE(lemmatizer::ReadCaseReadings(path, 1251, readings, skipped, error)) << error;
  EXPECT_EQ(skipped, 3);
  ASSERT_EQ(readings.size(), 2u);
  EXPECT_EQ(readings[0].form, "\xF1\xF2\xEE\xEB\xE0");
  EXPECT_EQ(readings[1].names, (std::vector<std::string>{"NSM", "ASM"}));
  EXPECT_FALSE(lemmatizer::ReadCaseReadings(path + ".missing", 1251, readings, skipped, error));
}

TEST(RussianCases, CompiledExtensionGivesTheCaseReadings) {
  const std::string dir = testing_support::MakeTempDir();
  // рука, руки, руку; стол, стола
  testing_support::WriteFile(
      dir + "lexicon.tsv",
      "\xD1\x80\xD1\x83\xD0\xBA\xD0\xB0\t\xD1\x80\xD1\x83\xD0\xBA\xD0\xB0\tNOMCfs\n"
      "\xD1\x80\xD1\x83\xD0\xBA\xD0\xB8\t\xD1\x80\xD1\x83\xD0\xBA\xD0\xB0\tNOMCfs\n"
      "\xD1\x81\xD1\x82\xD0\xBE\xD0\xBB\xD0\xB0\t\xD1\x81\xD1\x82\xD0\xBE\xD0\xBB\tNOMCms\n");
  testing_support::WriteFile(dir + "cases.tsv",
                             "\xD1\x80\xD1\x83\xD0\xBA\xD0\xB0\tNOMCfs\tNSF\n"
                             "\xD1\x80\xD1\x83\xD0\xBA\xD0\xB8\tNOMCfs\tGSF\n"
                             "\xD1\x81\xD1\x82\xD0\xBE\xD0\xBB\xD0\xB0\tNOMCms\tGSM\n");
  lemmatizer::CompileOptions options;
  options.code = "ru";
  options.lexiconPath = dir + "lexicon.tsv";
  options.casesPath = dir + "cases.tsv";
  options.outDir = dir;
  lemmatizer::CompileSummary summary;
  std::string error;
  ASSERT_TRUE(lemmatizer::CompileLanguage(options, summary, error)) << error;
  EXPECT_EQ(summary.extensionRows, 3);

  char message[128] = "";
  ASSERT_EQ(LemmatizeInitRusischExtendPath((dir + "lemm/ru.txt").c_str(), message, sizeof(message)),
            0)
      << message;
  // a word the lexicon does not hold, with the ending and tag of руки
  lemmatizer::ReadingList readings;
  readings.Add("\xED\xEE\xE3\xE0", CTagTable::GetTagNumber("NOMCfs"),  // нога
               lemmatizer::ReadingSource::kTrie);
  ASSERT_EQ(lemmatizer::RusischExtendResults("\xED\xEE\xE3\xE8", readings, message,
                                             sizeof(message)),
            0);
  ASSERT_EQ(readings.Size(), 2u);
  EXPECT_EQ(readings.Tag(1), lemmatizer::ExtendedTagNumber("GSF"));
  EXPECT_STREQ(readings.Lemma(1), readings.Lemma(0));
  EXPECT_EQ(readings.Source(1), lemmatizer::ReadingSource::kExtension);
  // the same ending under another tag adds nothing
  readings.Clear();
  readings.Add("x", CTagTable::GetTagNumber("NOMCmp"), lemmatizer::ReadingSource::kTrie);
  lemmatizer::RusischExtendResults("\xED\xEE\xE3\xE8", readings, message, sizeof(message));
  EXPECT_EQ(readings.Size(), 1u);
}

}  // namespace
