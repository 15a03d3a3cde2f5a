// Creating languages through the three entry points, with the names they
// form, the statuses they map and the registry's teardown. Every test runs
// in a process of its own.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "lemmatizer.h"
#include "tests/api/language_files.h"

namespace {

using api_testing::ActiveLanguage;
using api_testing::kAdap;
using api_testing::kNomp;
using api_testing::Lemmas;
using api_testing::Reading;
using api_testing::Readings;
using api_testing::WriteMain;

constexpr char kTitle[] = "Online Default for Russian\n";

// A message buffer that shows how much of it was written.
struct Message {
  char text[256];
  Message() { std::memset(text, 'x', sizeof(text)); }
  std::string str() const { return std::string(text, strnlen(text, sizeof(text))); }
  bool untouched() const { return text[0] == 'x' && text[sizeof(text) - 1] == 'x'; }
};

int32_t Create(const std::string& code, const std::string& swd, const std::string& main,
               Message& message, const std::string& pwd1 = "", const std::string& pwd2 = "") {
  return LemmatizerCreate(code.c_str(), swd.c_str(), pwd1.c_str(), pwd2.c_str(), main.c_str(), "",
                          "", "", message.text, sizeof(message.text));
}

class ExplicitNames : public api_testing::FreesLanguages {};

TEST_F(ExplicitNames, MapsTheRegistryStatuses) {
  const std::string dir = testing_support::MakeTempDir();
  WriteMain(dir + "fr-cwd.hsq", {{"chats", {Reading(kNomp, 1)}}});
  testing_support::WriteScrambledFile(dir + "fr.swd", "");
  {
    Message message;
    EXPECT_EQ(Create("xx", dir + "fr.swd", dir + "fr-cwd.hsq", message), 2);
    EXPECT_EQ(message.str(), "");  // the empty error text, NUL-padded
    EXPECT_EQ(ActiveLanguage(), "");
  }
  {
    Message message;
    EXPECT_EQ(Create("fr", dir + "fr.swd", dir + "missing-cwd.hsq", message), 1);
    EXPECT_EQ(message.str(), "couldn't get size of file : " + dir + "missing-cwd.hsq");
    EXPECT_EQ(ActiveLanguage(), "");
  }
  {
    Message message;
    EXPECT_EQ(Create("fr", dir + "missing.swd", dir + "fr-cwd.hsq", message), 1);
    EXPECT_EQ(message.str(), "Could not open swd file " + dir + "missing.swd");
    // The code is reported from the moment the main dictionary was built.
    EXPECT_EQ(ActiveLanguage(), "fr");
    EXPECT_EQ(LemmatizeSetLanguage("fr", nullptr, 0), 4);
  }
  {
    Message message;
    testing_support::WriteScrambledFile(dir + "bad.swd", "ok;ok;NOMP\nbad;bad;NOPE\n");
    EXPECT_EQ(Create("fr", dir + "bad.swd", dir + "fr-cwd.hsq", message), 1);
    EXPECT_EQ(message.str(), "Tag (NOPE) not supported in line : bad;bad;NOPE\n");
  }
  {
    Message message;
    EXPECT_EQ(Create("FR", dir + "fr.swd", dir + "fr-cwd.hsq", message), 0);
    EXPECT_TRUE(message.untouched());
    // Already there: no file is read again.
    EXPECT_EQ(Create("fr", dir + "gone.swd", dir + "gone-cwd.hsq", message), 0);
    EXPECT_TRUE(message.untouched());
  }
  EXPECT_EQ(LemmatizeSetLanguage("Fr", nullptr, 0), 0);
  EXPECT_EQ(Lemmas("chats"), (Readings{{"chat", kNomp}}));
}

TEST_F(ExplicitNames, PwdFilesMatterForRuOnly) {
  const std::string dir = testing_support::MakeTempDir();
  WriteMain(dir + "ru-cwd.hsq", {{"dom", {Reading(kAdap, 0)}}});
  testing_support::WriteScrambledFile(dir + "ru.swd", "");
  WriteMain(dir + "fr-cwd.hsq", {});
  Message message;
  EXPECT_EQ(
      Create("fr", dir + "ru.swd", dir + "fr-cwd.hsq", message, dir + "no1.pwd", dir + "no2.pwd"),
      0);
  // "RU" is registered as "ru" but its PWD object, given "RU", reads nothing.
  EXPECT_EQ(
      Create("RU", dir + "ru.swd", dir + "ru-cwd.hsq", message, dir + "no1.pwd", dir + "no2.pwd"),
      0);
  EXPECT_TRUE(message.untouched());
  EXPECT_EQ(LemmatizeSetLanguage("ru", nullptr, 0), 0);
  LemmatizerFreeRessources();
  EXPECT_EQ(
      Create("ru", dir + "ru.swd", dir + "ru-cwd.hsq", message, dir + "no1.pwd", dir + "no2.pwd"),
      1);
  EXPECT_EQ(message.str(), "Could not open PWD file " + dir + "no1.pwd");
  EXPECT_EQ(LemmatizeSetLanguage("ru", nullptr, 0), 4);
}

TEST_F(ExplicitNames, FreeRessourcesAndCreateAgainReadsFreshFiles) {
  const std::string dir = testing_support::MakeTempDir();
  WriteMain(dir + "fr-cwd.hsq", {{"chats", {Reading(kNomp, 1)}}});
  testing_support::WriteScrambledFile(dir + "fr.swd", "");
  Message message;
  ASSERT_EQ(Create("fr", dir + "fr.swd", dir + "fr-cwd.hsq", message), 0);
  ASSERT_EQ(LemmatizeSetLanguage("fr", nullptr, 0), 0);
  EXPECT_EQ(Lemmas("chats"), (Readings{{"chat", kNomp}}));

  LemmatizerFreeRessources();
  int32_t status = 0;
  std::string text;
  Lemmas("chats", &status, nullptr, &text);
  EXPECT_EQ(status, 4);
  EXPECT_EQ(text, "Lemmatize() : didn't get SWD object from Factory!");
  EXPECT_EQ(ActiveLanguage(), "fr");
  EXPECT_EQ(LemmatizeSetLanguage("fr", message.text, sizeof(message.text)), 4);
  EXPECT_EQ(message.str(), "No Object for this language: fr");

  WriteMain(dir + "fr-cwd.hsq", {{"chats", {Reading(kAdap, 0)}}});
  ASSERT_EQ(Create("fr", dir + "fr.swd", dir + "fr-cwd.hsq", message), 0);
  ASSERT_EQ(LemmatizeSetLanguage("fr", nullptr, 0), 0);
  EXPECT_EQ(Lemmas("chats"), (Readings{{"chats", kAdap}}));
}

// LemmatizerCreateEx names the files directory "\" name; on this system a
// backslash is read as '/', and messages keep the names as formed.
class CreateEx : public api_testing::FreesLanguages {
 protected:
  void SetUp() override {
    FreesLanguages::SetUp();
    path_ = testing_support::MakeTempDir();
    dir_ = path_.substr(0, path_.size() - 1);  // without its final '/'
  }
  std::string path_;
  std::string dir_;
};

TEST_F(CreateEx, FormsBackslashNamesFromTheLowerCaseCode) {
  WriteMain(path_ + "fr-cwd.hsq", {{"chats", {Reading(kNomp, 1)}}});
  Message message;
  EXPECT_EQ(LemmatizerCreateEx("FR", dir_.c_str(), message.text, sizeof(message.text)), 1);
  EXPECT_EQ(message.str(), "Could not open swd file " + dir_ + "\\fr.swd");
  testing_support::WriteScrambledFile(path_ + "fr.swd", "");
  Message ok;
  EXPECT_EQ(LemmatizerCreateEx("FR", dir_.c_str(), ok.text, sizeof(ok.text)), 0);
  EXPECT_TRUE(ok.untouched());
  EXPECT_EQ(ActiveLanguage(), "fr");
  EXPECT_EQ(LemmatizeSetLanguage("fr", nullptr, 0), 0);
  EXPECT_EQ(Lemmas("chats"), (Readings{{"chat", kNomp}}));
}

TEST_F(CreateEx, MissingMainDictionaryIsNamedAsFormed) {
  Message message;
  EXPECT_EQ(LemmatizerCreateEx("i4", dir_.c_str(), message.text, sizeof(message.text)), 1);
  EXPECT_EQ(message.str(), "couldn't get size of file : " + dir_ + "\\i4-cwd.hsq");
  Message unknown;
  EXPECT_EQ(LemmatizerCreateEx("zz", dir_.c_str(), unknown.text, sizeof(unknown.text)), 2);
  EXPECT_EQ(LemmatizerCreateEx(nullptr, nullptr, unknown.text, sizeof(unknown.text)), 2);
}

TEST_F(CreateEx, RussianReadsItsPwdFilesAndRegistersTheExtension) {
  WriteMain(path_ + "ru-cwd.hsq", {{"koshka", {Reading(kAdap, 1)}}});
  testing_support::WriteScrambledFile(path_ + "ru.swd", "");
  Message message;
  EXPECT_EQ(LemmatizerCreateEx("ru", dir_.c_str(), message.text, sizeof(message.text)), 1);
  EXPECT_EQ(message.str(), "Could not open PWD file " + dir_ + "\\ru1.pwd");

  testing_support::WriteScrambledFile(path_ + "ru1.pwd", "Petrov;Petr;");
  testing_support::WriteScrambledFile(path_ + "ru2.pwd", "1;zz;z;");
  Message noExtension;
  EXPECT_EQ(LemmatizerCreateEx("ru", dir_.c_str(), noExtension.text, sizeof(noExtension.text)), 5);
  EXPECT_EQ(noExtension.str(), "open extend file error!");
  // The dictionaries stay created.
  EXPECT_EQ(LemmatizeSetLanguage("ru", nullptr, 0), 0);
  EXPECT_EQ(Lemmas("Petrov"), (Readings{{"Petr", kNomp}}));

  testing_support::WriteScrambledFile(path_ + "ru-all.txt",
                                      std::string(kTitle) + "a C ADAP ADAP\n");
  Message ok;
  EXPECT_EQ(LemmatizerCreateEx("ru", dir_.c_str(), ok.text, sizeof(ok.text)), 0);
  EXPECT_TRUE(ok.untouched());
  EXPECT_EQ(Lemmas("koshka"), (Readings{{"koshk", kAdap}, {"koshk", 2042}}));
}

TEST_F(CreateEx, UpperCaseRuFormsRussianNamesButReadsNoPwdFiles) {
  WriteMain(path_ + "ru-cwd.hsq", {});
  testing_support::WriteScrambledFile(path_ + "ru.swd", "");
  testing_support::WriteScrambledFile(path_ + "ru-all.txt", kTitle);
  Message message;
  EXPECT_EQ(LemmatizerCreateEx("RU", dir_.c_str(), message.text, sizeof(message.text)), 0);
  EXPECT_TRUE(message.untouched());
}

TEST_F(CreateEx, GermanNamesItsPrefixAndSharpSFiles) {
  WriteMain(path_ + "de-cwd.hsq", {});
  testing_support::WriteScrambledFile(path_ + "de.swd", "");
  Message message;
  EXPECT_EQ(LemmatizerCreateEx("de", dir_.c_str(), message.text, sizeof(message.text)), 1);
  EXPECT_EQ(message.str(), "couldn't get size of file : " + dir_ + "\\de-ss.hsq");
  // One sharp-s record: '+' with class 0.
  testing_support::WriteFile(path_ + "de-ss.hsq", std::string("+\0\0\0\0\0\0\0", 8));
  Message noPrefix;
  EXPECT_EQ(LemmatizerCreateEx("de", dir_.c_str(), noPrefix.text, sizeof(noPrefix.text)), 1);
  EXPECT_EQ(noPrefix.str(), "couldn't get size of file : " + dir_ + "\\de-prfx.hsq");
  testing_support::WriteFile(path_ + "de-prfx.hsq", std::string("A \0\0", 4));
  Message ok;
  EXPECT_EQ(LemmatizerCreateEx("de", dir_.c_str(), ok.text, sizeof(ok.text)), 0);
  EXPECT_TRUE(ok.untouched());
}

TEST_F(CreateEx, SecondEditionsReadOnlyTheirOwnTwoFiles) {
  WriteMain(path_ + "i4-cwd.hsq", {{"casa", {Reading(kNomp, 0)}}});
  testing_support::WriteScrambledFile(path_ + "i4.swd", "");
  Message message;
  EXPECT_EQ(LemmatizerCreateEx("i4", dir_.c_str(), message.text, sizeof(message.text)), 0);
  EXPECT_EQ(LemmatizeSetLanguage("i4", nullptr, 0), 0);
  EXPECT_EQ(Lemmas("casa"), (Readings{{"casa", kNomp}}));
}

// LemmatizeCreate names the files <base>lemm/<code>... and selects the
// language.
class CreateFromBase : public api_testing::FreesLanguages {
 protected:
  void SetUp() override {
    FreesLanguages::SetUp();
    base_ = testing_support::MakeTempDir();
    std::string lemm = base_ + "lemm";
    ASSERT_EQ(mkdir(lemm.c_str(), 0700), 0);
  }
  std::string base_;
};

TEST_F(CreateFromBase, LowerCasesTheCodeAndSelectsTheLanguage) {
  WriteMain(base_ + "lemm/fr-cwd.hsq", {{"chats", {Reading(kNomp, 1)}}});
  testing_support::WriteScrambledFile(base_ + "lemm/fr.swd", "");
  // A base path ending in a backslash: the names become base "\lemm/fr...".
  const std::string backslashed = base_.substr(0, base_.size() - 1) + "\\";
  EXPECT_EQ(LemmatizeCreate("FR", backslashed.c_str()), 1);
  EXPECT_EQ(ActiveLanguage(), "fr");
  EXPECT_EQ(Lemmas("chats"), (Readings{{"chat", kNomp}}));
}

TEST_F(CreateFromBase, FailuresAreReportedAsZero) {
  EXPECT_EQ(LemmatizeCreate("fr", base_.c_str()), 0);  // no files
  EXPECT_EQ(LemmatizeCreate("zz", base_.c_str()), 0);  // unknown code
  // A code that is not two characters long creates nothing and fails.
  WriteMain(base_ + "lemm/fra-cwd.hsq", {});
  testing_support::WriteScrambledFile(base_ + "lemm/fra.swd", "");
  EXPECT_EQ(LemmatizeCreate("fra", base_.c_str()), 0);
  EXPECT_EQ(LemmatizeCreate("", base_.c_str()), 0);
  EXPECT_EQ(LemmatizeCreate(nullptr, nullptr), 0);
  EXPECT_EQ(ActiveLanguage(), "");
}

TEST_F(CreateFromBase, RussianRegistersItsExtensionFile) {
  WriteMain(base_ + "lemm/ru-cwd.hsq", {{"koshka", {Reading(kAdap, 1)}}});
  testing_support::WriteScrambledFile(base_ + "lemm/ru.swd", "");
  testing_support::WriteScrambledFile(base_ + "lemm/ru1.pwd", "Petrov;Petr;");
  testing_support::WriteScrambledFile(base_ + "lemm/ru2.pwd", "1;zz;z;");
  testing_support::WriteScrambledFile(base_ + "lemm/ru.txt", "Online default for Russian\n");
  // A badly titled extension file fails the call, yet the language is
  // created and selected.
  EXPECT_EQ(LemmatizeCreate("ru", base_.c_str()), 0);
  EXPECT_EQ(ActiveLanguage(), "ru");
  EXPECT_EQ(Lemmas("Petrov"), (Readings{{"Petr", kNomp}}));

  testing_support::WriteScrambledFile(base_ + "lemm/ru.txt",
                                      std::string(kTitle) + "a C ADAP ADAP\n");
  EXPECT_EQ(LemmatizeCreate("RU", base_.c_str()), 1);
  EXPECT_EQ(Lemmas("koshka"), (Readings{{"koshk", kAdap}, {"koshk", 2042}}));
}

}  // namespace
