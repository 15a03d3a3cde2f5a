// Fuzz target: any text as a context model ("<code>-context.txt"), the
// first part of the input (fuzz_files.h), loaded and used to tag the words
// of the second part as one sentence. Besides not crashing, a model either
// loads or is refused with one of the loader's messages, and a loaded one
// gives every token one of its own tags.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "interface/context_model.h"
#include "platform/unicode.h"
#include "tests/fuzz/fuzz_files.h"

namespace {

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "context_model_fuzz: %s\n", what.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const fuzzing::TwoParts input = fuzzing::SplitInput(data, size);
  const std::string path = fuzzing::WriteInput("context.txt", input.first, input.firstSize, false);
  // The words, as the tokenizer gives them: valid UTF-8, split at blanks.
  std::string text(reinterpret_cast<const char*>(input.second), input.secondSize);
  text.resize(lemmatizer::ValidUtf8Prefix(text));
  std::vector<std::string_view> tokens;
  std::vector<bool> capitalMeansNothing;
  for (size_t start = 0; start < text.size();) {
    const size_t blank = std::min(text.find(' ', start), text.size());
    if (blank > start) {
      tokens.push_back(std::string_view(text).substr(start, blank - start));
      capitalMeansNothing.push_back(tokens.size() % 3 == 1);
    }
    start = blank + 1;
  }
  try {
    const lemmatizer::ContextModel model(path);
    std::vector<int> tags;
    model.TagSentence(tokens, capitalMeansNothing, tags);
    if (tags.size() != tokens.size()) Fail("not one tag per token");
    for (int tag : tags) {
      if (tag < 0 || tag >= model.TagCount()) Fail("a token without a tag of the model");
      model.Fits(tag, 97);
    }
  } catch (const char* message) {
    const std::string text(message);
    if (text.find("context model : " + path) == std::string::npos) Fail("refused: " + text);
  }
  return 0;
}
