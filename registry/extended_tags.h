// The extended tags 2000 to 2150 that the Russian extension adds to
// readings. Both directions, number to name and name to number, are served
// from one table.
#ifndef LEMMATIZER_REGISTRY_EXTENDED_TAGS_H_
#define LEMMATIZER_REGISTRY_EXTENDED_TAGS_H_

#include <cstdint>

namespace lemmatizer {

constexpr int32_t kFirstExtendedTag = 2000;
constexpr int32_t kLastExtendedTag = 2150;

// The name of extended tag `tag`, or null outside 2000..2150.
const char* ExtendedTagName(int32_t tag);

// The number of the extended tag called `name` (exact bytes), or -1.
int32_t ExtendedTagNumber(const char* name);

}  // namespace lemmatizer

#endif  // LEMMATIZER_REGISTRY_EXTENDED_TAGS_H_
