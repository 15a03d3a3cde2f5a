// The table-driven lemcode handlers: one handler per language code that
// appends entry `lemcode` of the language's ending table to the stem, with
// an optional prefix removed first and the French variant.
//
// The ending tables are data made with the dictionaries. Each lives in
// rules/endings/<code>.txt (UTF-8, line k is entry k) and is compiled into
// the library in the language's code page. A member whose table is not
// present, or does not have the member's size, is not offered.
#ifndef LEMMATIZER_RULES_TABLE_HANDLERS_H_
#define LEMMATIZER_RULES_TABLE_HANDLERS_H_

#include <cstdint>

#include "rules/lemcode_handler.h"

namespace lemmatizer {

struct TableMember {
  const char* code;       // language code, lower case
  const char* suffix;     // end of the "lemcode (" error message
  int32_t size;           // N: valid lemcodes are 0..N-1
  const char* prefix;     // removed from the front of longer stems, or null
  bool french;            // the French variant
};

// The handler of a table-driven language, or null when the code is not a
// member or its ending table is not present.
LemcodeHandler TableDrivenHandler(const char* code);

// The member description of a code, or null.
const TableMember* FindTableMember(const char* code);

// The compiled ending table of a code and its size, or null.
const char* const* EndingTable(const char* code, int32_t* size);

// The Albanian handler (a table-driven member with the "s'" prefix).
int32_t AlbanianLemcodeHandler(char* stem, int32_t stemLength, int32_t lemcode,
                               intptr_t handlerArg);

}  // namespace lemmatizer

#endif  // LEMMATIZER_RULES_TABLE_HANDLERS_H_
