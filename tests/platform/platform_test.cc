#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "platform/codepage.h"
#include "platform/file.h"
#include "platform/text.h"
#include "registry/languages.h"

namespace {

using namespace lemmatizer;

TEST(Text, CaseInsensitiveComparisonsFoldAsciiOnly) {
  EXPECT_EQ(StrICmp("RU", "ru"), 0);
  EXPECT_EQ(StrICmp("Ru", "rU"), 0);
  EXPECT_NE(StrICmp("r4", "ru"), 0);
  EXPECT_NE(StrICmp("\xC0", "\xE0"), 0);  // bytes above 127 are not letters here
  EXPECT_LT(StrICmp("a", "ab"), 0);
  EXPECT_EQ(StrNICmp("RUSSIAN", "rus", 2), 0);
  EXPECT_EQ(StrICmp(nullptr, ""), 0);
}

TEST(Text, LoweringLeavesHighBytesAlone) {
  char code[] = "DE\xC4\xFF";
  EXPECT_STREQ(LowerInPlace(code), "de\xC4\xFF");
  EXPECT_EQ(LowerCopy("EN-GB"), "en-gb");
  EXPECT_EQ(LowerCopy(nullptr), "");
}

TEST(Text, ReverseInPlace) {
  char even[] = "abcd", odd[] = "abc", empty[] = "";
  EXPECT_STREQ(ReverseInPlace(even), "dcba");
  EXPECT_STREQ(ReverseInPlace(odd), "cba");
  EXPECT_STREQ(ReverseInPlace(empty), "");
}

TEST(File, BackslashesBecomeSeparators) {
#ifndef _WIN32
  EXPECT_EQ(NativePath("dir\\sub\\de.swd"), "dir/sub/de.swd");
#endif
  EXPECT_EQ(NativePath(nullptr), "");
  EXPECT_EQ(FileSizeByPath(nullptr), -1);
}

TEST(CodePage, LanguagesAndRoundTrips) {
  EXPECT_EQ(CodePageForLanguage("de"), 1252);
  EXPECT_EQ(CodePageForLanguage("RU"), 1251);
  EXPECT_EQ(CodePageForLanguage("sk"), 1251);
  EXPECT_EQ(CodePageForLanguage("sl"), 1250);
  EXPECT_EQ(CodePageForLanguage("gr"), 1253);
  EXPECT_EQ(CodePageForLanguage("xx"), 0);
  EXPECT_EQ(CodePageForLanguage("deu"), 0);

  std::string out;
  ASSERT_TRUE(Utf8ToCodePage("Straße Ärger", 1252, out));
  EXPECT_EQ(out,
            "Stra\xDF"
            "e \xC4rger");
  EXPECT_EQ(CodePageToUtf8(out, 1252), "Straße Ärger");
  ASSERT_TRUE(Utf8ToCodePage("ёлка нај", 1251, out));
  EXPECT_EQ(out, "\xB8\xEB\xEA\xE0 \xED\xE0\xBC");
  ASSERT_TRUE(Utf8ToCodePage("‚", 1252, out));  // U+201A
  EXPECT_EQ(out, "\x82");
  ASSERT_TRUE(Utf8ToCodePage("ćš", 1250, out));
  EXPECT_EQ(CodePageToUtf8(out, 1250), "ćš");
  EXPECT_FALSE(Utf8ToCodePage("ж", 1252, out));         // not writable
  EXPECT_FALSE(Utf8ToCodePage("\xC3", 1252, out));      // cut sequence
  EXPECT_FALSE(Utf8ToCodePage("\xC0\xAF", 1252, out));  // overlong
  EXPECT_FALSE(Utf8ToCodePage("a", 437, out));
}

}  // namespace
