// The lemcode handler of German ("de") and its helpers.
//
// German stems are in key form: upper case, with the umlauts and sharp s
// transcribed (AE, OE, UE, SS). The handler rebuilds the lemma by writing
// or appending endings, by removing a leading "GE" or a "GE"/"ZU" infix
// after a known prefix, by exchanging the stem vowel, by removing umlaut
// marks and by repair tables for irregular stems. Lemcodes without a rule
// leave the stem unchanged; the handler never raises. It lengthens a stem
// by at most 4 bytes.
//
// The handler argument is the address of a GermanPrefixCells describing the
// prefix file ("de-prfx.hsq") held by the dictionary object, or 0 for none
// (then no prefix is known).
//
// Prefix file: an array of 4-byte cells numbered from 0, read whole and
// never parsed at load time:
//   byte 0     character;
//   byte 1     flag: kPrefixCellOpen (a blank) when no prefix ends at this
//              cell, any other byte when a known prefix ends here;
//   bytes 2-3  signed 16-bit little-endian link.
// The children of a cell start at the next cell; siblings are chained
// through the links (an absolute cell index, its sign ignored; 0 ends the
// chain, and so does -1 except at cell 0, where it leads to cell 1). The
// cells are keyed in key form. Links that leave the buffer, or chains that
// come back on themselves, end a search with "not known": a malformed file
// never makes the search read outside the buffer or loop.
#ifndef LEMMATIZER_RULES_GERMAN_H_
#define LEMMATIZER_RULES_GERMAN_H_

#include <cstddef>
#include <cstdint>

namespace lemmatizer {

// Lemcodes 1 to kGermanLastLemcode have rules.
constexpr int32_t kGermanLastLemcode = 89;

constexpr int kPrefixCellSize = 4;
constexpr unsigned char kPrefixCellOpen = ' ';

// The prefix cells as the handler sees them: the file's bytes and their
// count (cells = size / kPrefixCellSize; a partial last cell is ignored).
struct GermanPrefixCells {
  const unsigned char* data;
  size_t size;
};

int32_t GermanLemcodeHandler(char* stem, int32_t stemLength, int32_t lemcode, intptr_t handlerArg);

// Removes the particle (of `n` bytes) from the stem: a leading "GE" is
// removed whatever the particle; otherwise the first occurrence of the
// particle that follows a known prefix and is not at the stem's end.
void RemoveInfix(const char* particle, int32_t n, char* stem, const GermanPrefixCells* cells);

// 1 when word[0..len-1] is a complete entry of the prefix cells, else 0.
// For len 0 the single byte word[0] is looked up. Null cells know nothing.
int IsKnownPrefix(const char* word, int32_t len, const GermanPrefixCells* cells);

// Removes the umlaut mark "E" after A, O or U among the last five bytes of
// the stem (HAEUS becomes HAUS); an E after a U that follows A or E stays
// (BAUER). After removing an E the byte before it is not examined.
void RemoveUmlautMarks(char* stem);

}  // namespace lemmatizer

#endif  // LEMMATIZER_RULES_GERMAN_H_
