#include "dictionary/scrambled_file.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "tests/support/test_files.h"

namespace {

using lemmatizer::ReadLine;

TEST(Scramble, IsItsOwnInverseAndRestartsPerFile) {
  std::string all;
  for (int i = 0; i < 1000; ++i) all += static_cast<char>(i * 7);
  std::string bytes = all;
  lemmatizer::ScrambleBytes(bytes);
  EXPECT_NE(bytes, all);
  lemmatizer::ScrambleBytes(bytes);
  EXPECT_EQ(bytes, all);

  const std::string dir = testing_support::MakeTempDir();
  testing_support::WriteScrambledFile(dir + "a", "same text");
  testing_support::WriteScrambledFile(dir + "b", "same text");
  std::stringstream a, b;
  ASSERT_TRUE(lemmatizer::ReadScrambledFile((dir + "a").c_str(), a));
  ASSERT_TRUE(lemmatizer::ReadScrambledFile((dir + "b").c_str(), b));
  EXPECT_EQ(a.str(), "same text");
  EXPECT_EQ(b.str(), "same text");
}

TEST(ReadScrambledFile, MissingFileLeavesTheStreamAlone) {
  std::stringstream stream("kept");
  EXPECT_FALSE(lemmatizer::ReadScrambledFile("/nonexistent/file", stream));
  EXPECT_EQ(stream.str(), "kept");
  EXPECT_FALSE(lemmatizer::ReadScrambledFile(nullptr, stream));
}

TEST(ReadScrambledFile, EmptyFileGivesAnEmptyStream) {
  const std::string dir = testing_support::MakeTempDir();
  testing_support::WriteFile(dir + "empty", "");
  std::stringstream stream;
  ASSERT_TRUE(lemmatizer::ReadScrambledFile((dir + "empty").c_str(), stream));
  std::string line = "x";
  ReadLine(stream, line, '\n', true);
  EXPECT_EQ(line, "");
  EXPECT_TRUE(stream.eof());
  EXPECT_TRUE(stream.fail());
}

TEST(ReadLine, SkipsLeadingBlanksAndTellsTheEndFromTheDelimiter) {
  std::stringstream stream("  \tabc\n   \nlast");
  std::string line;
  ReadLine(stream, line, '\n', true);
  EXPECT_EQ(line, "abc");
  EXPECT_TRUE(stream.good());
  ReadLine(stream, line, '\n', true);  // blanks only
  EXPECT_EQ(line, "");
  EXPECT_TRUE(stream.good());
  ReadLine(stream, line, '\n', true);  // ended by the end of the text
  EXPECT_EQ(line, "last");
  EXPECT_TRUE(stream.eof());
  EXPECT_TRUE(stream.fail());
}

TEST(ReadLine, KeepsBlanksWithoutSkippingAndCarriageReturns) {
  std::stringstream stream("  a b\r\n");
  std::string line;
  ReadLine(stream, line, '\n', false);
  EXPECT_EQ(line, "  a b\r");
  EXPECT_TRUE(stream.good());
  ReadLine(stream, line, '\n', false);  // the empty rest after a final delimiter
  EXPECT_EQ(line, "");
  EXPECT_TRUE(stream.fail());
}

}  // namespace
