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

#include "dictionary/scrambled_file.h"

namespace fuzzing {

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

inline std::string WriteInput(const std::string& name, const uint8_t* data, size_t size,
                              bool scrambled) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
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
