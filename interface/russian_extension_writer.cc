#include "interface/russian_extension_writer.h"

#include "interface/russian_extension.h"

namespace lemmatizer {

std::string ExtensionText(const std::string& note, const std::vector<ExtensionRow>& rows) {
  std::string text = std::string(kExtensionTitle) + (note.empty() ? "" : " " + note) + "\n";
  for (const ExtensionRow& row : rows) {
    text += row.ending + " " + row.extendedTag + " " + row.tag + " " + row.otherTag + "\n";
  }
  return text;
}

}  // namespace lemmatizer
