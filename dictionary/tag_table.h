// The fixed table of dictionary tag names.
//
// Tag numbers 1 to 1849 name the entries of this table; every dictionary
// refers to tags by these numbers, so the numbering never changes. Entry
// 1850 is the count marker "TAGNO", which GetString never returns. The
// extended tags 2000 to 2150 have a table of their own (extended_tags.h).
#ifndef LEMMATIZER_DICTIONARY_TAG_TABLE_H_
#define LEMMATIZER_DICTIONARY_TAG_TABLE_H_

#include <cstdint>
#include <string_view>

class CTagTable {
 public:
  // Highest tag number with a name, and the number of the count marker.
  static constexpr int32_t kLastTag = 1849;
  static constexpr int32_t kCountMarker = 1850;

  // The name of tag number `n` (1 to 1849); the text is static. Raises the
  // string object "GetString(%d) out of bounds ! max(%d)" for other numbers.
  static const char* GetString(int32_t n);

  // The number (1 to 1849) of the tag called `name`, compared byte by byte.
  // Raises the string object "lemmatizer: Language : doesn't contain tag : "
  // followed by the name when there is none.
  static int32_t GetTagNumber(const char* name);

  // The number of the tag called `name`, or -1; never raises.
  static int32_t FindTagNumber(std::string_view name);

  // Entry `n` of the table for 0 to 1850 (entry 0 is empty, 1850 "TAGNO"),
  // without a bounds error; null outside that range.
  static const char* Entry(int32_t n);
};

namespace lemmatizer {

// The tag of proper nouns ("NOMP"), which the PWD dictionary gives every
// lemma it makes and the UTF-8 interface its guessed names.
constexpr int32_t kNompTag = 97;

}  // namespace lemmatizer

#endif  // LEMMATIZER_DICTIONARY_TAG_TABLE_H_
