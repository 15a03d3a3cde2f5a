// Fuzz target: any bytes as a main dictionary file, loaded and looked up.
#include "dictionary/lemmatizer.h"
#include "rules/table_handlers.h"
#include "tests/fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzzing::WriteInput("main.hsq", data, size, false);
  try {
    CLemmatizer dictionary(path.c_str(), lemmatizer::TableDrivenHandler("fr"), 0);
    std::vector<std::string> lemmas;
    std::vector<int32_t> tags;
    for (const std::string& word : fuzzing::Words(data, size)) {
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
