// Fuzz target: any text as an SWD file, loaded and looked up.
#include "swd/swd.h"
#include "tests/fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path =
      fuzzing::WriteInput("dict.swd", data, size, true, fuzzing::RepairSwdChecksum);
  for (const char* code : {"de", "ru", "gr"}) {
    CSWD swd(code, 0);
    std::string error;
    swd.Load(path.c_str(), error);
    std::vector<std::string> lemmas;
    std::vector<int32_t> tags;
    for (const std::string& word : fuzzing::Words(data, size))
      swd.Lookup(word.c_str(), lemmas, tags);
  }
  return 0;
}
