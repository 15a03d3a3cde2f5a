// The ending tables compiled from rules/endings/*.txt at build time
// (the generated ending_tables.cc). Each entry is a zero-terminated string
// in the language's code page.
#ifndef LEMMATIZER_RULES_ENDING_TABLES_H_
#define LEMMATIZER_RULES_ENDING_TABLES_H_

#include <cstdint>

namespace lemmatizer {

struct CompiledEndingTable {
  const char* code;
  const char* const* entries;
  int32_t size;
};

extern const CompiledEndingTable kCompiledEndingTables[];
extern const int32_t kCompiledEndingTableCount;

}  // namespace lemmatizer

#endif  // LEMMATIZER_RULES_ENDING_TABLES_H_
