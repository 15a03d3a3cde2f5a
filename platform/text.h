// The byte-string helpers of the library, with the behaviour of the C
// runtime functions of the same purpose: case-insensitive comparison of
// ASCII letters, lowering of language codes and reversal in place. Every byte
// is taken as unsigned, so bytes above 127 pass through unchanged.
#ifndef LEMMATIZER_PLATFORM_TEXT_H_
#define LEMMATIZER_PLATFORM_TEXT_H_

#include <cstddef>
#include <string>

namespace lemmatizer {

// The byte lowered as `tolower` does in the default locale: only A-Z change.
inline char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

// Compares two NUL-terminated strings ignoring the case of A-Z; returns a
// negative, zero or positive value. A null pointer counts as the empty string.
int StrICmp(const char* a, const char* b);

// As StrICmp, over at most `n` bytes.
int StrNICmp(const char* a, const char* b, size_t n);

// Lowers A-Z in place and returns `text`.
char* LowerInPlace(char* text);

// A lowered copy of `text` (null counts as empty).
std::string LowerCopy(const char* text);

// Reverses the bytes of a NUL-terminated string in place and returns it.
char* ReverseInPlace(char* text);

}  // namespace lemmatizer

#endif  // LEMMATIZER_PLATFORM_TEXT_H_
