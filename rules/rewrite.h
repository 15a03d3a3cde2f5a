// Text-rewrite helpers of the rule-based lemcode handlers. All work in place
// on zero-terminated byte strings; the caller's buffer must have room for
// the growth a replacement brings (see lemcode_handler.h).
#ifndef LEMMATIZER_RULES_REWRITE_H_
#define LEMMATIZER_RULES_REWRITE_H_

namespace lemmatizer {

// One (ending, replacement) pair; a table of them ends with a null ending.
struct SuffixPair {
  const char* ending;
  const char* replacement;
};

// Replaces `ending` at the end of `word` by `replacement`. Returns 1 when
// the word ended in it, else 0 (word unchanged).
int ReplaceSuffix(const char* ending, const char* replacement, char* word);

// Compares the tail of `word` whose length is that of the table's first
// ending with the endings in table order; the first equal one has its
// replacement written over the tail. Returns 1 then, else 0.
int ReplaceSuffixFromTable(char* word, const SuffixPair* table);

// Replaces the last vowel at a position >= 1 (with the vowel before it when
// that is one too) by `text`; without one, a vowel at position 0. Vowels are
// AEIOU and aeiou. Returns `word`.
char* ReplaceStemVowel(const char* text, char* word);

// Replaces the last occurrence of `pattern` in `word` by `replacement`.
// Returns `word`.
char* ReplaceLastOccurrence(const char* pattern, const char* replacement, char* word);

}  // namespace lemmatizer

#endif  // LEMMATIZER_RULES_REWRITE_H_
