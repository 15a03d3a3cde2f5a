// Shared by the fuzz targets: the input's bytes written to files the
// library then reads, and words to look up taken from the input.
#ifndef LEMMATIZER_TESTS_FUZZ_FUZZ_FILES_H_
#define LEMMATIZER_TESTS_FUZZ_FUZZ_FILES_H_

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "dictionary/german_normalizer.h"
#include "dictionary/hsq_format.h"
#include "dictionary/scrambled_file.h"
#include "platform/checksum.h"
#include "platform/coding.h"
#include "swd/swd.h"

namespace fuzzing {

// The checksums a file names, made to hold for its fuzzed bytes, so that
// the loaders read them instead of refusing them (a mutation that breaks
// the checksum's own form still goes through unrepaired).

// A main dictionary's header line "checksum: crc32 H".
inline void RepairMainChecksum(std::string& bytes) {
  const size_t header = lemmatizer::kHsqHeaderSize;
  const size_t line = bytes.size() < header ? std::string::npos : bytes.find("checksum: crc32 ");
  if (line == std::string::npos || line + 24 > header) return;
  const size_t records = (bytes.size() - header) / lemmatizer::kHsqRecordSize;
  char hex[9];
  std::snprintf(hex, sizeof(hex), "%08x",
                lemmatizer::Crc32(bytes.data() + header, records * lemmatizer::kHsqRecordSize));
  bytes.replace(line + 16, 8, hex);
}

// A sharp-s file's closing checksum record.
inline void RepairSharpSChecksum(std::string& bytes) {
  const size_t size = CGermanNormalizer::kSharpSRecordSize;
  const size_t count = bytes.size() / size;
  if (count == 0) return;
  const size_t last = (count - 1) * size;
  if (bytes[last] != '\0' ||
      bytes.compare(last + 1, 3, CGermanNormalizer::kSharpSChecksumMark) != 0) {
    return;
  }
  std::string value;
  lemmatizer::PutFixed32(value, lemmatizer::Crc32(bytes.data(), last));
  bytes.replace(last + CGermanNormalizer::kSharpSValueOffset, 4, value);
}

// An SWD text's closing checksum line.
inline void RepairSwdChecksum(std::string& text) {
  const size_t prefix = sizeof(lemmatizer::kSwdChecksumPrefix) - 1;
  const size_t lineEnd = text.rfind('\n');
  const size_t start = lineEnd == std::string::npos ? 0 : lineEnd + 1;
  if (text.size() - start != prefix + 8 ||
      text.compare(start, prefix, lemmatizer::kSwdChecksumPrefix) != 0) {
    return;
  }
  char hex[9];
  std::snprintf(hex, sizeof(hex), "%08x", lemmatizer::Crc32(text.data(), start));
  text.replace(start + prefix, 8, hex);
}

// A path in the temporary directory private to this process; the files
// are removed when the process ends.
inline std::string TempPath(const std::string& name) {
  struct Cleanup {
    std::vector<std::string> paths;
    ~Cleanup() {
      for (const std::string& path : paths) std::remove(path.c_str());
    }
  };
  static Cleanup cleanup;
  const std::string path = "/tmp/lemmatizer-fuzz-" + std::to_string(getpid()) + "-" + name;
  bool known = false;
  for (const std::string& p : cleanup.paths) known = known || p == path;
  if (!known) cleanup.paths.push_back(path);
  return path;
}

// Writes the input as a file; `repair` fixes its checksum first.
inline std::string WriteInput(const std::string& name, const uint8_t* data, size_t size,
                              bool scrambled, void (*repair)(std::string&) = nullptr) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  if (repair != nullptr) repair(bytes);
  if (scrambled) lemmatizer::ScrambleBytes(bytes);
  const std::string path = TempPath(name);
  // A new file each time: rewriting a file in place makes some file
  // systems (ext4) flush it first, several times slower than the run.
  std::remove(path.c_str());
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  return path;
}

// The directory of the small dictionaries that the build compiles for
// fuzzing (it holds lemm/): LEMMATIZER_FUZZ_DICTIONARY_DIR from the
// environment, else `builtIn` (the build's, which the targets are given
// under the same name).
inline std::string DictionaryDir(const char* builtIn) {
  const char* setting = std::getenv("LEMMATIZER_FUZZ_DICTIONARY_DIR");
  return setting != nullptr && *setting != '\0' ? setting : builtIn;
}

// Words to try: fixed ones, and pieces of the input itself between NUL
// bytes, line ends and semicolons (so that the sources and lemmas of a
// text file's lines are looked up too).
inline std::vector<std::string> Words(const uint8_t* data, size_t size) {
  std::vector<std::string> words{"", "a", "#", "+", "word", "Haus", "\xC0\xE0\xB8"};
  std::string piece;
  for (size_t i = 0; i < size && words.size() < 40; ++i) {
    if (data[i] == 0 || data[i] == '\n' || data[i] == ';') {
      if (!piece.empty()) words.push_back(piece);
      piece.clear();
    } else if (piece.size() < 40) {
      piece += static_cast<char>(data[i]);
    }
  }
  if (!piece.empty()) words.push_back(piece);
  return words;
}

// An input made of two parts: a two-byte little-endian length of the first
// part (cut to what the input holds), the first part, then the second.
struct TwoParts {
  const uint8_t* first;
  size_t firstSize;
  const uint8_t* second;
  size_t secondSize;
};

inline TwoParts SplitInput(const uint8_t* data, size_t size) {
  if (size < 2) return TwoParts{data, 0, data, 0};
  size_t firstSize = static_cast<size_t>(data[0]) | (static_cast<size_t>(data[1]) << 8);
  if (firstSize > size - 2) firstSize = size - 2;
  return TwoParts{data + 2, firstSize, data + 2 + firstSize, size - 2 - firstSize};
}

// The input that SplitInput takes apart into `first` and `second` (the
// first part is cut to 65535 bytes).
inline std::string JoinParts(const std::string& first, const std::string& second) {
  const size_t n = first.size() < 0xFFFF ? first.size() : 0xFFFF;
  std::string input;
  input += static_cast<char>(n & 0xFF);
  input += static_cast<char>(n >> 8);
  return input + first.substr(0, n) + second;
}

}  // namespace fuzzing

#endif  // LEMMATIZER_TESTS_FUZZ_FUZZ_FILES_H_
