// Fuzz target: any bytes as a main dictionary file, loaded and looked up
// with the French rules. The input is two parts (fuzz_files.h): words to
// look up, separated by NUL bytes, and the file.
#include "dictionary/lemmatizer.h"
#include "rules/table_handlers.h"
#include "tests/fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fuzzing::TwoParts input = fuzzing::SplitInput(data, size);
  const std::string path = fuzzing::WriteInput("main.hsq", input.second, input.secondSize, false);
  try {
    CLemmatizer dictionary(path.c_str(), lemmatizer::TableDrivenHandler("fr"), 0);
    std::vector<std::string> lemmas;
    std::vector<int32_t> tags;
    for (const std::string& word : fuzzing::Words(input.first, input.firstSize)) {
      try {
        dictionary.FindLemmas(word.c_str(), lemmas, tags);
      } catch (const char*) {
      } catch (const std::string&) {
      }
    }
  } catch (const char*) {
    // An unreadable file is reported, never a crash.
  }
  return 0;
}
