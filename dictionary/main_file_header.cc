#include "dictionary/main_file_header.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace lemmatizer {

const char* HeaderLineValue(const std::string& text, const char* name) {
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

bool ReadHeaderHex(const char* value, const char* kind, uint64_t& out) {
  const size_t n = std::strlen(kind);
  if (value == nullptr || std::strncmp(value, kind, n) != 0 || value[n] != ' ') return false;
  char* end = nullptr;
  out = std::strtoull(value + n + 1, &end, 16);
  return end != value + n + 1 && (*end == '\n' || *end == '\0');
}

MainFileHeader ParseMainFileHeader(const char* header, size_t size) {
  const std::string text(header, strnlen(header, size));
  MainFileHeader parsed;
  if (const char* format = HeaderLineValue(text, "format")) parsed.format = std::atoi(format);
  uint64_t value = 0;
  if (ReadHeaderHex(HeaderLineValue(text, "endings"), "fnv1a64", value)) {
    parsed.hasEndings = true;
    parsed.endings = value;
  }
  if (ReadHeaderHex(HeaderLineValue(text, "checksum"), "crc32", value) && value <= 0xFFFFFFFFu) {
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
