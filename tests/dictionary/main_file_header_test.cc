// The checked lines of the main dictionary's header: a damaged file, a file
// of a later format and a file built against another ending table are
// refused when loaded; files without those lines load as they always did.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dictionary/hsq_format.h"
#include "dictionary/lemmatizer.h"
#include "dictionary/main_file_header.h"
#include "dictionary/main_file_writer.h"
#include "interface/lemmatizer.h"
#include "platform/checksum.h"
#include "registry/lemmatizer_factory.h"
#include "rules/ending_tables.h"
#include "rules/table_handlers.h"
#include "tests/support/test_files.h"

namespace {

using lemmatizer::MainFileHeader;

// A two-key English trie: "cats" -> cat (NOMCp), "dogs" -> dog (NOMCp).
std::vector<lemmatizer::TrieRecord> Records() {
  const lemmatizer::HsqResult plural{91, 1, 0};  // tag 92 "NOMCp", cut the "s"
  std::vector<lemmatizer::TrieRecord> records;
  for (const auto& r : testing_support::BuildTrie({{"cats", {plural}}, {"dogs", {plural}}})) {
    records.push_back({static_cast<unsigned char>(r.key), r.value});
  }
  return records;
}

MainFileHeader EnglishHeader() {
  MainFileHeader header;
  header.hasEndings = true;
  header.endings = lemmatizer::FindEndingTable("en")->digest;
  return header;
}

std::string Load(const std::string& bytes) {
  const std::string path = testing_support::MakeTempDir() + "en-cwd.hsq";
  testing_support::WriteFile(path, bytes);
  try {
    CLemmatizer dictionary(path.c_str(), lemmatizer::TableDrivenHandler("en"), 0);
    std::vector<std::string> lemmas;
    std::vector<int32_t> tags;
    dictionary.FindLemmas("cats", lemmas, tags);
    return lemmas.empty() ? "loaded, no reading" : "loaded: " + lemmas[0];
  } catch (const char* text) {
    const std::string message = text;
    return message.substr(0, message.find(" : "));
  }
}

TEST(Checksum, KnownValues) {
  EXPECT_EQ(lemmatizer::Crc32("123456789", 9), 0xCBF43926u);
  EXPECT_EQ(lemmatizer::Crc32("", 0), 0u);
  EXPECT_EQ(lemmatizer::Crc32("6789", 4, lemmatizer::Crc32("12345", 5)), 0xCBF43926u);
  EXPECT_EQ(lemmatizer::Fnv1a64(""), 0xcbf29ce484222325ull);
  EXPECT_EQ(lemmatizer::Fnv1a64("a"), 0xaf63dc4c8601ec8cull);
}

TEST(MainFileHeader, WrittenLinesAreReadBack) {
  const std::string bytes = lemmatizer::MainDictionaryBytes(EnglishHeader(), "code: en\n", Records());
  const MainFileHeader read = lemmatizer::ParseMainFileHeader(bytes.data(), lemmatizer::kHsqHeaderSize);
  EXPECT_EQ(read.format, lemmatizer::kMainFileFormat);
  EXPECT_TRUE(read.hasEndings);
  EXPECT_EQ(read.endings, EnglishHeader().endings);
  ASSERT_TRUE(read.hasChecksum);
  EXPECT_EQ(read.checksum, lemmatizer::Crc32(bytes.data() + lemmatizer::kHsqHeaderSize,
                                             bytes.size() - lemmatizer::kHsqHeaderSize));
  EXPECT_EQ(bytes.size() % lemmatizer::kHsqRecordSize, 0u);
}

TEST(MainFileHeader, DamagedRecordsAreRefusedAtLoad) {
  const std::string good = lemmatizer::MainDictionaryBytes(EnglishHeader(), "", Records());
  EXPECT_EQ(Load(good), "loaded: cat");
  for (size_t at = lemmatizer::kHsqHeaderSize; at < good.size(); at += 3) {
    std::string flipped = good;
    flipped[at] = static_cast<char>(flipped[at] ^ 0x10);
    EXPECT_EQ(Load(flipped), "checksum error in file") << "byte " << at;
  }
  // A cut file loses records: the checksum no longer holds either.
  EXPECT_EQ(Load(good.substr(0, good.size() - lemmatizer::kHsqRecordSize)),
            "checksum error in file");
}

TEST(MainFileHeader, FilesWithoutCheckedLinesLoadAsBefore) {
  std::vector<testing_support::HsqRecord> records;
  for (const auto& r : Records()) records.push_back({static_cast<char>(r.key), r.value});
  EXPECT_EQ(Load(testing_support::HsqBytes(records)), "loaded: cat");
  EXPECT_EQ(Load(testing_support::HsqBytes(records, "a header of its own\nchecksum: none\n")),
            "loaded: cat");
}

TEST(MainFileHeader, LaterFormatsAreRefused) {
  std::string bytes = lemmatizer::MainDictionaryBytes(EnglishHeader(), "", Records());
  const size_t at = bytes.find("format: 1");
  ASSERT_NE(at, std::string::npos);
  bytes[at + 8] = '2';
  EXPECT_EQ(Load(bytes), "unsupported format version in file");
}

class EndingTableCheck : public ::testing::Test {
 protected:
  void TearDown() override { LemmatizerFreeRessources(); }

  // Creates "en" from a main file with `header`; returns status and message.
  std::string Create(const MainFileHeader& header) {
    const std::string dir = testing_support::MakeTempDir();
    testing_support::WriteFile(dir + "en-cwd.hsq",
                               lemmatizer::MainDictionaryBytes(header, "", Records()));
    testing_support::WriteScrambledFile(dir + "en.swd", "");
    char message[256] = {0};
    const int32_t status = LemmatizerCreate("en", (dir + "en.swd").c_str(), "", "",
                                            (dir + "en-cwd.hsq").c_str(), "", "", "", message,
                                            sizeof(message) - 1);
    const std::string text = message;
    return std::to_string(status) + " " + text.substr(0, text.find(" : "));
  }
};

TEST_F(EndingTableCheck, AFileBuiltAgainstAnotherTableIsRefused) {
  MainFileHeader other = EnglishHeader();
  other.endings ^= 1;
  EXPECT_EQ(Create(other), "1 ending table mismatch in file");
  EXPECT_EQ(CLemmatizerFactory::GetLemmatizer("en"), nullptr);
  EXPECT_EQ(Create(EnglishHeader()), "0 ");
}

TEST_F(EndingTableCheck, AFileThatNamesNoTableIsAccepted) {
  EXPECT_EQ(Create(MainFileHeader()), "0 ");
}

}  // namespace
