#include "interface/tokenizer.h"

#include <algorithm>

#include "platform/codepage.h"
#include "platform/unicode.h"

namespace lemmatizer {

namespace {

struct Char {
  uint32_t cp;
  size_t offset;  // of its first byte
  CharClass cls;
};

bool IsApostrophe(uint32_t c) { return c == '\'' || c == 0x2019 || c == 0x02BC; }
bool IsHyphen(uint32_t c) { return c == '-' || c == 0x2010 || c == 0x2011; }
// The low line joins the parts of names ("parola_chiave", "file_name").
bool IsJoiner(uint32_t c) { return IsHyphen(c) || c == '_'; }
bool IsLetterClass(CharClass k) { return k == CharClass::kLetter || k == CharClass::kMark; }
bool IsSentenceEnd(uint32_t c) {
  return c == '.' || c == '!' || c == '?' || c == 0x2026 || c == 0x203C || c == 0x2047 ||
         c == 0x2048 || c == 0x2049 || c == 0x3002 || c == 0xFF01 || c == 0xFF1F;
}
// Spaces that may stand between the digit groups of a number.
bool IsGroupSpace(uint32_t c) { return c == ' ' || c == 0xA0 || c == 0x202F || c == 0x2009; }
bool IsAsciiAlnum(uint32_t c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsEmailLocal(uint32_t c) {
  return IsAsciiAlnum(c) || c == '.' || c == '_' || c == '%' || c == '+' || c == '-';
}
bool IsDomainChar(uint32_t c) { return IsAsciiAlnum(c) || c == '-' || c == '.'; }
// Characters that end a URL besides white space.
bool EndsUrl(const Char& c) {
  if (c.cls == CharClass::kSpace || c.cls == CharClass::kControl) return true;
  switch (c.cp) {
    case '"':
    case '<':
    case '>':
    case '`':
    case '{':
    case '}':
    case '|':
    case '\\':
    case 0xAB:
    case 0xBB:
    case 0x201C:
    case 0x201D:
    case 0x2018:
    case 0x2019:
      return true;
    default:
      return false;
  }
}
// Characters that a URL does not end with.
bool TrailsUrl(uint32_t c) {
  return c == '.' || c == ',' || c == ';' || c == ':' || c == '!' || c == '?' || c == '\'' ||
         c == ')' || c == ']';
}

// Lower case with ' for every apostrophe: the form the split-off lists use.
std::string ListForm(std::string_view utf8) {
  const std::string lower = LowerWord(utf8);
  std::string out;
  ForEachCodePoint(lower, [&](uint32_t c, size_t start, size_t end) {
    if (IsApostrophe(c)) {
      out += '\'';
    } else {
      out.append(lower, start, end - start);
    }
  });
  return out;
}

bool Listed(const std::vector<std::string>& list, const std::string& form) {
  return std::find(list.begin(), list.end(), form) != list.end();
}

std::vector<std::string> SplitList(const char* list) {
  std::vector<std::string> words;
  if (list == nullptr) return words;
  const std::string_view text(list);
  size_t start = 0;
  while (start <= text.size()) {
    const size_t comma = std::min(text.find(',', start), text.size());
    if (comma > start) words.push_back(ListForm(text.substr(start, comma - start)));
    start = comma + 1;
  }
  return words;
}

bool StartsWithAsciiNoCase(std::string_view text, size_t at, std::string_view prefix) {
  if (text.size() - at < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    char c = text[at + i];
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

SplitOffWords SplitOffWords::Of(const Language& language) {
  SplitOffWords words;
  words.elisions = SplitList(language.elisions);
  words.clitics = SplitList(language.clitics);
  return words;
}

struct Tokenizer::Scan {
  const Tokenizer& tokenizer;
  std::string_view text;
  std::vector<Char> chars;
  std::vector<Token>& tokens;
  bool pendingStart;

  size_t End(size_t i) const { return i < chars.size() ? chars[i].offset : text.size(); }
  std::string_view Span(size_t from, size_t to) const {
    return text.substr(End(from), End(to) - End(from));
  }
  bool IsClass(size_t i, CharClass k) const { return i < chars.size() && chars[i].cls == k; }
  bool IsLetterAt(size_t i) const { return i < chars.size() && IsLetterClass(chars[i].cls); }
  bool IsWordCharAt(size_t i) const { return IsLetterAt(i) || IsClass(i, CharClass::kDigit); }

  void Emit(size_t from, size_t to, TokenKind kind) {
    Token token{End(from), End(to) - End(from), kind, false};
    if (kind == TokenKind::kPunctuation) {
      if (IsSentenceEnd(chars[from].cp)) pendingStart = true;
    } else if (kind != TokenKind::kSymbol) {
      token.sentenceStart = pendingStart && kind == TokenKind::kWord;
      pendingStart = false;
    }
    tokens.push_back(token);
  }

  // The end of a URL starting at `i`, or `i` when none starts there.
  size_t Url(size_t i) const {
    const size_t at = chars[i].offset;
    static const char* const kStarts[] = {"https://", "http://", "ftp://", "ftps://",
                                          "file://",  "mailto:", "www."};
    size_t prefix = 0;
    for (const char* start : kStarts) {
      if (StartsWithAsciiNoCase(text, at, start)) {
        prefix = std::char_traits<char>::length(start);
        break;
      }
    }
    if (prefix == 0 || (i > 0 && IsWordCharAt(i - 1))) return i;
    size_t j = i + prefix;  // the prefix is ASCII: one char a byte
    if (j >= chars.size() || !IsWordCharAt(j)) return i;
    while (j < chars.size() && !EndsUrl(chars[j])) ++j;
    // Trailing punctuation belongs to the sentence, and so does a closing
    // bracket without its opening one inside the URL.
    while (j > i + prefix) {
      const uint32_t last = chars[j - 1].cp;
      if (!TrailsUrl(last)) break;
      if (last == ')' || last == ']') {
        const uint32_t open = last == ')' ? '(' : '[';
        long depth = 0;
        for (size_t k = i; k < j; ++k) {
          if (chars[k].cp == open) ++depth;
          if (chars[k].cp == last) --depth;
        }
        if (depth >= 0) break;
      }
      --j;
    }
    return j;
  }

  // The end of an e-mail address starting at `i`, or `i`.
  size_t Email(size_t i) const {
    if (i > 0 && IsEmailLocal(chars[i - 1].cp)) return i;
    size_t j = i;
    while (j < chars.size() && IsEmailLocal(chars[j].cp)) ++j;
    if (j == i || j >= chars.size() || chars[j].cp != '@' || chars[j - 1].cp == '.') return i;
    size_t k = j + 1;
    while (k < chars.size() && IsDomainChar(chars[k].cp)) ++k;
    while (k > j + 1 && (chars[k - 1].cp == '.' || chars[k - 1].cp == '-')) --k;
    // The domain needs a dot and a last label of two letters or more.
    size_t lastDot = k;
    for (size_t m = j + 1; m < k; ++m) {
      if (chars[m].cp == '.') lastDot = m;
    }
    if (lastDot == k || lastDot == j + 1 || k - lastDot < 3) return i;
    for (size_t m = lastDot + 1; m < k; ++m) {
      if (!((chars[m].cp >= 'a' && chars[m].cp <= 'z') ||
            (chars[m].cp >= 'A' && chars[m].cp <= 'Z')))
        return i;
    }
    return k;
  }

  // Digits with separators from `i`; sets `separated` when a separator
  // joined two groups.
  size_t Number(size_t i, bool& separated) const {
    size_t j = i;
    size_t groupStart = i;
    bool decimal = false;
    separated = false;
    while (IsClass(j, CharClass::kDigit)) ++j;
    for (;;) {
      if (j + 1 < chars.size() && IsClass(j + 1, CharClass::kDigit) &&
          (chars[j].cp == '.' || chars[j].cp == ',' || chars[j].cp == ':')) {
        decimal = decimal || chars[j].cp != ':';
        j += 1;
        groupStart = j;
        while (IsClass(j, CharClass::kDigit)) ++j;
        separated = true;
        continue;
      }
      // "10 000": a group of one to three digits, a space, three digits.
      const size_t group = j - groupStart;
      if (!decimal && j < chars.size() && IsGroupSpace(chars[j].cp) && group >= 1 && group <= 3 &&
          IsClass(j + 1, CharClass::kDigit) && IsClass(j + 2, CharClass::kDigit) &&
          IsClass(j + 3, CharClass::kDigit) && !IsWordCharAt(j + 4)) {
        j += 1;
        groupStart = j;
        j += 3;
        separated = true;
        continue;
      }
      return j;
    }
  }

  // The end of an abbreviation of short letter groups each with its dot
  // ("U.S.A.", "z.B."), or `i`.
  size_t Abbreviation(size_t i) const {
    size_t j = i;
    int groups = 0;
    for (;;) {
      size_t n = 0;
      while (IsClass(j + n, CharClass::kLetter) && n < 3) ++n;
      if (n == 0 || n > 2 || j + n >= chars.size() || chars[j + n].cp != '.') break;
      j += n + 1;
      ++groups;
    }
    if (IsWordCharAt(j)) return i;
    // An initial: one capital and its dot ("J. Smith").
    if (groups == 1 && j == i + 2 && IsUpperLetter(chars[i].cp)) return j;
    if (groups < 2) return i;
    return j;
  }

  // The end of a word from `i`: letters, digits and marks, with hyphens and
  // apostrophes between them and dots between digits ("v2.0").
  size_t Word(size_t i, bool& dottedDigits) const {
    size_t j = i;
    dottedDigits = false;
    for (;;) {
      while (IsWordCharAt(j)) ++j;
      if (j + 1 >= chars.size() || !IsWordCharAt(j + 1)) return j;
      const uint32_t c = chars[j].cp;
      if (IsJoiner(c) || (IsApostrophe(c) && IsLetterAt(j + 1))) {
        ++j;
        continue;
      }
      if ((c == '.' || c == ',') && IsClass(j - 1, CharClass::kDigit) &&
          IsClass(j + 1, CharClass::kDigit)) {
        dottedDigits = true;
        ++j;
        continue;
      }
      return j;
    }
  }

  // A version number ("v2.0", "V3.1.4"): one letter v, digits and dots.
  bool IsVersion(size_t from, size_t to) const {
    if (to - from < 4 || (chars[from].cp != 'v' && chars[from].cp != 'V')) return false;
    for (size_t k = from + 1; k < to; ++k) {
      if (!IsClass(k, CharClass::kDigit) && chars[k].cp != '.') return false;
    }
    return true;
  }

  // Emits the word [from, to), splitting off elisions and clitics.
  void EmitWord(size_t from, size_t to) {
    const SplitOffWords& words = tokenizer.m_words;
    // Elisions: the part up to the first apostrophe, when listed.
    for (size_t k = from + 1; k + 1 < to; ++k) {
      if (!IsApostrophe(chars[k].cp)) continue;
      if (Listed(words.elisions, ListForm(Span(from, k + 1)))) {
        Emit(from, k + 1, TokenKind::kWord);
        from = k + 1;
        continue;
      }
      break;
    }
    // Clitics: the longest listed ending after a letter.
    if (!words.clitics.empty()) {
      const std::string form = ListForm(Span(from, to));
      size_t best = 0;
      for (const std::string& clitic : words.clitics) {
        if (clitic.size() > best && clitic.size() < form.size() &&
            form.compare(form.size() - clitic.size(), clitic.size(), clitic) == 0) {
          best = clitic.size();
        }
      }
      if (best > 0) {
        // The clitic's first character in the text: count the list form's
        // characters back from the end (each apostrophe is one character).
        size_t cliticChars = 0;
        for (size_t b = 0; b < best; ++b) {
          const auto byte = static_cast<unsigned char>(form[form.size() - best + b]);
          if ((byte & 0xC0) != 0x80) ++cliticChars;
        }
        const size_t split = to - cliticChars;
        if (split > from && IsLetterAt(split - 1)) {
          Emit(from, split, TokenKind::kWord);
          Emit(split, to, TokenKind::kWord);
          return;
        }
      }
    }
    Emit(from, to, TokenKind::kWord);
  }

  void Run() {
    size_t i = 0;
    while (i < chars.size()) {
      const Char& c = chars[i];
      if (c.cls == CharClass::kSpace || c.cls == CharClass::kControl) {
        // A line break: headings, list items and the lines of catalogs
        // begin anew; wrapped prose goes on in lower case, which no
        // sentence start changes.
        if (c.cp == '\n' || c.cp == 0x2028 || c.cp == 0x2029) pendingStart = true;
        // So do the columns of a table: after a tab or a wide gap.
        if (c.cp == '\t' || (c.cp == ' ' && i + 2 < chars.size() && chars[i + 1].cp == ' ' &&
                             chars[i + 2].cp == ' ')) {
          pendingStart = true;
        }
        ++i;
        continue;
      }
      size_t end = Url(i);
      if (end > i) {
        Emit(i, end, TokenKind::kUrl);
        i = end;
        continue;
      }
      end = Email(i);
      if (end > i) {
        Emit(i, end, TokenKind::kEmail);
        i = end;
        continue;
      }
      if (c.cls == CharClass::kDigit) {
        bool separated = false;
        end = Number(i, separated);
        if (!separated && IsLetterAt(end)) {
          // "3rd", "1990s", "4x4": one word.
          bool dotted = false;
          end = Word(i, dotted);
          Emit(i, end, TokenKind::kWord);
        } else {
          Emit(i, end, TokenKind::kNumber);
        }
        i = end;
        continue;
      }
      if (IsLetterClass(c.cls)) {
        end = Abbreviation(i);
        if (end > i) {
          Emit(i, end, TokenKind::kWord);
          i = end;
          continue;
        }
        bool dotted = false;
        end = Word(i, dotted);
        if (dotted && IsVersion(i, end)) {
          Emit(i, end, TokenKind::kNumber);
          i = end;
          continue;
        }
        // A word known with its final dot and not without it ("ecc.",
        // "Sig."). Not a word in capitals: "NIS." ending a sentence is an
        // acronym and a full stop, whatever abbreviation shares its letters.
        if (end < chars.size() && chars[end].cp == '.' && tokenizer.m_known &&
            ShapeOf(Span(i, end)) != CaseShape::kUpper && tokenizer.m_known(Span(i, end + 1)) &&
            !tokenizer.m_known(Span(i, end))) {
          Emit(i, end + 1, TokenKind::kWord);
          i = end + 1;
          continue;
        }
        // An elision before a space ("l' homme").
        if (end < chars.size() && IsApostrophe(chars[end].cp) &&
            Listed(tokenizer.m_words.elisions, ListForm(Span(i, end + 1)))) {
          ++end;
        }
        EmitWord(i, end);
        i = end;
        continue;
      }
      if (IsApostrophe(c.cp) && IsLetterAt(i + 1)) {
        // A clitic standing alone ("'s").
        size_t j = i + 1;
        while (IsLetterAt(j)) ++j;
        if (Listed(tokenizer.m_words.clitics, ListForm(Span(i, j)))) {
          Emit(i, j, TokenKind::kWord);
          i = j;
          continue;
        }
      }
      if (c.cls == CharClass::kPunctuation) {
        size_t j = i + 1;
        while (j < chars.size() && chars[j].cp == c.cp) ++j;
        Emit(i, j, TokenKind::kPunctuation);
        i = j;
        continue;
      }
      // Symbols, with the marks that follow them (variation selectors).
      size_t j = i + 1;
      while (j < chars.size() && (chars[j].cp == c.cp || chars[j].cls == CharClass::kMark)) ++j;
      Emit(i, j, TokenKind::kSymbol);
      i = j;
    }
  }
};

bool IsWebAddress(std::string_view text) {
  // Every URL holds ':' ("http://", "mailto:") or starts "www.", every
  // e-mail address '@': most words are none, and are not tokenized.
  if (text.find_first_of(":@.") == std::string_view::npos) return false;
  static const SplitOffWords kNoWords;
  const Tokenizer tokenizer(kNoWords, nullptr);
  std::vector<Token> tokens;
  tokenizer.Tokenize(text, false, tokens);
  return tokens.size() == 1 && tokens[0].length == text.size() &&
         (tokens[0].kind == TokenKind::kUrl || tokens[0].kind == TokenKind::kEmail);
}

Tokenizer::Tokenizer(const SplitOffWords& words, KnownWord known)
    : m_words(words), m_known(std::move(known)) {}

void Tokenizer::Tokenize(std::string_view text, bool startsSentence,
                         std::vector<Token>& tokens) const {
  Scan scan{*this, text, {}, tokens, startsSentence};
  scan.chars.reserve(text.size());
  ForEachCodePoint(text, [&](uint32_t c, size_t start, size_t) {
    scan.chars.push_back(Char{c, start, ClassOf(c)});
  });
  scan.Run();
}

std::vector<bool> TitleWords(std::string_view text, const std::vector<Token>& tokens) {
  std::vector<bool> title(tokens.size(), false);
  size_t start = 0;  // the first token of the sentence
  for (size_t i = 0; i <= tokens.size(); ++i) {
    if (i < tokens.size() && (i == start || !tokens[i].sentenceStart)) continue;
    size_t cased = 0;
    bool capitals = true;
    for (size_t j = start; j < i && capitals; ++j) {
      const std::string_view word = text.substr(tokens[j].offset, tokens[j].length);
      if (tokens[j].kind != TokenKind::kWord || ShapeOf(word) == CaseShape::kNone) continue;
      ++cased;
      capitals = StartsWithCapital(word);
    }
    if (capitals && cased >= 2) std::fill(title.begin() + start, title.begin() + i, true);
    start = i;
  }
  return title;
}

}  // namespace lemmatizer
