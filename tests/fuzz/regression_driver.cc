// Runs a fuzz target without a fuzzing engine: on the files named on the
// command line, or on inputs from a fixed pseudo-random sequence (mutations
// of a few seeds) when the first argument is "--random N". Used by the
// tests, so that every build tries the targets on malformed input.
#include <cstdint>
#include <cstdlib>
#include <cstring>
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

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--random") == 0) {
    std::mt19937 random(12345);
    const long count = std::atol(argv[2]);
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
    std::cout << count << " inputs run\n";
    return 0;
  }
  for (int i = 1; i < argc; ++i) {
    std::ifstream in(argv[i], std::ios::binary);
    const std::string input((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.data()), input.size());
  }
  return 0;
}
