// Fuzz target: any bytes split into the German sharp-s trie and prefix
// cells, with a small valid main dictionary, looked up with German words.
#include "dictionary/german_lemmatizer.h"
#include "tests/fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const size_t half = size / 2;
  const std::string ss = fuzzing::WriteInput("de-ss.hsq", data, half, false);
  const std::string prefix = fuzzing::WriteInput("de-prfx.hsq", data + half, size - half, false);
  // A main dictionary whose only record answers every word with lemcode
  // 54 (an infix rule that walks the prefix cells) and cut 2.
  const uint8_t main[505 + 5] = {};
  std::string mainBytes(reinterpret_cast<const char*>(main), 500);
  const uint32_t value = 0u - ((2u << 12) | 54u);
  mainBytes += '+';
  for (int i = 0; i < 4; ++i) mainBytes += static_cast<char>((value >> (8 * i)) & 0xFF);
  const std::string mainPath = fuzzing::WriteInput(
      "de-cwd.hsq", reinterpret_cast<const uint8_t*>(mainBytes.data()), mainBytes.size(), false);
  try {
    CGermanLemmatizer dictionary(mainPath.c_str(), prefix.c_str(), ss.c_str());
    std::vector<std::string> lemmas;
    std::vector<int32_t> tags;
    for (const char* word : {"aufgemacht",
                             "Stra\xDF"
                             "e",
                             "Nord-S\xFC"
                             "d",
                             "GESSEN", "x"}) {
      try {
        dictionary.FindLemmas(word, lemmas, tags);
      } catch (const char*) {
      } catch (const std::string&) {
      }
    }
  } catch (const char*) {
  }
  return 0;
}
