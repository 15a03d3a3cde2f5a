#include "interface/boundary.h"

#include <cstring>

namespace lemmatizer {

void CopyMessage(char* buffer, int32_t size, const char* message) {
  if (buffer == nullptr || size <= 0) return;
  std::strncpy(buffer, message == nullptr ? "" : message, static_cast<size_t>(size));
}

const BoundaryRule kCreateRule = {1, 2, 3, 3, nullptr, nullptr, nullptr, "unknown exception"};
const BoundaryRule kLemmatizeRule = {4, 4, 3, 3, nullptr, nullptr, nullptr, "Unknown Exception!"};
const BoundaryRule kSetLanguageRule = {4, 3, 3, 3, nullptr, nullptr, nullptr, "Unknown Exception!"};
const BoundaryRule kGetLanguageRule = {
    3, 3, 3, 3, "Act Language null", "Act Language null", "Act Language null", "Act Language null"};
const BoundaryRule kTagNameRule = {
    0, 0, 0, 0, nullptr, "unknown error", "unknown error", "unknown error"};

const BoundaryRule kCreateExRule = {3, 3, 3, 3, nullptr, nullptr, nullptr, "unknown exception"};
const BoundaryRule kCreateFromBaseRule = {0,       0,       0,       0,
                                          nullptr, nullptr, nullptr, "unknown exception"};
const BoundaryRule kExtendPathRule = {5, 5, 5, 5, nullptr, nullptr, nullptr, "unknown exception"};

}  // namespace lemmatizer
