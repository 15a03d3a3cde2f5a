#include "dictionary/errors.h"

#include <cstdarg>
#include <cstdio>

namespace lemmatizer {

namespace {

std::string FormatVa(const char* format, va_list args) {
  va_list copy;
  va_copy(copy, args);
  const int length = std::vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (length <= 0) return std::string();
  std::string text(static_cast<size_t>(length), '\0');
  std::vsnprintf(&text[0], text.size() + 1, format, args);
  return text;
}

// The text of the last RaiseText of this thread; see the header for its
// lifetime.
std::string& RaisedText() {
  static thread_local std::string text;
  return text;
}

}  // namespace

std::string FormatMessage(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string text = FormatVa(format, args);
  va_end(args);
  return text;
}

void RaiseText(const char* format, ...) {
  va_list args;
  va_start(args, format);
  RaisedText() = FormatVa(format, args);
  va_end(args);
  throw static_cast<const char*>(RaisedText().c_str());
}

void RaiseString(const std::string& message) { throw message; }

}  // namespace lemmatizer
