#include "tools/compiler/file_writers.h"

#include <fstream>

#include "dictionary/hsq_format.h"
#include "dictionary/scrambled_file.h"
#include "dictionary/tag_table.h"

namespace lemmatizer {

std::string MainDictionaryBytes(const std::string& header, const std::vector<TrieRecord>& records) {
  std::string bytes = header.substr(0, kHsqHeaderSize);
  bytes.resize(kHsqHeaderSize, '\0');
  bytes.reserve(bytes.size() + records.size() * kHsqRecordSize);
  for (const TrieRecord& record : records) {
    bytes += static_cast<char>(record.key);
    const auto v = static_cast<uint32_t>(record.value);
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
  }
  return bytes;
}

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

bool WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  return static_cast<bool>(out);
}

bool WriteScrambled(const std::string& path, const std::string& text) {
  std::string bytes = text;
  ScrambleBytes(bytes);
  return WriteBytes(path, bytes);
}

}  // namespace lemmatizer
