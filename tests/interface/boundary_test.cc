#include "interface/boundary.h"

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "dictionary/errors.h"

namespace {

using lemmatizer::CopyMessage;
using lemmatizer::Guard;

TEST(CopyMessage, HasStrncpySemantics) {
  char buffer[8];
  std::memset(buffer, 'x', sizeof(buffer));
  CopyMessage(buffer, 8, "abc");
  EXPECT_EQ(std::string(buffer, 8), std::string("abc\0\0\0\0\0", 8));  // NUL-padded

  std::memset(buffer, 'x', sizeof(buffer));
  CopyMessage(buffer, 5, "abcdefgh");
  EXPECT_EQ(std::string(buffer, 8), "abcdexxx");  // cut, no terminator, nothing beyond

  std::memset(buffer, 'x', sizeof(buffer));
  CopyMessage(buffer, 3, "abc");
  EXPECT_EQ(std::string(buffer, 8), "abcxxxxx");  // exactly the size: no terminator
}

TEST(CopyMessage, NeverWritesANullOrEmptyBuffer) {
  CopyMessage(nullptr, 10, "message");  // must not crash
  char buffer[4] = {'x', 'x', 'x', 'x'};
  CopyMessage(buffer, 0, "message");
  CopyMessage(buffer, -3, "message");
  EXPECT_EQ(std::string(buffer, 4), "xxxx");
}

// Runs a body that raises `raise` under `rule` and returns status and message.
template <typename Raise>
std::pair<int32_t, std::string> RunGuarded(const lemmatizer::BoundaryRule& rule, Raise raise) {
  char buffer[128] = {0};
  const int32_t status = Guard(rule, buffer, sizeof(buffer), [&]() -> int32_t {
    raise();
    return 0;
  });
  return {status, buffer};
}

TEST(Guard, MapsEachKindOfFailureByTheExportsRule) {
  const auto text = [] { lemmatizer::RaiseText("text %d", 1); };
  const auto object = [] { lemmatizer::RaiseString("object"); };
  const auto standard = [] { throw std::runtime_error("standard"); };
  const auto other = [] { throw 42; };

  using P = std::pair<int32_t, std::string>;
  EXPECT_EQ(RunGuarded(lemmatizer::kLemmatizeRule, text), P(4, "text 1"));
  EXPECT_EQ(RunGuarded(lemmatizer::kLemmatizeRule, object), P(4, "object"));
  EXPECT_EQ(RunGuarded(lemmatizer::kLemmatizeRule, standard), P(3, "standard"));
  EXPECT_EQ(RunGuarded(lemmatizer::kLemmatizeRule, other), P(3, "Unknown Exception!"));

  EXPECT_EQ(RunGuarded(lemmatizer::kCreateRule, text), P(1, "text 1"));
  EXPECT_EQ(RunGuarded(lemmatizer::kCreateRule, object), P(2, "object"));
  EXPECT_EQ(RunGuarded(lemmatizer::kCreateRule, standard), P(3, "standard"));
  EXPECT_EQ(RunGuarded(lemmatizer::kCreateRule, other), P(3, "unknown exception"));

  EXPECT_EQ(RunGuarded(lemmatizer::kSetLanguageRule, text), P(4, "text 1"));
  EXPECT_EQ(RunGuarded(lemmatizer::kSetLanguageRule, object), P(3, "object"));
  EXPECT_EQ(RunGuarded(lemmatizer::kSetLanguageRule, other), P(3, "Unknown Exception!"));

  EXPECT_EQ(RunGuarded(lemmatizer::kGetLanguageRule, text), P(3, "Act Language null"));
  EXPECT_EQ(RunGuarded(lemmatizer::kGetLanguageRule, standard), P(3, "Act Language null"));

  EXPECT_EQ(RunGuarded(lemmatizer::kTagNameRule, text).second, "text 1");
  EXPECT_EQ(RunGuarded(lemmatizer::kTagNameRule, object).second, "unknown error");
  EXPECT_EQ(RunGuarded(lemmatizer::kTagNameRule, other).second, "unknown error");
}

TEST(Guard, SuccessReturnsTheBodysStatusAndWritesNothing) {
  char buffer[4] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(Guard(lemmatizer::kLemmatizeRule, buffer, 4, [] { return 0; }), 0);
  EXPECT_EQ(std::string(buffer, 4), "xxxx");
}

TEST(RaiseText, LongHostStringsAreFormattedWhole) {
  const std::string path(5000, 'p');
  try {
    lemmatizer::RaiseText("couldn't open file : %s", path.c_str());
  } catch (const char* text) {
    EXPECT_EQ(std::string(text), "couldn't open file : " + path);
  }
}

}  // namespace
