// The writer of the Russian extension file, in the format
// interface/russian_extension.h reads (doc/formats.md), before scrambling:
// the title line, then "ending extended-tag dictionary-tag dictionary-tag"
// rows.
#ifndef LEMMATIZER_INTERFACE_RUSSIAN_EXTENSION_WRITER_H_
#define LEMMATIZER_INTERFACE_RUSSIAN_EXTENSION_WRITER_H_

#include <string>
#include <vector>

namespace lemmatizer {

struct ExtensionRow {
  std::string ending;       // in Windows-1251, no blank
  std::string extendedTag;  // an extended tag name ("GSM")
  std::string tag;          // the dictionary tag name a reading must carry
  std::string otherTag;     // a second one, or the same again
};

// The text of an extension file; `note` follows the title on its line.
std::string ExtensionText(const std::string& note, const std::vector<ExtensionRow>& rows);

}  // namespace lemmatizer

#endif  // LEMMATIZER_INTERFACE_RUSSIAN_EXTENSION_WRITER_H_
