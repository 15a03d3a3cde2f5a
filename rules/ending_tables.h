// The ending tables compiled into the library, generated at build time from
// rules/endings/<code>.txt (UTF-8, line k is entry k) in each language's
// code page (the generated ending_tables.cc). Each table carries the digest
// that main dictionaries built against it record in their header, and, for
// the table rules, the language's lemcode handler.
#ifndef LEMMATIZER_RULES_ENDING_TABLES_H_
#define LEMMATIZER_RULES_ENDING_TABLES_H_

#include <cstdint>

#include "registry/languages.h"
#include "rules/lemcode_handler.h"

namespace lemmatizer {

struct CompiledEndingTable {
  const Language* language;
  const char* const* entries;  // `size` zero-terminated strings
  int32_t size;
  uint64_t digest;  // FNV-1a of the entries, each followed by a NUL byte
  // The handler of the table rules (table, French, Albanian), or null for
  // languages whose rules of their own read the table (Russian).
  LemcodeHandler handler;
};

// The tables of this build, closed by an entry whose language is null.
extern const CompiledEndingTable kCompiledEndingTables[];
extern const int32_t kCompiledEndingTableCount;

// The table of a code, or null when this build has none for it.
const CompiledEndingTable* FindEndingTable(const char* code);

// The entries of a code's table and their number, or null (size 0).
const char* const* EndingTable(const char* code, int32_t* size);

// The table rules: removes the language's prefix from the front of a longer
// stem, then puts entry `lemcode` of the table on the stem (the French
// variant writes it at `stemLength` and adjusts two accents). A lemcode
// outside the table raises the language's message as a string object.
int32_t ApplyEndingRules(const CompiledEndingTable& table, char* stem, int32_t stemLength,
                         int32_t lemcode);

}  // namespace lemmatizer

#endif  // LEMMATIZER_RULES_ENDING_TABLES_H_
