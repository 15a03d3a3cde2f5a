// The writer of the German prefix cells ("de-prfx.hsq"), in the format
// that rules/german.h reads (doc/formats.md). The German handler looks
// prefixes up in key form (upper case, umlauts and sharp s transcribed:
// ZURUECK, not ZURÜCK) to decide whether "GE" or "ZU" after them is an
// infix.
#ifndef LEMMATIZER_RULES_GERMAN_PREFIX_WRITER_H_
#define LEMMATIZER_RULES_GERMAN_PREFIX_WRITER_H_

#include <string>
#include <vector>

namespace lemmatizer {

// The bytes of a prefix file that knows exactly `prefixes` (non-empty, no
// NUL byte; duplicates are allowed). At most 32768 cells. Raises
// std::invalid_argument for a prefix it cannot encode and std::length_error
// for a list that does not fit the format.
std::string PrefixCellBytes(const std::vector<std::string>& prefixes);

}  // namespace lemmatizer

#endif  // LEMMATIZER_RULES_GERMAN_PREFIX_WRITER_H_
