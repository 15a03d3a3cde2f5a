#include "swd/swd_writer.h"

#include <cstdio>

#include "dictionary/tag_table.h"
#include "platform/checksum.h"
#include "swd/swd.h"

namespace lemmatizer {

bool SwdText(const std::vector<SwdLine>& lines, std::string& text, std::string& bad) {
  const auto writable = [](const std::string& s) {
    return !s.empty() && s.find_first_of(";\n\r") == std::string::npos && s[0] != ' ' &&
           s[0] != '\t';
  };
  text.clear();
  for (const SwdLine& line : lines) {
    if (!writable(line.source) || !writable(line.lemma) || line.tags.empty()) {
      bad = line.source;
      return false;
    }
    text += line.source;
    text += ';';
    text += line.lemma;
    text += ';';
    for (size_t i = 0; i < line.tags.size(); ++i) {
      if (i > 0) text += ' ';
      text += CTagTable::GetString(line.tags[i]);
    }
    text += '\n';
  }
  return true;
}

void AppendSwdChecksum(std::string& text) {
  char line[32];
  std::snprintf(line, sizeof(line), "%s%08x", kSwdChecksumPrefix, Crc32(text.data(), text.size()));
  text += line;
}

}  // namespace lemmatizer
