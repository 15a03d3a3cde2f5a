#include "tools/lemm/text_words.h"

#include <cstdint>

#include "platform/codepage.h"

namespace lemmatizer {

namespace {

// The code point at `pos`, advancing past it; a malformed byte counts as
// one code point of its own (U+FFFD).
uint32_t Next(std::string_view s, size_t& pos) {
  uint32_t cp;
  if (DecodeUtf8(s, pos, cp)) return cp;
  ++pos;
  return 0xFFFD;
}

bool IsWordChar(uint32_t cp) {
  if (cp < 0x80) {
    return (cp >= '0' && cp <= '9') || (cp >= 'a' && cp <= 'z') || (cp >= 'A' && cp <= 'Z');
  }
  if (cp >= 0x80 && cp <= 0xBF) return cp == 0xAA || cp == 0xB5 || cp == 0xBA;
  if (cp == 0xD7 || cp == 0xF7) return false;
  if (cp >= 0x2000 && cp <= 0x2BFF) return false;  // punctuation, symbols, arrows
  if (cp >= 0x3000 && cp <= 0x303F) return false;
  if (cp == 0xFFFD || (cp >= 0xFE30 && cp <= 0xFE4F)) return false;
  return true;
}

bool IsJoiner(uint32_t cp) { return cp == '\'' || cp == '-' || cp == 0x2019 || cp == 0xB4; }

}  // namespace

std::vector<std::string> SplitWords(std::string_view utf8) {
  std::vector<std::string> words;
  std::string word;
  size_t pos = 0;
  while (pos < utf8.size()) {
    const size_t start = pos;
    const uint32_t cp = Next(utf8, pos);
    if (IsWordChar(cp)) {
      word.append(utf8.substr(start, pos - start));
      continue;
    }
    if (IsJoiner(cp) && !word.empty() && pos < utf8.size()) {
      size_t after = pos;
      if (IsWordChar(Next(utf8, after))) {
        word.append(utf8.substr(start, pos - start));
        continue;
      }
    }
    if (!word.empty()) words.push_back(word);
    word.clear();
  }
  if (!word.empty()) words.push_back(word);
  return words;
}

}  // namespace lemmatizer
