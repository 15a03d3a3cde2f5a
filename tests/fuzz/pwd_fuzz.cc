// Fuzz target: any text as the two PWD files (the two parts of the input,
// fuzz_files.h), loaded and looked up.
#include "pwd/pwd.h"
#include "tests/fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fuzzing::TwoParts input = fuzzing::SplitInput(data, size);
  const std::string path1 = fuzzing::WriteInput("1.pwd", input.first, input.firstSize, true);
  const std::string path2 = fuzzing::WriteInput("2.pwd", input.second, input.secondSize, true);
  CPWD pwd("ru");
  std::string error;
  pwd.Load(path1.c_str(), path2.c_str(), error);
  std::vector<std::string> lemmas;
  std::vector<int32_t> tags;
  int32_t final = 0;
  for (const std::string& word : fuzzing::Words(data, size)) {
    pwd.Lookup(word.c_str(), lemmas, tags, final);
  }
  return 0;
}
