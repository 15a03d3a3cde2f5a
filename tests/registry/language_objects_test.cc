// The language table and CLemmatizerFactory::Create from files.
#include "registry/language_objects.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "dictionary/german_lemmatizer.h"
#include "dictionary/greek_lemmatizer.h"
#include "dictionary/russian_lemmatizer.h"
#include "platform/text.h"
#include "registry/lemmatizer_factory.h"
#include "rules/spanish.h"
#include "rules/table_handlers.h"
#include "tests/support/test_files.h"

namespace {

using lemmatizer::DictionaryClass;
using lemmatizer::FindLanguage;
using lemmatizer::Language;

TEST(LanguageTable, HoldsTheTwentyThreeCodesWithTheirClasses) {
  size_t count = 0;
  const Language* table = lemmatizer::Languages(&count);
  std::string codes;
  for (size_t i = 0; i < count; ++i) {
    codes += table[i].code;
    codes += ' ';
    const std::string code = table[i].code;
    const DictionaryClass expected = code == "de"   ? DictionaryClass::kGerman
                                     : code == "ru" ? DictionaryClass::kRussian
                                     : code == "r4" ? DictionaryClass::kR4
                                     : code == "gr" ? DictionaryClass::kGreek
                                                    : DictionaryClass::kPlain;
    EXPECT_EQ(lemmatizer::DictionaryClassOf(table[i]), expected) << code;
    EXPECT_EQ(FindLanguage(code), &table[i]);
  }
  EXPECT_EQ(codes, "de es fr en ru sv it po sk sl al mk d4 e4 f4 s4 da du fi gr r4 i4 ca ");
  EXPECT_EQ(FindLanguage("DE"), nullptr);  // codes arrive lowered
  EXPECT_EQ(FindLanguage("de "), nullptr);
  EXPECT_EQ(FindLanguage("d"), nullptr);
}

TEST(LanguageTable, OffersACodeWhenItsRulesAreBuilt) {
  size_t count = 0;
  const Language* table = lemmatizer::Languages(&count);
  for (size_t i = 0; i < count; ++i) {
    const std::string code = table[i].code;
    bool expected = lemmatizer::TableDrivenHandler(code.c_str()) != nullptr;
    if (code == "de" || code == "ru" || code == "r4" || code == "es") expected = true;
    EXPECT_EQ(lemmatizer::IsOffered(table[i]), expected) << code;
  }
}

class Factory : public ::testing::Test {
 protected:
  void SetUp() override { dir_ = testing_support::MakeTempDir(); }
  void TearDown() override {
    CLemmatizerFactory::Free();
    std::memset(CLemmatizerFactory::m_actLanguage, 0, sizeof(CLemmatizerFactory::m_actLanguage));
  }
  // Writes an empty main dictionary and SWD file for `code`.
  void WriteFiles(const std::string& code) {
    testing_support::WriteFile(Main(code), testing_support::HsqBytes({}));
    testing_support::WriteScrambledFile(Swd(code), "");
  }
  std::string Main(const std::string& code) const { return dir_ + code + "-cwd.hsq"; }
  std::string Swd(const std::string& code) const { return dir_ + code + ".swd"; }
  // Creates `code` from the files written for its lower-case form.
  int Create(const std::string& code, std::string& error, const char* pwd1 = "",
             const char* pwd2 = "") {
    const std::string files = lemmatizer::LowerCopy(code.c_str());
    return CLemmatizerFactory::Create(code.c_str(), Swd(files).c_str(), pwd1, pwd2,
                                      Main(files).c_str(), "/nonexistent/prfx", "/nonexistent/ss",
                                      nullptr, error);
  }
  static std::string ActLanguage() {
    char code[64];
    CLemmatizerFactory::GetActLanguage(code);
    return code;
  }
  std::string dir_;
};

TEST_F(Factory, BuildsEachClassWithItsRules) {
  for (const char* code : {"fr", "es", "ru", "r4", "al", "gr"}) {
    const Language* entry = FindLanguage(code);
    ASSERT_NE(entry, nullptr);
    if (!lemmatizer::IsOffered(*entry)) continue;
    WriteFiles(code);
    std::string error;
    ASSERT_EQ(Create(code, error, (dir_ + "ru1.pwd").c_str(), (dir_ + "ru2.pwd").c_str()),
              std::string(code) == "ru" ? 3 : 0)
        << code << ": " << error;
  }
  // "ru" needs its PWD files; the others never read them.
  testing_support::WriteScrambledFile(dir_ + "ru1.pwd", "A;B;");
  testing_support::WriteScrambledFile(dir_ + "ru2.pwd", "1;a;b;");
  std::string error;
  ASSERT_EQ(Create("ru", error, (dir_ + "ru1.pwd").c_str(), (dir_ + "ru2.pwd").c_str()), 0)
      << error;

  CLemmatizer* fr = CLemmatizerFactory::GetLemmatizer("fr");
  ASSERT_NE(fr, nullptr);
  EXPECT_EQ(fr->Handler(), lemmatizer::TableDrivenHandler("fr"));
  EXPECT_EQ(fr->HandlerArg(), 0);
  EXPECT_EQ(CLemmatizerFactory::GetLemmatizer("es")->Handler(), lemmatizer::SpanishLemcodeHandler);
  EXPECT_NE(dynamic_cast<CRussianLemmatizer*>(CLemmatizerFactory::GetLemmatizer("ru")), nullptr);
  EXPECT_NE(dynamic_cast<CR4Lemmatizer*>(CLemmatizerFactory::GetLemmatizer("r4")), nullptr);
  if (CLemmatizer* al = CLemmatizerFactory::GetLemmatizer("al")) {
    EXPECT_EQ(al->Handler(), lemmatizer::AlbanianLemcodeHandler);
  }
  if (CLemmatizer* gr = CLemmatizerFactory::GetLemmatizer("gr")) {
    EXPECT_NE(dynamic_cast<CGreekLemmatizer*>(gr), nullptr);
  }
}

TEST_F(Factory, GermanReadsSharpSPrefixAndMainFiles) {
  WriteFiles("de");
  std::string error;
  try {
    Create("de", error);
    FAIL() << "no error raised";
  } catch (const char* text) {
    EXPECT_STREQ(text, "couldn't get size of file : /nonexistent/ss");
  }
  testing_support::WriteFile(dir_ + "de-ss.hsq", std::string("+\0\0\0\0\0\0\0", 8));
  testing_support::WriteFile(dir_ + "de-prfx.hsq", std::string("A \0\0", 4));
  EXPECT_EQ(CLemmatizerFactory::Create("de", Swd("de").c_str(), nullptr, nullptr,
                                       Main("de").c_str(), (dir_ + "de-prfx.hsq").c_str(),
                                       (dir_ + "de-ss.hsq").c_str(), nullptr, error),
            0);
  EXPECT_EQ(error, "");
  EXPECT_NE(dynamic_cast<CGermanLemmatizer*>(CLemmatizerFactory::GetLemmatizer("de")), nullptr);
  EXPECT_EQ(ActLanguage(), "de");
}

TEST_F(Factory, KnownOrUnknownCodesChangeNothing) {
  WriteFiles("fr");
  std::string error;
  ASSERT_EQ(Create("FR", error), 0);
  EXPECT_EQ(CLemmatizerFactory::m_vLemmatizerName, std::vector<std::string>{"fr"});
  CLemmatizerFactory::SetActual("fr");
  CLemmatizer* fr = CLemmatizerFactory::GetActualLemmatizer();
  // Registered already: no file is read, nothing changes.
  std::remove(Main("fr").c_str());
  std::remove(Swd("fr").c_str());
  std::strcpy(CLemmatizerFactory::m_actLanguage, "zz");
  EXPECT_EQ(Create("fr", error), 0);
  EXPECT_EQ(CLemmatizerFactory::GetActualLemmatizer(), fr);
  EXPECT_EQ(ActLanguage(), "zz");
  // Outside the table, or not offered by this build: 1, nothing touched.
  size_t count = 0;
  const Language* table = lemmatizer::Languages(&count);
  std::vector<std::string> rejected = {"xx", "", "fr ", "d"};
  for (size_t i = 0; i < count; ++i) {
    if (!lemmatizer::IsOffered(table[i])) rejected.push_back(table[i].code);
  }
  for (const std::string& code : rejected) {
    EXPECT_EQ(Create(code, error), 1) << code;
  }
  EXPECT_EQ(error, "");
  EXPECT_EQ(ActLanguage(), "zz");
  EXPECT_EQ(CLemmatizerFactory::GetActualLemmatizer(), fr);
  EXPECT_EQ(CLemmatizerFactory::m_vLemmatizer.size(), 1u);
}

TEST_F(Factory, FailedTextLoadsRegisterNothingButShowTheCode) {
  testing_support::WriteFile(Main("fr"), testing_support::HsqBytes({}));
  std::string error;
  EXPECT_EQ(Create("fr", error), 3);
  EXPECT_EQ(error, "Could not open swd file " + Swd("fr"));
  EXPECT_EQ(CLemmatizerFactory::GetLemmatizer("fr"), nullptr);
  EXPECT_EQ(ActLanguage(), "fr");
  EXPECT_TRUE(CLemmatizerFactory::m_vSWD.empty());

  // A bad PWD line fails "ru" as a whole.
  testing_support::WriteFile(Main("ru"), testing_support::HsqBytes({}));
  testing_support::WriteScrambledFile(Swd("ru"), "");
  testing_support::WriteScrambledFile(dir_ + "ru1.pwd", "A;B;\n");
  testing_support::WriteScrambledFile(dir_ + "ru2.pwd", "1;a;b;");
  std::string pwdError;
  EXPECT_EQ(Create("ru", pwdError, (dir_ + "ru1.pwd").c_str(), (dir_ + "ru2.pwd").c_str()), 3);
  EXPECT_EQ(pwdError, "bad entry ignored : ");
  EXPECT_TRUE(CLemmatizerFactory::m_vPWD.empty());
  // A main dictionary that cannot be read raises and leaves the code alone.
  std::remove(Main("ru").c_str());
  std::string mainError;
  EXPECT_THROW(Create("ru", mainError), const char*);
  EXPECT_EQ(ActLanguage(), "ru");
  std::strcpy(CLemmatizerFactory::m_actLanguage, "");
  EXPECT_THROW(Create("ru", mainError), const char*);
  EXPECT_EQ(ActLanguage(), "");
  EXPECT_EQ(mainError, "");
}

TEST_F(Factory, LanguagesAppendInParallelAndKeepTheSelection) {
  std::vector<std::string> codes;
  for (const char* code : {"fr", "es", "i4", "al", "r4"}) {
    if (lemmatizer::IsOffered(*FindLanguage(code))) codes.push_back(code);
  }
  ASSERT_GE(codes.size(), 3u);
  std::string error;
  for (size_t i = 0; i < codes.size(); ++i) {
    WriteFiles(codes[i]);
    ASSERT_EQ(Create(codes[i], error), 0) << codes[i] << ": " << error;
    if (i == 0) CLemmatizerFactory::SetActual(codes[0].c_str());
    EXPECT_EQ(ActLanguage(), codes[i]);
  }
  EXPECT_EQ(CLemmatizerFactory::m_vLemmatizerName, codes);
  for (size_t i = 0; i < codes.size(); ++i) {
    EXPECT_EQ(CLemmatizerFactory::GetLemmatizer(codes[i].c_str()),
              CLemmatizerFactory::m_vLemmatizer[i]);
    EXPECT_EQ(CLemmatizerFactory::GetSwd(codes[i].c_str()), CLemmatizerFactory::m_vSWD[i]);
    EXPECT_EQ(CLemmatizerFactory::GetPwd(codes[i].c_str()), CLemmatizerFactory::m_vPWD[i]);
  }
  EXPECT_EQ(CLemmatizerFactory::GetActualLemmatizer(), CLemmatizerFactory::m_vLemmatizer[0]);
}

TEST_F(Factory, UpperCaseRuIsRegisteredLowerAndReadsNoPwdFiles) {
  WriteFiles("ru");
  std::string error;
  EXPECT_EQ(Create("RU", error, "/nonexistent/ru1.pwd", "/nonexistent/ru2.pwd"), 0);
  EXPECT_EQ(error, "");
  EXPECT_EQ(CLemmatizerFactory::m_vLemmatizerName, std::vector<std::string>{"ru"});
  EXPECT_EQ(ActLanguage(), "ru");
}

}  // namespace
