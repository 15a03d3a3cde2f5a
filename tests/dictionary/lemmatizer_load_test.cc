// Loading main dictionaries: sizes, chunks, trailing bytes, failures.
#include <gtest/gtest.h>

#include <string>

#include "dictionary/lemmatizer.h"
#include "rules/table_handlers.h"
#include "tests/support/test_files.h"

namespace {

using testing_support::HsqBytes;
using testing_support::HsqRecord;
using testing_support::MakeTempDir;
using testing_support::WriteFile;

// Appends nothing: the tests here are about loading, not rules.
int32_t NoEnding(char*, int32_t, int32_t lemcode, intptr_t) { return lemcode; }

std::string TextRaisedBy(const std::string& path) {
  try {
    CLemmatizer lemmatizer(path.c_str(), NoEnding, 0);
  } catch (const char* text) {
    return text;
  }
  return "nothing raised";
}

std::vector<HsqRecord> Records(int count) {
  std::vector<HsqRecord> records;
  for (int i = 0; i < count; ++i) records.push_back({static_cast<char>('a' + i % 26), -i});
  return records;
}

TEST(HsqLoad, RecordCountIgnoresTrailingBytesAndKeepsTheHeader) {
  const std::string dir = MakeTempDir();
  std::string header(500, 'h');
  header[0] = '\x01';
  header[499] = '\xFF';
  for (const std::string& trailing : {std::string(), std::string("1"), std::string("1234")}) {
    const std::string path = dir + "t.hsq";
    WriteFile(path, HsqBytes(Records(3), header, trailing));
    CLemmatizer lemmatizer(path.c_str(), NoEnding, 0);
    EXPECT_TRUE(lemmatizer.IsLoaded());
    EXPECT_EQ(lemmatizer.RecordCount(), 3);
    EXPECT_EQ(std::string(lemmatizer.Header(), 500), header);
  }
}

TEST(HsqLoad, ChunkBoundaries) {
  const std::string dir = MakeTempDir();
  for (int count : {1023, 1024, 1025, 2048, 2049, 5000}) {
    const std::string path = dir + "c.hsq";
    WriteFile(path, HsqBytes(Records(count)));
    CLemmatizer lemmatizer(path.c_str(), NoEnding, 0);
    EXPECT_EQ(lemmatizer.RecordCount(), count);
  }
}

TEST(HsqLoad, ShortFiles) {
  const std::string dir = MakeTempDir();
  const std::string path = dir + "short.hsq";
  // Below the header size nothing is allocated and the file is rejected.
  for (size_t size : {0u, 1u, 499u}) {
    WriteFile(path, std::string(size, '\0'));
    EXPECT_EQ(TextRaisedBy(path), "read error from file : " + path + " ");
  }
  // A header with less than one record loads an empty dictionary.
  for (size_t size : {500u, 504u}) {
    WriteFile(path, std::string(size, '\0'));
    CLemmatizer lemmatizer(path.c_str(), NoEnding, 0);
    EXPECT_EQ(lemmatizer.RecordCount(), 0);
    std::vector<std::string> lemmas{"stale"};
    std::vector<int32_t> tags{7};
    lemmatizer.FindLemmas("word", lemmas, tags);
    EXPECT_TRUE(lemmas.empty());
    EXPECT_TRUE(tags.empty());
    lemmatizer.FindLemmas("", lemmas, tags);
    EXPECT_TRUE(lemmas.empty());
  }
}

TEST(HsqLoad, MissingFilesAndDirectoriesReportTheSizeQuery) {
  const std::string dir = MakeTempDir();
  EXPECT_EQ(TextRaisedBy(dir + "missing.hsq"), "couldn't get size of file : " + dir + "missing.hsq");
  EXPECT_EQ(TextRaisedBy(dir), "couldn't get size of file : " + dir);
  try {
    CLemmatizer lemmatizer(nullptr, NoEnding, 0);
    ADD_FAILURE();
  } catch (const char* text) {
    EXPECT_STREQ(text, "couldn't get size of file : ");
  }
}

TEST(HsqLoad, BackslashesInPathsAreDirectorySeparatorsButMessagesKeepThem) {
  const std::string dir = MakeTempDir();
  WriteFile(dir + "b.hsq", HsqBytes(Records(2)));
  std::string windowsStyle = dir.substr(0, dir.size() - 1) + "\\b.hsq";
  CLemmatizer lemmatizer(windowsStyle.c_str(), NoEnding, 0);
  EXPECT_EQ(lemmatizer.RecordCount(), 2);
  std::string missing = dir.substr(0, dir.size() - 1) + "\\none.hsq";
  EXPECT_EQ(TextRaisedBy(missing), "couldn't get size of file : " + missing);
}

TEST(ReadWholeFile, ReadsEverythingOrRaises) {
  const std::string dir = MakeTempDir();
  WriteFile(dir + "w", std::string("a\0b", 3));
  EXPECT_EQ(CLemmatizer::ReadWholeFile((dir + "w").c_str()), std::vector<char>({'a', '\0', 'b'}));
  WriteFile(dir + "empty", "");
  EXPECT_TRUE(CLemmatizer::ReadWholeFile((dir + "empty").c_str()).empty());
  try {
    CLemmatizer::ReadWholeFile((dir + "none").c_str());
    ADD_FAILURE();
  } catch (const char* text) {
    EXPECT_EQ(std::string(text), "couldn't get size of file : " + dir + "none");
  }
}

}  // namespace
