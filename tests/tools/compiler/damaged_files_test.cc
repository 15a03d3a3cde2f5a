// Files lemm-build writes carry checksums: a copy with a flipped byte (and a
// main dictionary cut short) is refused when the language is created, with
// a message naming the file; the intact files load. (The sharp-s and SWD
// files keep their checksum at their end, where older readers do not see
// it; a copy cut short loses it and loads as a file without one.)
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "interface/lemmatizer.h"
#include "tests/support/test_files.h"
#include "tools/compiler/language_compiler.h"

namespace {

// UTF-8 lexicon lines: forms, lemmas and tags for German, with a form that
// goes to the SWD file (a multi-word expression) and lemmas with a final
// sharp s (the sharp-s file).
const char kGerman[] =
    "Stra\xC3\x9F"
    "en\tStra\xC3\x9F"
    "e\tNOMCfp\n"
    "Fl\xC3\xBCsse\tFluss\tNOMCmp\n"
    "aufgemacht\taufmachen\tPAPF\n"
    "zum Beispiel\tzum Beispiel\tADVB\n";

class DamagedFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = testing_support::MakeTempDir();
    testing_support::WriteFile(m_dir + "de.tsv", kGerman);
    lemmatizer::CompileOptions options;
    options.code = "de";
    options.lexiconPath = m_dir + "de.tsv";
    options.outDir = m_dir;
    lemmatizer::CompileSummary summary;
    std::string error;
    ASSERT_TRUE(lemmatizer::CompileLanguage(options, summary, error)) << error;
    ASSERT_GT(summary.swdReadings, 0);
  }
  void TearDown() override { LemmatizerFreeRessources(); }

  std::string Read(const std::string& name) const {
    std::ifstream in(m_dir + "lemm/" + name, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  }
  // Creates German from the directory with `name` replaced by `bytes`;
  // returns the status and the message up to its " : ".
  std::string CreateWith(const std::string& name, const std::string& bytes) {
    const std::string original = Read(name);
    testing_support::WriteFile(m_dir + "lemm/" + name, bytes);
    char message[512] = {0};
    const int32_t status =
        LemmatizerCreateEx("de", (m_dir + "lemm").c_str(), message, sizeof(message) - 1);
    testing_support::WriteFile(m_dir + "lemm/" + name, original);
    LemmatizerFreeRessources();
    const std::string text = message;
    const size_t colon = text.find(" : ");
    const bool namesFile = text.find("lemm\\" + name) != std::string::npos ||
                           text.find("lemm/" + name) != std::string::npos;
    return std::to_string(status) + " " + text.substr(0, colon) + (namesFile ? " [file]" : "");
  }
  static std::string Flipped(std::string bytes, size_t at) {
    bytes[at] = static_cast<char>(bytes[at] ^ 0x04);
    return bytes;
  }
  std::string m_dir;
};

TEST_F(DamagedFiles, IntactFilesLoad) {
  for (const char* name : {"de-cwd.hsq", "de-ss.hsq", "de.swd"}) {
    EXPECT_EQ(CreateWith(name, Read(name)), "0 ") << name;
  }
}

TEST_F(DamagedFiles, AFlippedByteIsRefused) {
  const std::string main = Read("de-cwd.hsq");
  for (size_t at = 500; at < main.size(); at += 97) {
    EXPECT_EQ(CreateWith("de-cwd.hsq", Flipped(main, at)), "1 checksum error in file [file]")
        << "main, byte " << at;
  }
  const std::string sharpS = Read("de-ss.hsq");
  for (size_t at = 0; at + 8 < sharpS.size(); at += 5) {
    EXPECT_EQ(CreateWith("de-ss.hsq", Flipped(sharpS, at)), "1 checksum error in file [file]")
        << "sharp-s, byte " << at;
  }
  const std::string swd = Read("de.swd");
  // The entries' bytes (the checksum line is the last 24; a flip of the
  // line end before it would make it part of an entry cut off at the end).
  for (size_t at = 0; at + 30 < swd.size(); at += 7) {
    EXPECT_EQ(CreateWith("de.swd", Flipped(swd, at)), "1 checksum error in file [file]")
        << "SWD, byte " << at;
  }
}

TEST_F(DamagedFiles, AMainDictionaryCutShortIsRefused) {
  const std::string main = Read("de-cwd.hsq");
  for (size_t cut : {1, 5, 10}) {
    EXPECT_EQ(CreateWith("de-cwd.hsq", main.substr(0, main.size() - cut)),
              "1 checksum error in file [file]")
        << cut;
  }
}

}  // namespace
