// The word list: what the writer puts in, the reader finds in any case;
// words it was not given are seldom found; a damaged or later file is
// refused.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary/word_list.h"
#include "dictionary/word_list_writer.h"
#include "platform/file.h"
#include "tests/support/test_files.h"

namespace {

using lemmatizer::WordList;

std::string Written(const std::string& bytes) {
  const std::string path = testing_support::MakeTempDir() + "/ru-words.bin";
  EXPECT_TRUE(lemmatizer::WriteFileBytes(path, bytes));
  return path;
}

std::string Refusal(const std::string& bytes) {
  const std::string path = Written(bytes);
  try {
    WordList list(path);
  } catch (const char* text) {
    return std::string(text).substr(0, std::string(text).find(" : "));
  }
  return "loaded";
}

TEST(WordList, HoldsItsFormsInAnyCase) {
  std::vector<std::string> forms = {"дом", "Ивана", "ΛΌΓΟΣ", "Đak"};
  for (int i = 0; i < 1000; ++i) forms.push_back("form" + std::to_string(i));
  const WordList list(Written(lemmatizer::WordListBytes(forms)));
  for (const std::string& form : forms) EXPECT_TRUE(list.Holds(form)) << form;
  EXPECT_TRUE(list.Holds("ДОМ"));
  EXPECT_TRUE(list.Holds("ивана"));
  EXPECT_TRUE(list.Holds("λόγος"));
  EXPECT_TRUE(list.Holds("đak"));
  EXPECT_EQ(list.BitCount(), forms.size() * lemmatizer::kWordListBitsPerForm);
  // Words it was not given: about one in a hundred is taken for held.
  int held = 0;
  for (int i = 0; i < 10000; ++i) held += list.Holds("other" + std::to_string(i));
  EXPECT_LT(held, 300);
}

TEST(WordList, AnEmptyListHoldsNothing) {
  const WordList list(Written(lemmatizer::WordListBytes({})));
  EXPECT_FALSE(list.Holds("дом"));
  EXPECT_FALSE(list.Holds(""));
}

TEST(WordList, DamagedAndLaterFilesAreRefused) {
  const std::string good = lemmatizer::WordListBytes({"дом", "дома"});
  ASSERT_EQ(Refusal(good), "loaded");
  std::string flipped = good;
  flipped.back() = static_cast<char>(flipped.back() ^ 1);
  EXPECT_EQ(Refusal(flipped), "checksum error in file");
  EXPECT_EQ(Refusal(good.substr(0, good.size() - 1)), "checksum error in file");
  EXPECT_EQ(Refusal(good + "x"), "checksum error in file");
  EXPECT_EQ(Refusal(good.substr(0, 20)), "checksum error in file");
  EXPECT_EQ(Refusal(""), "checksum error in file");
  std::string later = good;
  later.replace(later.find("format: 1"), 9, "format: 2");
  EXPECT_EQ(Refusal(later), "unsupported format version in file");
  std::string noBits = good;
  noBits.replace(noBits.find("bits: "), 6, "bots: ");
  EXPECT_EQ(Refusal(noBits), "checksum error in file");
  EXPECT_EQ(Refusal(std::string()), "checksum error in file");
  try {
    WordList list(testing_support::MakeTempDir() + "/missing-words.bin");
    ADD_FAILURE() << "a missing file loaded";
  } catch (const char* text) {
    EXPECT_EQ(std::string(text).substr(0, 23), "cannot read word list :");
  }
}

}  // namespace
