// Runs a fuzz target without a fuzzing engine:
//
//   <target> [--random N] [PATH...]
//
// --random N runs N inputs from a fixed pseudo-random sequence (mutations of
// a few seeds); every PATH is an input file, or a directory whose files are
// inputs (in name order). Used by the tests, so that every build tries the
// targets on malformed input, on their seed corpora and on the inputs of
// past findings.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

std::string Seed(std::mt19937& random) {
  static const char* const kSeeds[] = {
      "source;lemma;NOMP\nzweite;;VRB NOMC\n",
      "1;ab;cd;\n2;x;;\nForm;Lemma;",
      "ending P1PA NOMP NOMC\nab A NOMP NOMP\n",
      "#\x01\x00\x00\x00+\xff\xff\xff\xff",
  };
  std::string seed = kSeeds[random() % 4];
  if (random() % 3 == 0) seed.insert(0, std::string(500, '\0'));
  return seed;
}

void RunRandom(long count) {
  std::mt19937 random(12345);
  for (long n = 0; n < count; ++n) {
    std::string input = Seed(random);
    const int edits = 1 + static_cast<int>(random() % 16);
    for (int e = 0; e < edits; ++e) {
      const size_t at = input.empty() ? 0 : random() % input.size();
      switch (random() % 4) {
        case 0:
          if (!input.empty()) input[at] = static_cast<char>(random());
          break;
        case 1:
          input.insert(at, 1, static_cast<char>(random()));
          break;
        case 2:
          if (!input.empty()) input.erase(at, 1 + random() % 8);
          break;
        default:
          input.insert(at, input.substr(0, random() % 64));
      }
    }
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
  }
  std::cout << count << " random inputs run\n";
}

void RunFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
}

}  // namespace

int main(int argc, char** argv) {
  namespace fs = std::filesystem;
  int i = 1;
  if (argc >= 3 && std::strcmp(argv[1], "--random") == 0) {
    RunRandom(std::atol(argv[2]));
    i = 3;
  }
  for (; i < argc; ++i) {
    std::error_code error;
    if (fs::is_directory(argv[i], error)) {
      std::vector<std::string> files;
      for (const fs::directory_entry& entry : fs::directory_iterator(argv[i])) {
        if (entry.is_regular_file()) files.push_back(entry.path().string());
      }
      std::sort(files.begin(), files.end());
      for (const std::string& file : files) RunFile(file);
      std::cout << files.size() << " inputs of " << argv[i] << " run\n";
    } else if (fs::is_regular_file(argv[i], error)) {
      RunFile(argv[i]);
    } else {
      std::cerr << "no input file or directory: " << argv[i] << "\n";
      return 1;
    }
  }
  return 0;
}
