// The fixed name lists from which the tag-name tables are built
// (tag_table.cc, extended_tags.cc). Tag numbers are part of the dictionary
// format, so these lists never change.
#ifndef LEMMATIZER_DICTIONARY_TAG_NAMES_DATA_H_
#define LEMMATIZER_DICTIONARY_TAG_NAMES_DATA_H_

namespace lemmatizer {

extern const char* const kNamedTags1To303[303];
extern const char* const kNamedTags1305To1308[4];
extern const char* const kNamedTags1319To1345[27];
extern const char* const kNamedTags1546To1549[4];

// Names of the extended tags 2000 to 2150, in tag order.
extern const char* const kExtendedTagNames[151];

}  // namespace lemmatizer

#endif  // LEMMATIZER_DICTIONARY_TAG_NAMES_DATA_H_
