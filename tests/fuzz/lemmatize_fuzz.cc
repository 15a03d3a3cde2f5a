// Fuzz target: Lemmatize, through the C interface, on arbitrary words in
// every language, over the small dictionaries that the build compiles from
// tests/fuzz/lexicons/ (fuzzing::DictionaryDir).
//
// Input: a byte choosing the language (its index in the language table,
// modulo the table's size), a byte giving the size of the message buffer,
// then the words, separated by NUL bytes. Besides not crashing, every call
// must keep what the interface promises: success (the dictionaries are
// well formed), nothing written into the message buffer on success, a
// record whose arrays hold `count` named tags and non-null lemmas, the same
// answer in a reused record as in a fresh one, and an empty record after
// LemmatizerFreeResult.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "interface/lemmatizer.h"
#include "registry/language_objects.h"
#include "registry/languages.h"
#include "tests/fuzz/fuzz_files.h"

namespace {

using Readings = std::vector<std::pair<std::string, int32_t>>;

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "lemmatize_fuzz: %s\n", what.c_str());
  std::abort();
}

[[noreturn]] void Fail(const char* what, const std::string& code, const std::string& word) {
  Fail(code + ": " + what + " (a word of " + std::to_string(word.size()) + " bytes)");
}

// Creates every language once per process; returns their codes in table
// order.
const std::vector<std::string>& Languages() {
  static const std::vector<std::string> codes = [] {
    const std::string dir = fuzzing::DictionaryDir(LEMMATIZER_FUZZ_DICTIONARY_DIR);
    std::vector<std::string> all;
    size_t count = 0;
    const lemmatizer::Language* table = lemmatizer::Languages(&count);
    for (size_t i = 0; i < count; ++i) {
      if (LemmatizeCreate(table[i].code, dir.c_str()) != 1) {
        Fail(std::string(table[i].code) + ": cannot be created from " + dir);
      }
      all.push_back(table[i].code);
    }
    // A host frees the languages before it ends.
    std::atexit([] { LemmatizerFreeRessources(); });
    // An extension file with rows, in place of the compiler's empty one.
    char message[128];
    const std::string extension = dir + "lemm/ru-extension.txt";
    if (LemmatizeInitRusischExtendPath(extension.c_str(), message, sizeof(message)) != 0) {
      Fail("cannot register " + extension);
    }
    return all;
  }();
  return codes;
}

Readings Pairs(const LemmatizerResult& result, const std::string& code, const std::string& word) {
  if (result.count < 0 || (result.count == 0) != (result.lemmas == nullptr) ||
      (result.count == 0) != (result.tags == nullptr)) {
    Fail("record arrays do not match the count", code, word);
  }
  Readings readings;
  for (int32_t i = 0; i < result.count; ++i) {
    if (result.lemmas[i] == nullptr) Fail("null lemma", code, word);
    if (GetStringForTag(result.tags[i], nullptr, 0) == nullptr) Fail("unnamed tag", code, word);
    readings.emplace_back(result.lemmas[i], result.tags[i]);
  }
  return readings;
}

Readings LemmatizeChecked(const std::string& word, LemmatizerResult& result, int32_t bufferSize,
                          const std::string& code) {
  char message[256];
  std::memset(message, 0x5A, sizeof(message));
  if (Lemmatize(word.c_str(), &result, message, bufferSize) != 0) {
    Fail("failed", code, word);
  }
  for (char c : message) {
    if (c != 0x5A) Fail("message buffer written on success", code, word);
  }
  return Pairs(result, code, word);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const std::vector<std::string>& codes = Languages();
  const std::string& code = codes[data[0] % codes.size()];
  const int32_t bufferSize = data[1];
  char message[256];
  if (LemmatizeSetLanguage(code.c_str(), message, sizeof(message)) != 0) {
    Fail(code + ": cannot be made active");
  }
  std::vector<std::string> words;
  std::string word;
  for (size_t i = 2; i < size && words.size() < 64; ++i) {
    if (data[i] == 0) {
      words.push_back(word);
      word.clear();
    } else {
      word += static_cast<char>(data[i]);
    }
  }
  if (words.size() < 64) words.push_back(word);

  LemmatizerResult reused;
  LemmatizerInitResult(&reused);
  for (const std::string& w : words) {
    const Readings first = LemmatizeChecked(w, reused, bufferSize, code);
    LemmatizerResult fresh;
    LemmatizerInitResult(&fresh);
    if (LemmatizeChecked(w, fresh, bufferSize, code) != first) {
      Fail("a reused record answers differently", code, w);
    }
    LemmatizerFreeResult(&fresh);
  }
  LemmatizerFreeResult(&reused);
  if (reused.count != 0 || reused.lemmas != nullptr || reused.tags != nullptr) {
    Fail(code + ": record not empty after LemmatizerFreeResult");
  }
  return 0;
}
