#include "platform/text.h"

#include <cstring>

namespace lemmatizer {

int StrNICmp(const char* a, const char* b, size_t n) {
  if (a == nullptr) a = "";
  if (b == nullptr) b = "";
  for (size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(LowerAscii(a[i]));
    const auto cb = static_cast<unsigned char>(LowerAscii(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
    if (ca == 0) return 0;
  }
  return 0;
}

int StrICmp(const char* a, const char* b) { return StrNICmp(a, b, static_cast<size_t>(-1)); }

char* LowerInPlace(char* text) {
  for (char* p = text; p != nullptr && *p != '\0'; ++p) *p = LowerAscii(*p);
  return text;
}

std::string LowerCopy(const char* text) {
  std::string lowered = text == nullptr ? "" : text;
  for (char& c : lowered) c = LowerAscii(c);
  return lowered;
}

char* ReverseInPlace(char* text) {
  if (text == nullptr) return text;
  size_t length = std::strlen(text);
  for (size_t i = 0; i + 1 < length; ++i, --length) {
    const char t = text[i];
    text[i] = text[length - 1];
    text[length - 1] = t;
  }
  return text;
}

}  // namespace lemmatizer
