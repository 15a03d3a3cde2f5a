// What lemm-build writes is what every creation entry point opens: a
// dictionary directory made by the compiler loads through LemmatizeCreate,
// LemmatizerCreateEx and LemmatizerCreate alike, for the languages with
// extra files (German: prefix and sharp-s files; Russian: PWD and extension
// files). Every test runs in a process of its own.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "lemmatizer.h"
#include "tests/api/language_files.h"

namespace {

// Small lexicons in the compiler's input format, UTF-8.
const char kGerman[] =
    "Häuser\tHaus\tNOMCp\n"
    "Haus\tHaus\tNOMCs\n"
    "Straßen\tStraße\tNOMCp\n"
    "aufgemacht\taufmachen\tPAPF\n"
    "zugemacht\tzumachen\tPAPF\n"
    "gemacht\tmachen\tPAPF\n";
const char kRussian[] =
    "дома\tдом\tNOMCmp\n"
    "дом\tдом\tNOMCms\n"
    "Ивана\tИван\tNOMP\n"
    "Иван\tИван\tNOMP\n";

class BuiltFiles : public api_testing::FreesLanguages {
 protected:
  // Runs lemm-build for `code` over `lexicon`; returns the output directory.
  std::string Build(const std::string& code, const char* lexicon) {
    return testing_support::CompileLexicon(LEMM_BUILD_PATH, code, lexicon);
  }
  // The first lemma of a code-page word in the active language.
  static std::string First(const char* word) {
    LemmatizerResult result;
    LemmatizerInitResult(&result);
    const int32_t status = Lemmatize(word, &result, nullptr, 0);
    std::string lemma = status == 0 && result.count > 0 ? result.lemmas[0] : "";
    LemmatizerFreeResult(&result);
    return std::to_string(status) + " " + lemma;
  }
};

TEST_F(BuiltFiles, GermanLoadsThroughEveryEntryPoint) {
  const std::string dir = Build("de", kGerman);
  const std::string haeuser = "H\xE4user", strassen = "Stra\xDF" "en";
  ASSERT_EQ(LemmatizeCreate("de", dir.c_str()), 1);
  EXPECT_EQ(First(haeuser.c_str()), "0 Haus");
  EXPECT_EQ(First(strassen.c_str()), "0 Stra\xDF" "e");
  LemmatizerFreeRessources();

  char message[256] = {0};
  ASSERT_EQ(LemmatizerCreateEx("de", (dir + "lemm").c_str(), message, sizeof(message) - 1), 0)
      << message;
  ASSERT_EQ(LemmatizeSetLanguage("de", nullptr, 0), 0);
  EXPECT_EQ(First(haeuser.c_str()), "0 Haus");
  LemmatizerFreeRessources();

  const std::string base = dir + "lemm/de";
  ASSERT_EQ(LemmatizerCreate("de", (base + ".swd").c_str(), "", "", (base + "-cwd.hsq").c_str(),
                             (base + "-prfx.hsq").c_str(), (base + "-ss.hsq").c_str(), "", message,
                             sizeof(message) - 1),
            0)
      << message;
  ASSERT_EQ(LemmatizeSetLanguage("de", nullptr, 0), 0);
  EXPECT_EQ(First(strassen.c_str()), "0 Stra\xDF" "e");
}

TEST_F(BuiltFiles, RussianLoadsThroughEveryEntryPoint) {
  const std::string dir = Build("ru", kRussian);
  const char* doma = "\xE4\xEE\xEC\xE0";        // дома
  const char* ivana = "\xC8\xE2\xE0\xED\xE0";  // Ивана
  ASSERT_EQ(LemmatizeCreate("ru", dir.c_str()), 1);
  EXPECT_EQ(First(doma), "0 \xE4\xEE\xEC");
  EXPECT_EQ(First(ivana), "0 \xC8\xE2\xE0\xED");
  LemmatizerFreeRessources();

  // The directory entry point opens ru1.pwd, ru2.pwd and ru-all.txt.
  char message[256] = {0};
  ASSERT_EQ(LemmatizerCreateEx("ru", (dir + "lemm").c_str(), message, sizeof(message) - 1), 0)
      << message;
  ASSERT_EQ(LemmatizeSetLanguage("ru", nullptr, 0), 0);
  EXPECT_EQ(First(doma), "0 \xE4\xEE\xEC");
  EXPECT_EQ(First(ivana), "0 \xC8\xE2\xE0\xED");
}

}  // namespace
