// lemm-tables fold CODE: prints the 256 bytes of a language's key folding
// (what its main dictionary's normalizer does to each byte) as hex, so that
// the data scripts fold words with the library's own tables instead of
// restating them. (They read the language table itself from
// registry/languages.tsv.)
//
// Exits 2 for a bad call, 1 for a code without a byte-map folding (German
// transcribes umlauts instead).
#include <cstdio>
#include <cstring>

#include "platform/case_tables.h"
#include "registry/languages.h"

namespace {

// The key folding of a language whose normalizer maps byte by byte.
const lemmatizer::ByteMap* KeyFold(const lemmatizer::Language& language) {
  switch (language.normalizer) {
    case lemmatizer::NormalizerKind::kDefault:
      return &lemmatizer::kDefaultLower;
    case lemmatizer::NormalizerKind::kGreek:
      return &lemmatizer::kGreekKey;
    case lemmatizer::NormalizerKind::kRussian:
      return &lemmatizer::kRussianKey;
    case lemmatizer::NormalizerKind::kGerman:
      break;
  }
  return nullptr;
}

int PrintFold(const char* code) {
  const lemmatizer::Language* language = lemmatizer::FindLanguage(code);
  if (language == nullptr) {
    std::fprintf(stderr, "lemm-tables: unknown language code %s\n", code);
    return 2;
  }
  const lemmatizer::ByteMap* fold = KeyFold(*language);
  if (fold == nullptr) {
    std::fprintf(stderr, "lemm-tables: %s folds no byte by byte\n", code);
    return 1;
  }
  for (int c = 0; c < 256; ++c) std::printf("%02x", fold->to[c]);
  std::printf("\n");
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "fold") == 0) return PrintFold(argv[2]);
  std::fprintf(stderr, "usage: lemm-tables fold CODE\n");
  return 2;
}
