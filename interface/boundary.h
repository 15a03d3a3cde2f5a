// The one place where failures raised inside the library become status
// codes and messages for the host.
//
// Each export states, per kind of failure, the status it returns and the
// message it copies into the host's buffer (a fixed text, or the failure's
// own text when the rule gives none). Guard runs the export's body and
// applies the rule; nothing raised inside ever reaches the host.
#ifndef LEMMATIZER_INTERFACE_BOUNDARY_H_
#define LEMMATIZER_INTERFACE_BOUNDARY_H_

#include <cstdint>
#include <exception>
#include <string>

namespace lemmatizer {

// Copies `message` into the host's buffer with the semantics of strncpy:
// at most `size` bytes, NUL-padded when shorter, no terminator when cut.
// Writes nothing for a null buffer or a size of 0 or less.
void CopyMessage(char* buffer, int32_t size, const char* message);

struct BoundaryRule {
  // Status for a text pointer, a string object, a standard exception and
  // anything else, in the order the boundary catches them.
  int32_t textStatus;
  int32_t stringStatus;
  int32_t standardStatus;
  int32_t otherStatus;
  // Fixed messages for these kinds; null means the failure's own text
  // (for "anything else" a fixed text is always given).
  const char* textMessage;
  const char* stringMessage;
  const char* standardMessage;
  const char* otherMessage;
};

// Runs `body`, which returns the export's status, and maps whatever it
// raises by `rule`.
template <typename Body>
int32_t Guard(const BoundaryRule& rule, char* buffer, int32_t size, Body&& body) {
  try {
    return body();
  } catch (const char* text) {
    CopyMessage(buffer, size, rule.textMessage != nullptr ? rule.textMessage : text);
    return rule.textStatus;
  } catch (const std::string& text) {
    CopyMessage(buffer, size, rule.stringMessage != nullptr ? rule.stringMessage : text.c_str());
    return rule.stringStatus;
  } catch (const std::exception& error) {
    CopyMessage(buffer, size,
                rule.standardMessage != nullptr ? rule.standardMessage : error.what());
    return rule.standardStatus;
  } catch (...) {
    CopyMessage(buffer, size, rule.otherMessage);
    return rule.otherStatus;
  }
}

// The rules of the exports.
extern const BoundaryRule kCreateRule;       // LemmatizerCreate
extern const BoundaryRule kLemmatizeRule;    // Lemmatize, LemmatizeEH
extern const BoundaryRule kSetLanguageRule;  // LemmatizeSetLanguage
extern const BoundaryRule kGetLanguageRule;  // LemmatizeGetLanguage
extern const BoundaryRule kTagNameRule;      // GetStringForTag (status unused)
// These three catch nothing of their own in the interface's design, but they
// allocate (the names they form, the file they read): whatever is raised
// becomes their failure value.
extern const BoundaryRule kCreateExRule;        // LemmatizerCreateEx: 3
extern const BoundaryRule kCreateFromBaseRule;  // LemmatizeCreate: 0 (no message buffer)
extern const BoundaryRule kExtendPathRule;      // LemmatizeInitRusischExtendPath: 5

}  // namespace lemmatizer

#endif  // LEMMATIZER_INTERFACE_BOUNDARY_H_
