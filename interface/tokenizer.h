// The tokenizer of the reentrant interface (lemm.h): splits valid UTF-8
// text into tokens with byte offsets and kinds, and marks the words that
// begin a sentence.
//
// Kept whole: URLs (a scheme such as "https://", or "www.", up to white
// space, without trailing punctuation or an unbalanced closing bracket),
// e-mail addresses, numbers with separators ("1,000", "3.14", "10 000"
// with groups of three digits, "12:30", "v2.0"), abbreviations made of
// short letter groups each followed by a dot ("U.S.A.", "z.B.", "e.g."),
// initials ("J."), words known to the dictionary with their dot ("etc.",
// "Dr.") and words with inner hyphens, low lines or apostrophes. Split
// off: the language's elisions ("l'" of "l'homme", with ' or ’) and
// clitics ("'s" of "user's", "n't" of "don't"), each as a word token of
// its own. A run of the same punctuation mark ("...", "--") is one token;
// every other punctuation mark or symbol is a token of its own.
//
// A word begins a sentence when it is the first word of the text (unless
// the caller says the text continues a sentence), the first after a
// sentence-ending mark (. ! ? …), the first of a line or of a column
// (after a tab or three blanks): headings, list items, the lines of
// message catalogs and the columns of tables begin anew, and in wrapped
// prose the words that begin a line are mostly in lower case, which the
// sentence start does not change.
#ifndef LEMMATIZER_INTERFACE_TOKENIZER_H_
#define LEMMATIZER_INTERFACE_TOKENIZER_H_

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "registry/languages.h"

namespace lemmatizer {

// The values of lemm.h's token kinds.
enum class TokenKind : int { kWord = 1, kNumber, kUrl, kEmail, kPunctuation, kSymbol };

struct Token {
  size_t offset;
  size_t length;
  TokenKind kind;
  bool sentenceStart;  // a word that begins a sentence
};

// The words a language splits off, in lower case with ' for every
// apostrophe (from its row's elisions and clitics).
struct SplitOffWords {
  std::vector<std::string> elisions;
  std::vector<std::string> clitics;

  static SplitOffWords Of(const Language& language);
};

class Tokenizer {
 public:
  // Whether the dictionary knows a word (UTF-8) in its own spelling; asked
  // only about a word with a final dot, and the same word without it.
  using KnownWord = std::function<bool(std::string_view)>;

  Tokenizer(const SplitOffWords& words, KnownWord known);

  // Appends the tokens of `text`, which must be valid UTF-8, to `tokens`.
  // `startsSentence`: whether the text's first word begins a sentence.
  void Tokenize(std::string_view text, bool startsSentence, std::vector<Token>& tokens) const;

 private:
  struct Scan;  // the state of one Tokenize call (tokenizer.cc)

  const SplitOffWords& m_words;
  KnownWord m_known;
};

// Whether the whole of `text` (valid UTF-8) is one URL or e-mail address,
// as Tokenize reads them in running text.
bool IsWebAddress(std::string_view text);

// One flag per token: whether it is a word of a title, a sentence of two
// or more words with letters that all begin with a capital ("Keep Your
// Account Secure"), where a capital says as little as at a sentence start.
std::vector<bool> TitleWords(std::string_view text, const std::vector<Token>& tokens);

}  // namespace lemmatizer

#endif  // LEMMATIZER_INTERFACE_TOKENIZER_H_
