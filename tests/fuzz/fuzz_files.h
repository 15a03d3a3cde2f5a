// Shared by the fuzz targets: the input's bytes written to files the
// library then reads, and words to look up taken from the input.
#ifndef LEMMATIZER_TESTS_FUZZ_FUZZ_FILES_H_
#define LEMMATIZER_TESTS_FUZZ_FUZZ_FILES_H_

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
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
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  return path;
}

// Words to try: fixed ones, and NUL-free pieces of the input itself.
inline std::vector<std::string> Words(const uint8_t* data, size_t size) {
  std::vector<std::string> words{"", "a", "#", "+", "word", "Haus", "\xC0\xE0\xB8"};
  std::string piece;
  for (size_t i = 0; i < size && words.size() < 24; ++i) {
    if (data[i] == 0 || data[i] == '\n') {
      if (!piece.empty()) words.push_back(piece);
      piece.clear();
    } else if (piece.size() < 40) {
      piece += static_cast<char>(data[i]);
    }
  }
  if (!piece.empty()) words.push_back(piece);
  return words;
}

}  // namespace fuzzing

#endif  // LEMMATIZER_TESTS_FUZZ_FUZZ_FILES_H_
