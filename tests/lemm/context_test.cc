// The context model of text analysis ("<code>-context.txt"): the readings
// that fit a word's tag in its sentence come first; a language without the
// file keeps the dictionary's order; a damaged file is refused.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "lemm.h"
#include "tests/lemm/lemm_testing.h"
#include "tests/lemm/lexicons.h"
#include "tests/support/test_files.h"

namespace {

using lemm_testing::FirstLemmas;

const char kLexicon[] =
    "meeting\tmeeting\tNOMCus\n"
    "meeting\tmeet\tPRPF\n"
    "the\tthe\tDETDu\n"
    "was\tbe\tVRBB3\n"
    "see\tsee\tINFF\n"
    "section\tsection\tNOMCus\n";

std::string OpenError(const std::string& dir) {
  char* error = nullptr;
  lemm_language* language = lemm_open("en", dir.c_str(), &error);
  lemm_close(language);
  const std::string message = error == nullptr ? "opened" : error;
  lemm_free(error);
  return message;
}

TEST(Context, ReadingsThatFitTheSentenceComeFirst) {
  const std::string dir = lemm_testing::BuildDictionary("en", kLexicon);
  lemm_language* plain = lemm_testing::Open("en", dir);
  testing_support::WriteFile(dir + "lemm/en-context.txt", lemm_testing::kEnglishContext);
  lemm_language* tagged = lemm_testing::Open("en", dir);
  ASSERT_NE(plain, nullptr);
  ASSERT_NE(tagged, nullptr);
  // Without the model, the dictionary's order whatever the sentence.
  EXPECT_EQ(FirstLemmas(plain, "the meeting"), "the meeting");
  EXPECT_EQ(FirstLemmas(plain, "was meeting"), "be meeting");
  EXPECT_EQ(FirstLemmas(plain, "see the Section"), "see the Section");
  // With it, a verb after "was", a noun after "the"...
  EXPECT_EQ(FirstLemmas(tagged, "the meeting"), "the meeting");
  EXPECT_EQ(FirstLemmas(tagged, "was meeting"), "be meet");
  // ... also where a capital made it look like a name.
  EXPECT_EQ(FirstLemmas(tagged, "see the Section"), "see the section");
  // A word in capitals is the word in lower case shouted, or an acronym.
  EXPECT_EQ(FirstLemmas(tagged, "was MEETING"), "be meet");
  EXPECT_EQ(FirstLemmas(tagged, "see the MEETING"), "see the meeting");
  // Each sentence on its own: a sentence start breaks the chain.
  EXPECT_EQ(FirstLemmas(tagged, "the meeting. was meeting."), "the meeting be meet");
  // Single words are not analysed in context.
  EXPECT_EQ(lemm_testing::Lemmas(tagged, "meeting"), "meeting/NOMCus meet/PRPF");
  lemm_close(plain);
  lemm_close(tagged);
}

TEST(Context, ADamagedModelIsRefused) {
  const std::string dir = lemm_testing::BuildDictionary("en", kLexicon);
  const std::string path = dir + "lemm/en-context.txt";
  testing_support::WriteFile(path, "tag\tdet\nstart\tdet\nnext\tdet\txx\t0.5\n");
  EXPECT_EQ(OpenError(dir), "bad line 3 in context model : " + path);
  testing_support::WriteFile(path, "tag\tdet\nnext\tdet\tdet\t-1\n");
  EXPECT_EQ(OpenError(dir), "bad line 2 in context model : " + path);
  testing_support::WriteFile(path, "tag\tdet\nnext\tdet\tdet\t0.5\n");  // no start
  EXPECT_EQ(OpenError(dir), "incomplete context model : " + path);
  testing_support::WriteFile(path, "tag\tdet\nstart\tdet\nword\tthe\tdet\n");
  EXPECT_EQ(OpenError(dir), "bad line 3 in context model : " + path);
  // Tag sets are small: the transitions take the square of their size.
  std::string many;
  for (int i = 0; i < 300; ++i) many += "tag\tt" + std::to_string(i) + "\n";
  testing_support::WriteFile(path, many);
  EXPECT_EQ(OpenError(dir), "bad line 257 in context model : " + path);
  // Lines that end with CR LF, as an editor elsewhere may write them, are
  // no damage.
  std::string crlf;
  for (const char* c = lemm_testing::kEnglishContext; *c != '\0'; ++c) {
    if (*c == '\n') crlf += '\r';
    crlf += *c;
  }
  testing_support::WriteFile(path, crlf);
  EXPECT_EQ(OpenError(dir), "opened");
  ASSERT_EQ(std::remove(path.c_str()), 0);
  EXPECT_EQ(OpenError(dir), "opened");
}

}  // namespace
