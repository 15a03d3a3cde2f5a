// The benchmark's own parts: its streams, its figures, its reading of
// callgrind's output, its child processes and its two peers.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "bench/callgrind_totals.h"
#include "bench/child_process.h"
#include "bench/engines.h"
#include "bench/report_format.h"
#include "bench/stream.h"
#include "registry/languages.h"

namespace lemmbench {
namespace {

std::string WriteFile(const std::string& name, const std::string& content) {
  const std::string path = ::testing::TempDir() + name;
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

std::string Text(const Word& word) { return std::string(word.text, word.size); }

TEST(BenchStream, ConvertsToTheCodePageAndLeavesOutWhatItCannotWrite) {
  // Greek cannot be written in 1252; an empty line is no token; the last
  // line has no newline.
  const std::string path = WriteFile("stream.txt", "Straße\n\nΩμέγα\ncafé\nlast");
  Stream stream;
  std::string error;
  ASSERT_TRUE(stream.Read(path, 1252, error)) << error;
  EXPECT_EQ(stream.Tokens(), 4u);
  EXPECT_EQ(stream.Unwritable(), 1u);
  ASSERT_EQ(stream.Utf8().size(), 3u);
  ASSERT_EQ(stream.CodePage().size(), 3u);
  EXPECT_EQ(Text(stream.Utf8()[0]), "Straße");
  EXPECT_EQ(Text(stream.CodePage()[0]),
            "Stra\xDF"
            "e");
  EXPECT_EQ(Text(stream.Utf8()[1]), "café");
  EXPECT_EQ(Text(stream.CodePage()[1]), "caf\xE9");
  EXPECT_EQ(Text(stream.CodePage()[2]), "last");
  // Every word is NUL-terminated where it lies, as Lemmatize needs it.
  for (const Word& word : stream.CodePage()) EXPECT_EQ(word.text[word.size], '\0');
  for (const Word& word : stream.Utf8()) EXPECT_EQ(word.text[word.size], '\0');

  // The same stream in Greek's code page keeps the Greek word.
  Stream greek;
  ASSERT_TRUE(greek.Read(path, 1253, error)) << error;
  EXPECT_EQ(greek.Unwritable(), 2u);  // "Straße" and "café"
  ASSERT_EQ(greek.CodePage().size(), 2u);
  EXPECT_EQ(Text(greek.CodePage()[0]), "\xD9\xEC\xDD\xE3\xE1");

  stream.Truncate(1);
  EXPECT_EQ(stream.Utf8().size(), 1u);
  EXPECT_EQ(stream.CodePage().size(), 1u);
  EXPECT_EQ(stream.Tokens(), 4u);
}

TEST(BenchStream, AMissingOrEmptyFileIsAnError) {
  Stream missing, empty;
  std::string error;
  EXPECT_FALSE(missing.Read(::testing::TempDir() + "no-such-stream.txt", 1252, error));
  EXPECT_NE(error.find("make-streams"), std::string::npos) << error;
  EXPECT_FALSE(empty.Read(WriteFile("empty.txt", "\n\n"), 1252, error));
  EXPECT_NE(error.find("no token"), std::string::npos) << error;
}

TEST(BenchFigures, GroupThousandsRoundAndMarkMissingFigures) {
  EXPECT_EQ(Grouped(0), "0");
  EXPECT_EQ(Grouped(999.4), "999");
  EXPECT_EQ(Grouped(999.5), "1,000");
  EXPECT_EQ(Grouped(1234567), "1,234,567");
  EXPECT_EQ(Grouped(-1), "-");
  EXPECT_EQ(Ratio(1, 4), "0.25");
  EXPECT_EQ(Ratio(-1, 4), "-");
  EXPECT_EQ(Ratio(1, 0), "-");
  EXPECT_EQ(Median({3, 1, 2}), 2);
  EXPECT_EQ(Median({4, 1, 3, 2}), 2.5);
  EXPECT_EQ(Median({}), 0);
}

TEST(BenchCallgrind, ReadsTheTotalsLineElseTheSummary) {
  EXPECT_EQ(CallgrindTotal(WriteFile("cg1.out",
                                     "version: 1\nevents: Ir\nsummary: 900\nfn=(1) f\n"
                                     "3 17\ntotals: 4410123 7\n")),
            4410123);
  EXPECT_EQ(CallgrindTotal(WriteFile("cg2.out", "events: Ir\nsummary: 900\n")), 900);
  EXPECT_EQ(CallgrindTotal(WriteFile("cg3.out", "events: Ir\ntotals:\n")), -1);
  EXPECT_EQ(CallgrindTotal(::testing::TempDir() + "no-such.out"), -1);
}

TEST(BenchChildProcess, CapturesStandardOutputAndTheExitStatus) {
  std::string output;
  EXPECT_TRUE(RunCapture({"sh", "-c", "echo out; echo err >&2"}, output));
  EXPECT_EQ(output, "out\n");
  EXPECT_FALSE(RunCapture({"sh", "-c", "echo partial; exit 3"}, output));
  EXPECT_EQ(output, "partial\n");
  EXPECT_FALSE(RunCapture({"/no/such/program"}, output));
  EXPECT_TRUE(OnPath("sh"));
  EXPECT_FALSE(OnPath("no-such-program-anywhere"));
  EXPECT_FALSE(SelfPath().empty());
}

// The two peers on a small stream: each either works or says why not.
class BenchPeers : public ::testing::Test {
 protected:
  void SetUp() override {
    // A file of each test's own: ctest runs the two at once.
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::string error;
    ASSERT_TRUE(m_stream.Read(WriteFile(name + ".txt", "running\ncats\nxqzvw\n"), 1252, error));
  }
  Stream m_stream;
};

TEST_F(BenchPeers, SnowballStemsInTheLanguageOrSaysWhichStemmerIsMissing) {
  std::unique_ptr<Engine> snowball = MakeEngine("snowball", "", "");
  ASSERT_NE(snowball, nullptr);
  std::string error;
  if (!snowball->Open(*lemmatizer::FindLanguage("en"), error)) {
    EXPECT_NE(error.find("libstemmer"), std::string::npos) << error;
    GTEST_SKIP() << error;
  }
  // "run" + "cat" + "xqzvw": the pass returns the stems' lengths.
  EXPECT_EQ(snowball->Pass(m_stream), 3u + 3u + 5u);
  EXPECT_EQ(snowball->WarmUp(m_stream, 1), 3u);
  // Serbian in Latin script takes Snowball's "serbian"; it has no Macedonian.
  std::unique_ptr<Engine> serbian = MakeEngine("snowball", "", "");
  EXPECT_TRUE(serbian->Open(*lemmatizer::FindLanguage("sl"), error)) << error;
  std::unique_ptr<Engine> macedonian = MakeEngine("snowball", "", "");
  EXPECT_FALSE(macedonian->Open(*lemmatizer::FindLanguage("mk"), error));
  EXPECT_NE(error.find("\"macedonian\""), std::string::npos) << error;
}

TEST_F(BenchPeers, HunspellStemsWithTheDebianDictionaryOrSaysWhichIsMissing) {
  const std::string directory = "/usr/share/hunspell/";
  std::unique_ptr<Engine> hunspell = MakeEngine("hunspell", "", directory);
  ASSERT_NE(hunspell, nullptr);
  std::string error;
  if (!hunspell->Open(*lemmatizer::FindLanguage("e4"), error)) {  // en_US, as for "en"
    EXPECT_NE(error.find("en_US"), std::string::npos) << error;
    GTEST_SKIP() << error;
  }
  // One stem for each known word, none for the unknown one.
  EXPECT_EQ(hunspell->Pass(m_stream), 2u);
  std::unique_ptr<Engine> albanian = MakeEngine("hunspell", "", directory);
  EXPECT_FALSE(albanian->Open(*lemmatizer::FindLanguage("al"), error));
  EXPECT_NE(error.find("\"al\""), std::string::npos) << error;
}

TEST(BenchEngines, AreKnownByTheirNamesWithTheirLoopFunctions) {
  for (const EngineInfo& info : Engines()) {
    std::unique_ptr<Engine> engine = MakeEngine(info.name, "", "");
    ASSERT_NE(engine, nullptr) << info.name;
    EXPECT_STREQ(engine->Name(), info.name);
  }
  EXPECT_EQ(MakeEngine("no-such-engine", "", ""), nullptr);
}

}  // namespace
}  // namespace lemmbench
