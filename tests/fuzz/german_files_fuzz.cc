// Fuzz target: any bytes as the German sharp-s trie and prefix cells (the
// two parts of the input, fuzz_files.h), with a small valid main
// dictionary, looked up with German words.
#include "dictionary/german_lemmatizer.h"
#include "tests/fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fuzzing::TwoParts input = fuzzing::SplitInput(data, size);
  const std::string ss = fuzzing::WriteInput("de-ss.hsq", input.first, input.firstSize, false,
                                             fuzzing::RepairSharpSChecksum);
  const std::string prefix =
      fuzzing::WriteInput("de-prfx.hsq", input.second, input.secondSize, false);
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
    for (const char* word : {"aufgemacht", "aufzuspielen",
                             "zur\xFC"
                             "ckgespielt",
                             "Stra\xDF"
                             "e",
                             "Fl\xFC"
                             "sse",
                             "gr\xF6\xDF"
                             "er",
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
