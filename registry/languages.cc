#include "registry/languages.h"

#include <string>

namespace lemmatizer {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

}  // namespace

const Language* Languages(size_t* count) {
  *count = kLanguageRowCount;
  return kLanguageRows;
}

const Language* FindLanguage(std::string_view code) {
  for (size_t i = 0; i < kLanguageRowCount; ++i) {
    if (code == kLanguageRows[i].code) return &kLanguageRows[i];
  }
  return nullptr;
}

const Language* FindLanguageAsSpelt(std::string_view code) {
  if (code.size() != 2) return nullptr;
  std::string lower{Lower(code[0]), Lower(code[1])};
  const Language* language = FindLanguage(lower);
  if (language == nullptr) return nullptr;
  const bool asRow = code == lower;
  const bool allUpper = code[0] == Upper(lower[0]) && code[1] == Upper(lower[1]);
  const bool firstUpper = code[0] == Upper(lower[0]) && code[1] == lower[1];
  return asRow || allUpper || firstUpper ? language : nullptr;
}

int CodePageForLanguage(std::string_view code) {
  std::string lower;
  for (const char c : code) lower += Lower(c);
  const Language* language = FindLanguage(lower);
  return language == nullptr ? 0 : language->codePage;
}

}  // namespace lemmatizer
