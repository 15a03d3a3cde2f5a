// lemm-tables: prints the library's own byte tables as 512 hex digits, so
// that the data scripts fold words with them instead of restating them.
// (The scripts read the language table itself from registry/languages.tsv.)
//
//   lemm-tables fold CODE    the key folding of a language's main dictionary
//                            (what its normalizer does to each byte)
//   lemm-tables table NAME   one named table of platform/case_tables.h
//                            (default-lower, greek-key, russian-key, ...)
//
// Exits 2 for a bad call or an unknown name, 1 for a code without a
// byte-map folding (German transcribes umlauts instead).
#include <cstdio>
#include <cstring>

#include "platform/case_tables.h"
#include "registry/languages.h"

namespace {

struct NamedTable {
  const char* name;
  const lemmatizer::ByteMap* table;
};

const NamedTable kTables[] = {
    {"default-lower", &lemmatizer::kDefaultLower},
    {"latin1-upper", &lemmatizer::kLatin1Upper},
    {"cp1251-lower", &lemmatizer::kCp1251Lower},
    {"russian-key", &lemmatizer::kRussianKey},
    {"cp1251-yo-to-ye", &lemmatizer::kCp1251YoToYe},
    {"greek-key", &lemmatizer::kGreekKey},
    {"greek-alpha-tonos", &lemmatizer::kGreekAlphaTonos},
    {"greek-swd-first-letter", &lemmatizer::kGreekSwdFirstLetter},
};

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

int Print(const lemmatizer::ByteMap& table) {
  for (int c = 0; c < 256; ++c) std::printf("%02x", table.to[c]);
  std::printf("\n");
  return 0;
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
  return Print(*fold);
}

int PrintTable(const char* name) {
  for (const NamedTable& named : kTables) {
    if (std::strcmp(named.name, name) == 0) return Print(*named.table);
  }
  std::fprintf(stderr, "lemm-tables: no table named %s\n", name);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "fold") == 0) return PrintFold(argv[2]);
  if (argc == 3 && std::strcmp(argv[1], "table") == 0) return PrintTable(argv[2]);
  std::fprintf(stderr, "usage: lemm-tables fold CODE | lemm-tables table NAME\n");
  return 2;
}
