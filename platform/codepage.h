// Conversion between UTF-8 and the 8-bit Windows code pages that the
// dictionaries are written in (1250, 1251, 1252, 1253). The language table
// (registry/languages.h) says which code page each language uses.
#ifndef LEMMATIZER_PLATFORM_CODEPAGE_H_
#define LEMMATIZER_PLATFORM_CODEPAGE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lemmatizer {

// Whether `codePage` is one of the four this module converts.
bool IsKnownCodePage(int codePage);

// Converts UTF-8 text into `codePage`. Returns false when the text is not
// valid UTF-8 or holds a character that the code page cannot write; `out`
// then holds the bytes converted before the offending character.
bool Utf8ToCodePage(std::string_view utf8, int codePage, std::string& out);

// Converts 8-bit text in `codePage` into UTF-8. A byte the code page leaves
// undefined becomes the code point of the same value (as Latin-1 would).
std::string CodePageToUtf8(std::string_view bytes, int codePage);

// Decodes the UTF-8 sequence at `pos` into `codePoint` and moves `pos`
// past it. False, with `pos` unchanged, for a malformed, overlong or cut
// sequence or a surrogate.
bool DecodeUtf8(std::string_view text, size_t& pos, uint32_t& codePoint);

// Appends the UTF-8 bytes of `codePoint`.
void AppendUtf8(uint32_t codePoint, std::string& out);

}  // namespace lemmatizer

#endif  // LEMMATIZER_PLATFORM_CODEPAGE_H_
