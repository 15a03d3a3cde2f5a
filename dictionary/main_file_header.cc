#include "dictionary/main_file_header.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace lemmatizer {
namespace {

// The value of line "name: ..." of the text, or null.
const char* FindValue(const std::string& text, const char* name) {
  const std::string wanted = std::string(name) + ": ";
  size_t at = 0;
  while (at < text.size()) {
    if (text.compare(at, wanted.size(), wanted) == 0) return text.c_str() + at + wanted.size();
    const size_t end = text.find('\n', at);
    if (end == std::string::npos) break;
    at = end + 1;
  }
  return nullptr;
}

// Reads "<kind> <hex>" into `value`; false when the line is not of that form.
bool ReadHex(const char* line, const char* kind, uint64_t& value) {
  const size_t n = std::strlen(kind);
  if (line == nullptr || std::strncmp(line, kind, n) != 0 || line[n] != ' ') return false;
  char* end = nullptr;
  value = std::strtoull(line + n + 1, &end, 16);
  return end != line + n + 1 && (*end == '\n' || *end == '\0');
}

}  // namespace

MainFileHeader ParseMainFileHeader(const char* header, size_t size) {
  const std::string text(header, strnlen(header, size));
  MainFileHeader parsed;
  if (const char* format = FindValue(text, "format")) parsed.format = std::atoi(format);
  uint64_t value = 0;
  if (ReadHex(FindValue(text, "endings"), "fnv1a64", value)) {
    parsed.hasEndings = true;
    parsed.endings = value;
  }
  if (ReadHex(FindValue(text, "checksum"), "crc32", value) && value <= 0xFFFFFFFFu) {
    parsed.hasChecksum = true;
    parsed.checksum = static_cast<uint32_t>(value);
  }
  return parsed;
}

std::string MainFileHeaderLines(const MainFileHeader& header) {
  char line[64];
  std::string lines;
  std::snprintf(line, sizeof(line), "format: %d\n", header.format);
  lines += line;
  if (header.hasEndings) {
    std::snprintf(line, sizeof(line), "endings: fnv1a64 %016llx\n",
                  static_cast<unsigned long long>(header.endings));
    lines += line;
  }
  if (header.hasChecksum) {
    std::snprintf(line, sizeof(line), "checksum: crc32 %08x\n", header.checksum);
    lines += line;
  }
  return lines;
}

}  // namespace lemmatizer
