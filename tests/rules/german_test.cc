// The German lemcode handler and its helpers: written and appended
// endings, infix removal after known prefixes, stem vowels with repair
// tables, umlaut marks, and the prefix search on sound and malformed cells.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "dictionary/sharp_s_writer.h"
#include "rules/german.h"
#include "rules/german_prefix_writer.h"
#include "rules/lemcode_handler.h"

namespace {

using lemmatizer::GermanLemcodeHandler;
using lemmatizer::GermanPrefixCells;
using lemmatizer::IsKnownPrefix;

// Prefix cells from a byte string the test owns.
struct Cells {
  explicit Cells(const std::string& bytes)
      : buffer(bytes.begin(), bytes.end()), cells{buffer.data(), buffer.size()} {}
  std::vector<unsigned char> buffer;
  GermanPrefixCells cells;
};

// One raw cell: character, flag, 16-bit link.
std::string Cell(char c, char flag, int16_t link) {
  const auto bits = static_cast<uint16_t>(link);
  return std::string{c, flag, static_cast<char>(bits & 0xFF), static_cast<char>(bits >> 8)};
}

const Cells& KnownPrefixes() {
  static const Cells cells(lemmatizer::PrefixCellBytes({"AUF", "AB", "AN", "ZU", "ZURUECK"}));
  return cells;
}

std::string Apply(const std::string& stem, int32_t lemcode, const GermanPrefixCells* cells,
                  int32_t* returned = nullptr, int32_t length = -1) {
  char buffer[1024 + kStemGrowthReserve + 1];
  std::strcpy(buffer, stem.c_str());
  const int32_t result =
      GermanLemcodeHandler(buffer, length >= 0 ? length : static_cast<int32_t>(stem.size()),
                           lemcode, reinterpret_cast<intptr_t>(cells));
  if (returned != nullptr) *returned = result;
  return buffer;
}

std::string Apply(const std::string& stem, int32_t lemcode) {
  return Apply(stem, lemcode, &KnownPrefixes().cells);
}

TEST(GermanHandler, WrittenEndingsGoAtTheStemLength) {
  EXPECT_EQ(Apply("KIRCH", 3), "KIRCHE");
  EXPECT_EQ(Apply("HAUS", 7), "HAUSS");
  EXPECT_EQ(Apply("BAB", 9), "BABY");
  EXPECT_EQ(Apply("ENG", 16), "ENGEL");
  EXPECT_EQ(Apply("VIR", 24), "VIRUS");
  EXPECT_EQ(Apply("WAND", 31), "WANDELN");
  EXPECT_EQ(Apply("WAND", 32), "WANDERN");
  int32_t returned = 0;
  EXPECT_EQ(Apply("HAUSX", 2, &KnownPrefixes().cells, &returned, 4), "HAUSD");
  EXPECT_EQ(returned, 2);
}

TEST(GermanHandler, LemcodesWithoutRuleLeaveTheStem) {
  for (const int32_t lemcode : {0, 10, 12, 15, 25, 30, 33, 35, 51, 58, 63, 74, 79, 90, 4095, -1}) {
    int32_t returned = -99;
    EXPECT_EQ(Apply("GEMACH", lemcode, &KnownPrefixes().cells, &returned), "GEMACH") << lemcode;
    EXPECT_EQ(returned, 0) << lemcode;
  }
}

TEST(GermanHandler, InfixAfterKnownPrefix) {
  EXPECT_EQ(Apply("GEMACH", 54), "MACHEN");
  EXPECT_EQ(Apply("AUFGEMACH", 54), "AUFMACHEN");
  EXPECT_EQ(Apply("EINGEMACH", 54), "EINGEMACHEN");           // EIN is not an entry
  EXPECT_EQ(Apply("AUFGEMACH", 54, nullptr), "AUFGEMACHEN");  // no prefix cells
  EXPECT_EQ(Apply("AUFZUMACH", 55), "AUFMACHEN");
  EXPECT_EQ(Apply("AUFZUMACH", 54), "AUFZUMACHEN");
  EXPECT_EQ(Apply("GEFALLE", 52), "FALLEN");
  EXPECT_EQ(Apply("ABZUSEHE", 53), "ABSEHEN");
  // A leading GE goes whatever the particle.
  EXPECT_EQ(Apply("GEHEIMZUHALT", 55), "HEIMZUHALTEN");
  // A particle at the very end is not an infix.
  EXPECT_EQ(Apply("AUFGE", 54), "AUFGEEN");
  // Stems shorter than the particle.
  EXPECT_EQ(Apply("G", 54), "GEN");
  EXPECT_EQ(Apply("", 55), "EN");
  EXPECT_EQ(Apply("Z", 53), "ZN");
}

TEST(GermanHandler, StemVowelEndingAndRepairTables) {
  EXPECT_EQ(Apply("BUK", 57), "BACKEN");      // BAK, BAKEN, table 5
  EXPECT_EQ(Apply("GEBUK", 56), "BACKEN");    // GE removed first
  EXPECT_EQ(Apply("GEBUK", 57), "GEBACKEN");  // 57 keeps it
  EXPECT_EQ(Apply("GEDACHT", 64), "DENKEN");  // table 7
  EXPECT_EQ(Apply("BRICH", 65), "BRECHEN");   // no table matches
  EXPECT_EQ(Apply("ZOG", 89), "ZIEHEN");      // table 6
  EXPECT_EQ(Apply("GLITT", 87), "GLEITEN");   // table 8 before 7 and 5
  EXPECT_EQ(Apply("LIEF", 85), "LAUFEN");     // two vowels become AU
  EXPECT_EQ(Apply("KAM", 69), "KOMMEN");      // table 5
  EXPECT_EQ(Apply("SPRANG", 71), "SPRUNGEN");
  EXPECT_EQ(Apply("GEFALL", 72), "F\xC4LLEN");
  EXPECT_EQ(Apply("MOCHT", 81),
            "M\xD6"
            "CHTEN");
  EXPECT_EQ(Apply("TRANK", 83), "TR\xDCNKEN");
  EXPECT_EQ(Apply("SCHWAMM", 67), "SCHWIMMEN");
}

TEST(GermanHandler, UmlautMarks) {
  EXPECT_EQ(Apply("HAEUS", 34), "HAUS");
  EXPECT_EQ(Apply("BAUER", 34), "BAUER");  // E after a U that follows an A
  EXPECT_EQ(Apply("KOEPF", 34), "KOPF");
  EXPECT_EQ(Apply("UEBEL", 34), "UBEL");   // a U at the start has nothing before it
  EXPECT_EQ(Apply("FEUER", 34), "FEUER");  // E after a U that follows an E
  // Only the last five bytes are looked at.
  EXPECT_EQ(Apply("BAEXXXXX", 34), "BAEXXXXX");
  // After a removed E the scan skips the byte before it; an E that is kept
  // does not make it skip (HAE + E: the second E stays, the first goes).
  EXPECT_EQ(Apply("HAEE", 34), "HAE");
  EXPECT_EQ(Apply("E", 34), "E");
  EXPECT_EQ(Apply("", 34), "");
}

TEST(IsKnownPrefix, CompleteEntriesOnly) {
  const GermanPrefixCells* cells = &KnownPrefixes().cells;
  EXPECT_EQ(IsKnownPrefix("AUFMACH", 3, cells), 1);
  EXPECT_EQ(IsKnownPrefix("ABSEH", 2, cells), 1);
  EXPECT_EQ(IsKnownPrefix("ZURUECKGEH", 7, cells), 1);
  EXPECT_EQ(IsKnownPrefix("ZURUECKGEH", 3, cells), 0);  // ZUR only leads on
  EXPECT_EQ(IsKnownPrefix("AUFMACH", 2, cells), 0);
  EXPECT_EQ(IsKnownPrefix("AUFMACH", 4, cells), 0);  // past a complete entry
  EXPECT_EQ(IsKnownPrefix("EINMACH", 3, cells), 0);
  EXPECT_EQ(IsKnownPrefix("AUF", 3, nullptr), 0);
  const Cells empty("");
  EXPECT_EQ(IsKnownPrefix("AUF", 3, &empty.cells), 0);
  // For length 0 the first byte alone is looked up.
  const Cells single(lemmatizer::PrefixCellBytes({"A"}));
  EXPECT_EQ(IsKnownPrefix("AB", 0, &single.cells), 1);
  EXPECT_EQ(IsKnownPrefix("BA", 0, &single.cells), 0);
}

TEST(IsKnownPrefix, LinkRules) {
  // -1 at cell 0 leads to cell 1.
  const Cells first(Cell('X', ' ', -1) + Cell('A', '*', 0));
  EXPECT_EQ(IsKnownPrefix("A", 1, &first.cells), 1);
  // -1 anywhere else ends the chain; other negative links lead to |link|.
  const Cells ends(Cell('X', ' ', 1) + Cell('Y', ' ', -1) + Cell('A', '*', 0));
  EXPECT_EQ(IsKnownPrefix("A", 1, &ends.cells), 0);
  const Cells negative(Cell('X', ' ', -2) + Cell('Y', ' ', 0) + Cell('A', '*', 0));
  EXPECT_EQ(IsKnownPrefix("A", 1, &negative.cells), 1);
  EXPECT_EQ(IsKnownPrefix("AB", 2, &negative.cells), 0);
}

TEST(IsKnownPrefix, MalformedCellsEndTheSearch) {
  // A link past the end of the buffer.
  const Cells pastEnd(Cell('A', '*', 500));
  EXPECT_EQ(IsKnownPrefix("B", 1, &pastEnd.cells), 0);
  EXPECT_EQ(IsKnownPrefix("BC", 2, &pastEnd.cells), 0);
  const Cells farthest(Cell('A', '*', -32768));
  EXPECT_EQ(IsKnownPrefix("B", 1, &farthest.cells), 0);
  // Children that would start past the end.
  EXPECT_EQ(IsKnownPrefix("AB", 2, &pastEnd.cells), 0);
  EXPECT_EQ(IsKnownPrefix("ABC", 3, &pastEnd.cells), 0);
  // A partial last cell is not read.
  const Cells partial(Cell('A', ' ', 1) + "B*");
  EXPECT_EQ(IsKnownPrefix("B", 1, &partial.cells), 0);
  // Links that come back on themselves.
  const Cells selfLoop(Cell('A', ' ', -1) + Cell('B', ' ', 1));
  EXPECT_EQ(IsKnownPrefix("C", 1, &selfLoop.cells), 0);
  EXPECT_EQ(IsKnownPrefix("CD", 2, &selfLoop.cells), 0);
  const Cells cycle(Cell('A', ' ', 2) + Cell('B', ' ', 0) + Cell('C', ' ', 3) + Cell('D', ' ', 2));
  EXPECT_EQ(IsKnownPrefix("Z", 1, &cycle.cells), 0);
  EXPECT_EQ(IsKnownPrefix("ZA", 2, &cycle.cells), 0);
  // The handler survives such cells as well.
  EXPECT_EQ(Apply("ZUGEMACH", 54, &cycle.cells), "ZUGEMACHEN");
  EXPECT_EQ(Apply("AUFGEMACH", 54, &pastEnd.cells), "AUFGEMACHEN");
}

}  // namespace
