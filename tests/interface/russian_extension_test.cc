#include "interface/russian_extension.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "interface/lemmatizer.h"
#include "tests/support/test_files.h"

// Every test runs in a process of its own, so each starts with no
// extension path registered and no load attempted.
namespace {

using lemmatizer::ExtendEntry;
using Readings = std::vector<std::pair<std::string, int32_t>>;

constexpr char kTitle[] = "Online Default for Russian";
constexpr int32_t kAdap = 3;
constexpr int32_t kAdat = 4;
constexpr int32_t kNomp = 97;
constexpr int32_t kExtA = 2012;
constexpr int32_t kExtC = 2042;
constexpr int32_t kExtP = 2117;
constexpr int32_t kExtNR = 2150;

std::string WriteExtension(const std::string& text) {
  const std::string path = testing_support::MakeTempDir() + "ru.txt";
  testing_support::WriteScrambledFile(path, text);
  return path;
}

int32_t Init(const std::string& path, std::string* message = nullptr) {
  char buffer[128];
  std::memset(buffer, 'x', sizeof(buffer));
  const int32_t status = LemmatizeInitRusischExtendPath(path.c_str(), buffer, sizeof(buffer));
  if (message != nullptr) *message = status == 0 ? "" : buffer;
  return status;
}

// Registers `text` and loads it into a fresh table.
std::vector<ExtendEntry> Load(const std::string& text) {
  EXPECT_EQ(Init(WriteExtension(text)), 0);
  std::vector<ExtendEntry> table;
  lemmatizer::LoadRusischExtendFile(table, nullptr, 0);
  return table;
}

std::vector<std::string> Rows(const std::vector<ExtendEntry>& table) {
  std::vector<std::string> rows;
  for (const ExtendEntry& row : table) {
    rows.push_back(std::to_string(row.tag) + " " + row.reversedEnding + " " + row.newTagName);
  }
  return rows;
}

Readings Extend(const std::string& word, Readings candidates, int32_t* status = nullptr) {
  lemmatizer::ReadingList list;
  for (const auto& candidate : candidates) {
    list.Add(candidate.first, candidate.second, lemmatizer::ReadingSource::kTrie);
  }
  const int32_t result = lemmatizer::RusischExtendResults(word.c_str(), list, nullptr, 0);
  if (status != nullptr) *status = result;
  Readings readings;
  for (size_t i = 0; i < list.Size(); ++i) readings.emplace_back(list.Lemma(i), list.Tag(i));
  return readings;
}

TEST(ExtendInit, ChecksThePathAndTheTitleLine) {
  char buffer[32];
  EXPECT_EQ(LemmatizeInitRusischExtendPath(nullptr, buffer, sizeof(buffer)), 5);
  EXPECT_STREQ(buffer, "path empty");
  std::string message;
  EXPECT_EQ(Init("/nonexistent/ru.txt", &message), 5);
  EXPECT_EQ(message, "open extend file error!");
  EXPECT_EQ(Init(WriteExtension(""), &message), 5);
  EXPECT_EQ(message, "get extend file title line error!");
  EXPECT_EQ(Init(WriteExtension(std::string(kTitle) + std::string(1000, 'x') + "\n"), &message), 5);
  EXPECT_EQ(message, "get extend file title line error!");
  EXPECT_EQ(Init(WriteExtension("Online default for Russian\n"), &message), 5);
  EXPECT_EQ(message, "Extend file title line error!");
  EXPECT_EQ(Init(WriteExtension("\nOnline Default for Russian\n"), &message), 5);
  EXPECT_EQ(message, "Extend file title line error!");
  EXPECT_EQ(Init(WriteExtension(std::string(kTitle) + " v2"), &message), 0);
  // A title line of exactly 1023 bytes still fits.
  EXPECT_EQ(Init(WriteExtension(std::string(kTitle) + std::string(997, 'x') + "\n"), &message), 0);
}

TEST(ExtendInit, MessagesAreBoundedByTheBuffer) {
  char buffer[8];
  std::memset(buffer, 'x', sizeof(buffer));
  EXPECT_EQ(LemmatizeInitRusischExtendPath("/nonexistent/ru.txt", buffer, 4), 5);
  EXPECT_EQ(std::string(buffer, 8), "openxxxx");
  EXPECT_EQ(LemmatizeInitRusischExtendPath("/nonexistent/ru.txt", nullptr, 0), 5);
  EXPECT_EQ(LemmatizeInitRusischExtendPath("/nonexistent/ru.txt", buffer, 0), 5);
  EXPECT_EQ(std::string(buffer, 8), "openxxxx");
}

TEST(ExtendLoad, ReportsAMissingPathFileOrTitle) {
  std::vector<ExtendEntry> table;
  char buffer[64];
  try {
    lemmatizer::LoadRusischExtendFile(table, buffer, sizeof(buffer));
    FAIL() << "no error raised";
  } catch (const char* text) {
    EXPECT_STREQ(text, "extend filename empty, not init?");
    EXPECT_STREQ(buffer, "extend filename empty, not init?");
  }
  const std::string path = WriteExtension(std::string(kTitle) + "\n");
  ASSERT_EQ(Init(path), 0);
  testing_support::WriteScrambledFile(path, "wrong title\n");
  try {
    lemmatizer::LoadRusischExtendFile(table, buffer, sizeof(buffer));
    FAIL() << "no error raised";
  } catch (const char* text) {
    EXPECT_STREQ(text, "open extend file title line error!");
    EXPECT_STREQ(buffer, "open extend file title line error!");
  }
  std::remove(path.c_str());
  // The message with the path is cut to the buffer, and a null buffer
  // receives nothing.
  char small[32];
  try {
    lemmatizer::LoadRusischExtendFile(table, small, sizeof(small));
    FAIL() << "no error raised";
  } catch (const char* text) {
    EXPECT_EQ(std::string(text), "open extend file error : \xA7" + path + "\xA7");
    EXPECT_EQ(std::string(small, sizeof(small)), std::string(text).substr(0, sizeof(small)));
  }
  EXPECT_THROW(lemmatizer::LoadRusischExtendFile(table, nullptr, 0), const char*);
  EXPECT_TRUE(table.empty());
}

TEST(ExtendLoad, BuildsSortedRowsAndSkipsMalformedLines) {
  const std::vector<ExtendEntry> table =
      Load(std::string(kTitle) +
           "\n"
           "ab P NOMP NOMP\n"
           "  xyz\tA ADAP NOMP\r\n"
           "b C ADAP ADAP\n"
           "short A NOMP\n"
           "\n" +
           std::string(128, 'e') + " A NOMP NOMP\n" + "ok " + std::string(32, 'N') +
           " NOMP NOMP\n"
           "last NR ADAT ADAT");
  EXPECT_EQ(Rows(table),
            (std::vector<std::string>{"3 b C", "3 zyx A", "4 tsal NR", "97 ba P", "97 zyx A"}));
}

TEST(ExtendLoad, AnOverlongLineEndsTheReading) {
  const std::vector<ExtendEntry> table =
      Load(std::string(kTitle) + "\nzz P NOMP NOMP\n" + "aa P NOMP NOMP " + std::string(1020, ' ') +
           "\n" + "bb P NOMP NOMP\n");
  EXPECT_EQ(Rows(table), (std::vector<std::string>{"97 zz P"}));
}

TEST(ExtendLoad, AnUnknownTagNameStopsAfterSortingWhatWasRead) {
  ASSERT_EQ(Init(WriteExtension(std::string(kTitle) +
                                "\nzz P NOMP NOMP\naa P ADAP ADAP\nbb P BOGUS NOMP\ncc P NOMP\n")),
            0);
  std::vector<ExtendEntry> table;
  try {
    lemmatizer::LoadRusischExtendFile(table, nullptr, 0);
    FAIL() << "no error raised";
  } catch (const std::string& text) {
    EXPECT_EQ(text, "lemmatizer: Language : doesn't contain tag : BOGUS");
  }
  EXPECT_EQ(Rows(table), (std::vector<std::string>{"3 aa P", "97 zz P"}));
}

TEST(ExtendResults, LongestEndingPerCandidateTag) {
  ASSERT_EQ(Init(WriteExtension(std::string(kTitle) + "\n"
                                                      "a C NOMP NOMP\n"
                                                      "cba P NOMP NOMP\n"
                                                      "cba NR NOMP NOMP\n"
                                                      "ba A ADAP ADAP\n"
                                                      "a C ADAT ADAT\n")),
            0);
  // NOMP: the length-3 rows only, both of them; ADAP: the length-2 row;
  // ADAT: the last letter. Added pairs are not extended again.
  EXPECT_EQ(Extend("xcba", {{"l1", kNomp}, {"l2", kAdap}, {"l3", kNomp}, {"l4", kAdat}}),
            (Readings{{"l1", kNomp},
                      {"l2", kAdap},
                      {"l3", kNomp},
                      {"l4", kAdat},
                      {"l1", kExtP},
                      {"l1", kExtNR},
                      {"l2", kExtA},
                      {"l3", kExtP},
                      {"l3", kExtNR},
                      {"l4", kExtC}}));
  // No row for the tag or for any ending: nothing added.
  EXPECT_EQ(Extend("xyz", {{"l", kNomp}}), (Readings{{"l", kNomp}}));
  EXPECT_EQ(Extend("xcba", {{"l", 1}}), (Readings{{"l", 1}}));
}

TEST(ExtendResults, AFailedLoadIsReportedOnceAndNotRetried) {
  char buffer[64];
  lemmatizer::ReadingList list;
  list.Add("l", kNomp, lemmatizer::ReadingSource::kTrie);
  EXPECT_EQ(lemmatizer::RusischExtendResults("word", list, buffer, sizeof(buffer)), 5);
  EXPECT_STREQ(buffer, "extend filename empty, not init?");
  // A file registered later is not read any more.
  ASSERT_EQ(Init(WriteExtension(std::string(kTitle) + "\nd C NOMP NOMP\n")), 0);
  int32_t status = -1;
  EXPECT_EQ(Extend("word", {{"l", kNomp}}, &status), (Readings{{"l", kNomp}}));
  EXPECT_EQ(status, 0);
}

TEST(ExtendResults, AnUnknownExtendedTagIsRaisedWhenUsed) {
  ASSERT_EQ(Init(WriteExtension(std::string(kTitle) + "\nd XX NOMP NOMP\n")), 0);
  EXPECT_EQ(Extend("abc", {{"l", kNomp}}), (Readings{{"l", kNomp}}));
  try {
    Extend("abcd", {{"l", kNomp}});
    FAIL() << "no error raised";
  } catch (const std::string& text) {
    EXPECT_EQ(text, "lemmatizerf: Language : doesn't contain tag : XX");
  }
}

TEST(ExtendTags, NamesToNumbers) {
  EXPECT_EQ(lemmatizer::GetExtTagForString("P1PA"), 2000);
  EXPECT_EQ(lemmatizer::GetExtTagForString("A"), kExtA);
  EXPECT_EQ(lemmatizer::GetExtTagForString("NR"), kExtNR);
  EXPECT_THROW(lemmatizer::GetExtTagForString("nr"), std::string);
}

}  // namespace
