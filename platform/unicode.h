// Unicode character classes and letter case for UTF-8 text, as the
// reentrant interface needs them: to split running text into tokens and to
// look a word up in lower or title case.
//
// The case rules cover the scripts of the library's languages completely
// (Latin with its extensions, Greek, Cyrillic) and Armenian; any other code
// point has no case. The mappings are the simple one-to-one ones of the
// Unicode character database, with two additions that words need: a Greek
// capital sigma lowers to final sigma at the end of a word, and the Serbian
// and Croatian digraph letters (DŽ, LJ, NJ) have a title-case form.
//
// The character classes follow the Unicode general categories closely
// enough for tokenization: letters (with combining marks, which stay inside
// a word), ASCII digits, white space, punctuation and symbols. Code points
// of scripts not listed count as letters unless they lie in a punctuation
// or symbol block.
#ifndef LEMMATIZER_PLATFORM_UNICODE_H_
#define LEMMATIZER_PLATFORM_UNICODE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/codepage.h"

namespace lemmatizer {

enum class CharClass {
  kLetter,
  kMark,   // combining marks, joiners, the soft hyphen: part of the word they stand in
  kDigit,  // 0-9
  kSpace,
  kControl,  // control and format characters: separate tokens like white space
  kPunctuation,
  kSymbol,
};

CharClass ClassOf(uint32_t codePoint);

// The simple lower, upper and title case of a code point (itself when it
// has none).
uint32_t LowerOf(uint32_t codePoint);
uint32_t UpperOf(uint32_t codePoint);
uint32_t TitleOf(uint32_t codePoint);

inline bool IsUpperLetter(uint32_t codePoint) { return LowerOf(codePoint) != codePoint; }
inline bool IsLowerLetter(uint32_t codePoint) { return UpperOf(codePoint) != codePoint; }

// The case pattern of a word's letters.
enum class CaseShape {
  kNone,   // no cased letter
  kLower,  // no capital
  kTitle,  // a capital first letter, no other capital
  kUpper,  // two or more cased letters, all capitals
  kMixed,  // any other ("iPhone", "McDonald")
};

// The following take valid UTF-8 (ValidUtf8Prefix tells).
CaseShape ShapeOf(std::string_view utf8);

// Whether the first letter of the text (its first cased code point) is a
// capital, or a title-case digraph.
bool StartsWithCapital(std::string_view utf8);

// Whether the text holds a cased letter; if so, `capital` says whether the
// first is a capital or a title-case digraph (as StartsWithCapital).
bool FirstCasedLetter(std::string_view utf8, bool& capital);

// Every letter lowered; a capital sigma that ends a word (a letter before
// it, none after it) becomes final sigma.
std::string LowerWord(std::string_view utf8);

// The first cased letter in title case, every other letter lowered.
std::string TitleWord(std::string_view utf8);

// The text with every typographic apostrophe (U+2019, U+02BC) written ',
// or empty when it has none.
std::string PlainApostrophes(std::string_view utf8);

// Calls visit(codePoint, start, end) for every code point of UTF-8 text,
// with the offsets of its first byte and of the byte after it; a byte that
// starts no valid sequence is U+FFFD on its own.
template <typename Visit>
void ForEachCodePoint(std::string_view text, Visit&& visit) {
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t start = pos;
    uint32_t c;
    if (!DecodeUtf8(text, pos, c)) {
      c = 0xFFFD;
      pos = start + 1;
    }
    visit(c, start, pos);
  }
}

// The number of bytes from the start of `text` that are valid UTF-8: the
// offset of the first malformed, overlong or cut sequence or surrogate, or
// the text's size when there is none.
size_t ValidUtf8Prefix(std::string_view text);

}  // namespace lemmatizer

#endif  // LEMMATIZER_PLATFORM_UNICODE_H_
