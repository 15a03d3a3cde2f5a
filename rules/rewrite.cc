#include "rules/rewrite.h"

#include <cstring>
#include <string>

namespace lemmatizer {

namespace {

bool IsVowel(char c) { return c != '\0' && std::strchr("AEIOUaeiou", c) != nullptr; }

// Writes `text` over word[at, at + length) and moves the rest.
void Splice(char* word, size_t at, size_t length, const char* text) {
  const size_t textLength = std::strlen(text);
  const size_t tail = std::strlen(word + at + length);
  std::memmove(word + at + textLength, word + at + length, tail + 1);
  std::memcpy(word + at, text, textLength);
}

}  // namespace

int ReplaceSuffix(const char* ending, const char* replacement, char* word) {
  const size_t wordLength = std::strlen(word);
  const size_t endingLength = std::strlen(ending);
  if (endingLength > wordLength) return 0;
  if (std::memcmp(word + wordLength - endingLength, ending, endingLength) != 0) return 0;
  std::strcpy(word + wordLength - endingLength, replacement);
  return 1;
}

int ReplaceSuffixFromTable(char* word, const SuffixPair* table) {
  if (table == nullptr || table[0].ending == nullptr) return 0;
  const size_t wordLength = std::strlen(word);
  const size_t endingLength = std::strlen(table[0].ending);
  if (wordLength < endingLength) return 0;
  char* tail = word + wordLength - endingLength;
  for (const SuffixPair* pair = table; pair->ending != nullptr; ++pair) {
    if (std::memcmp(tail, pair->ending, endingLength) == 0) {
      std::strcpy(tail, pair->replacement);
      return 1;
    }
  }
  return 0;
}

char* ReplaceStemVowel(const char* text, char* word) {
  const size_t length = std::strlen(word);
  for (size_t i = length; i-- > 1;) {
    if (!IsVowel(word[i])) continue;
    if (IsVowel(word[i - 1])) {
      Splice(word, i - 1, 2, text);
    } else {
      Splice(word, i, 1, text);
    }
    return word;
  }
  if (length > 0 && IsVowel(word[0])) Splice(word, 0, 1, text);
  return word;
}

char* ReplaceLastOccurrence(const char* pattern, const char* replacement, char* word) {
  const size_t patternLength = std::strlen(pattern);
  if (patternLength == 0) return word;
  const std::string text(word);
  const size_t at = text.rfind(pattern);
  if (at != std::string::npos) Splice(word, at, patternLength, replacement);
  return word;
}

}  // namespace lemmatizer
