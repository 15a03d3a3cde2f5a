// The registry's lookups, selection and teardown, with languages placed in
// it directly (creation from files is tested with the language table).
#include "registry/lemmatizer_factory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "dictionary/lemmatizer.h"
#include "tests/support/test_files.h"

namespace {

int32_t NoEnding(char*, int32_t, int32_t lemcode, intptr_t) { return lemcode; }

class Registry : public ::testing::Test {
 protected:
  void TearDown() override {
    CLemmatizerFactory::Free();
    std::memset(CLemmatizerFactory::m_actLanguage, 0, sizeof(CLemmatizerFactory::m_actLanguage));
  }
  // Registers `code` with a main dictionary and no SWD or PWD object.
  CLemmatizer* Add(const std::string& code) {
    if (path_.empty()) {
      path_ = testing_support::MakeTempDir() + "x-cwd.hsq";
      testing_support::WriteFile(path_, testing_support::HsqBytes({}));
    }
    auto* lemmatizer = new CLemmatizer(path_.c_str(), NoEnding, 0);
    CLemmatizerFactory::m_vSWD.push_back(nullptr);
    CLemmatizerFactory::m_vPWD.push_back(nullptr);
    CLemmatizerFactory::m_vLemmatizerName.push_back(code);
    CLemmatizerFactory::m_vLemmatizer.push_back(lemmatizer);
    return lemmatizer;
  }
  static std::string ActLanguage() {
    char code[64];
    EXPECT_EQ(CLemmatizerFactory::GetActLanguage(code), 0);
    return code;
  }
  static std::string SetActualRaises(const char* code) {
    try {
      CLemmatizerFactory::SetActual(code);
    } catch (const char* text) {
      return text;
    }
    return "nothing raised";
  }
  std::string path_;
};

TEST_F(Registry, EmptyRegistry) {
  EXPECT_EQ(CLemmatizerFactory::GetLemmatizer("de"), nullptr);
  EXPECT_EQ(CLemmatizerFactory::GetSwd("de"), nullptr);
  EXPECT_EQ(CLemmatizerFactory::GetPwd("de"), nullptr);
  EXPECT_EQ(CLemmatizerFactory::GetActualLemmatizer(), nullptr);
  EXPECT_EQ(CLemmatizerFactory::GetActualSwd(), nullptr);
  EXPECT_EQ(CLemmatizerFactory::GetActualPwd(), nullptr);
  EXPECT_EQ(ActLanguage(), "");
  EXPECT_EQ(SetActualRaises("en"), "No Object for this language: en");
  EXPECT_EQ(SetActualRaises("EN"), "No Object for this language: en");
  CLemmatizerFactory::Free();  // freeing nothing is harmless
}

TEST_F(Registry, CodesAreLoweredAndMatchedExactly) {
  CLemmatizer* de = Add("de");
  EXPECT_EQ(CLemmatizerFactory::GetLemmatizer("de"), de);
  EXPECT_EQ(CLemmatizerFactory::GetLemmatizer("DE"), de);
  EXPECT_EQ(CLemmatizerFactory::GetLemmatizer("De"), de);
  EXPECT_EQ(CLemmatizerFactory::GetLemmatizer("de "), nullptr);
  EXPECT_EQ(CLemmatizerFactory::GetLemmatizer("d"), nullptr);
  EXPECT_EQ(CLemmatizerFactory::GetLemmatizer("\xC4" "e"), nullptr);
}

TEST_F(Registry, SelectionAndTheTwoNotionsOfTheActiveLanguage) {
  CLemmatizer* de = Add("de");
  CLemmatizer* en = Add("en");
  CLemmatizerFactory::SetActual("EN");
  EXPECT_EQ(ActLanguage(), "en");  // stored lower-cased
  EXPECT_EQ(CLemmatizerFactory::GetActualLemmatizer(), en);
  CLemmatizerFactory::SetActual("de");
  EXPECT_EQ(CLemmatizerFactory::GetActualLemmatizer(), de);
  // An unknown code clears the selection but not the reported code.
  EXPECT_EQ(SetActualRaises("fr"), "No Object for this language: fr");
  EXPECT_EQ(CLemmatizerFactory::GetActualLemmatizer(), nullptr);
  EXPECT_EQ(CLemmatizerFactory::m_actual, -1);
  EXPECT_EQ(ActLanguage(), "de");
}

TEST_F(Registry, AStaleIndexIsCheckedAgainstTheVectors) {
  Add("de");
  CLemmatizerFactory::m_actual = 5;
  EXPECT_EQ(CLemmatizerFactory::GetActualLemmatizer(), nullptr);
  CLemmatizerFactory::m_actual = -2;  // taken as unsigned: far too large
  EXPECT_EQ(CLemmatizerFactory::GetActualLemmatizer(), nullptr);
}

TEST_F(Registry, FreeEmptiesEverythingButTheReportedCode) {
  Add("de");
  CLemmatizerFactory::SetActual("de");
  CLemmatizerFactory::Free();
  EXPECT_EQ(CLemmatizerFactory::GetLemmatizer("de"), nullptr);
  EXPECT_EQ(CLemmatizerFactory::GetActualLemmatizer(), nullptr);
  EXPECT_TRUE(CLemmatizerFactory::m_vLemmatizerName.empty());
  EXPECT_TRUE(CLemmatizerFactory::m_vSWD.empty());
  EXPECT_TRUE(CLemmatizerFactory::m_vPWD.empty());
  EXPECT_EQ(ActLanguage(), "de");
  CLemmatizer* again = Add("de");  // the registry fills again after Free
  EXPECT_EQ(CLemmatizerFactory::GetLemmatizer("de"), again);
}

TEST_F(Registry, LongCodesAreReportedWhole) {
  const std::string longCode(3000, 'Q');
  EXPECT_EQ(SetActualRaises(longCode.c_str()),
            "No Object for this language: " + std::string(3000, 'q'));
}

}  // namespace
