// How the library raises its failures.
//
// Inside the library a failure is an exception of one of two kinds, and the
// kind is part of the interface because each export maps it to its own
// status code:
//   - a text pointer (`const char*`), raised by RaiseText;
//   - a string object (`std::string`), raised by RaiseString.
// Standard-library failures arrive as `std::exception`. The exports catch all
// of them at one boundary (interface/boundary.h).
//
// RaiseText formats its message with no fixed bound into storage of the
// calling thread that stays valid until the thread's next RaiseText, which
// is after the boundary has copied it; threads that look words up at once
// (the reentrant interface) do not share it.
#ifndef LEMMATIZER_DICTIONARY_ERRORS_H_
#define LEMMATIZER_DICTIONARY_ERRORS_H_

#include <string>

namespace lemmatizer {

// printf-style formatting into a string of whatever length the result needs.
std::string FormatMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Raises the formatted message as a text pointer.
[[noreturn]] void RaiseText(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Raises the message as a string object.
[[noreturn]] void RaiseString(const std::string& message);

}  // namespace lemmatizer

#endif  // LEMMATIZER_DICTIONARY_ERRORS_H_
