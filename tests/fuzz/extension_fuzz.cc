// Fuzz target: any text as the Russian extension file, loaded into a table.
#include "interface/lemmatizer.h"
#include "interface/russian_extension.h"
#include "tests/fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text = "Online Default for Russian\n";
  text.append(reinterpret_cast<const char*>(data), size);
  const std::string path = fuzzing::WriteInput(
      "ru.txt", reinterpret_cast<const uint8_t*>(text.data()), text.size(), true);
  char message[64];
  if (LemmatizeInitRusischExtendPath(path.c_str(), message, sizeof(message)) != 0) return 0;
  std::vector<lemmatizer::ExtendEntry> table;
  try {
    lemmatizer::LoadRusischExtendFile(table, message, sizeof(message));
  } catch (const char*) {
  } catch (const std::string&) {
  }
  return 0;
}
