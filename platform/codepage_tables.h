// The Unicode code points of the upper halves of the four Windows code pages
// that the dictionaries are written in. Used only by codepage.cc.
#ifndef LEMMATIZER_PLATFORM_CODEPAGE_TABLES_H_
#define LEMMATIZER_PLATFORM_CODEPAGE_TABLES_H_

#include <cstdint>

namespace lemmatizer {

extern const uint16_t kCodePage1250High[128];
extern const uint16_t kCodePage1251High[128];
extern const uint16_t kCodePage1252High[128];
extern const uint16_t kCodePage1253High[128];

}  // namespace lemmatizer

#endif  // LEMMATIZER_PLATFORM_CODEPAGE_TABLES_H_
