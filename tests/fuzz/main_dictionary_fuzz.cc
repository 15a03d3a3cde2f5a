// Fuzz target: any bytes as the main dictionary file of any language,
// loaded and looked up with the language's normalizer and lemcode rules.
// The input is two parts (fuzz_files.h): a byte choosing the language (its
// index in the language table, modulo the table's size) followed by words
// to look up, separated by NUL bytes; then the file. German reads the
// prefix and sharp-s files of the fuzzing dictionaries.
#include <memory>

#include "dictionary/lemmatizer.h"
#include "registry/language_objects.h"
#include "registry/languages.h"
#include "tests/fuzz/fuzz_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fuzzing::TwoParts input = fuzzing::SplitInput(data, size);
  if (input.firstSize == 0) return 0;
  size_t count = 0;
  const lemmatizer::Language& language = lemmatizer::Languages(&count)[input.first[0] % count];
  const std::string path = fuzzing::WriteInput("main.hsq", input.second, input.secondSize, false,
                                               fuzzing::RepairMainChecksum);
  const std::string dir = fuzzing::DictionaryDir(LEMMATIZER_FUZZ_DICTIONARY_DIR) + "lemm/";
  std::unique_ptr<CLemmatizer> dictionary;
  try {
    dictionary = lemmatizer::BuildDictionary(language, path.c_str(), (dir + "de-prfx.hsq").c_str(),
                                             (dir + "de-ss.hsq").c_str());
  } catch (const char*) {
    return 0;  // an unreadable file is reported, never a crash
  }
  std::vector<std::string> lemmas;
  std::vector<int32_t> tags;
  for (const std::string& word : fuzzing::Words(input.first + 1, input.firstSize - 1)) {
    try {
      dictionary->FindLemmas(word.c_str(), lemmas, tags);
    } catch (const char*) {
    } catch (const std::string&) {
    }
  }
  return 0;
}
