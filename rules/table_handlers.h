// The table rules: the lemcode handlers of the languages whose lemma is the
// stem with an entry of the language's ending table appended (table rules),
// with the French and the Albanian variants. What distinguishes one
// language from another (its table, its message, a prefix removed first,
// the French variant) is in its row of the language table; the handlers
// themselves are generated with the ending tables (ending_tables.h).
//
// A language whose ending table is not part of the build has no handler
// and is not offered.
#ifndef LEMMATIZER_RULES_TABLE_HANDLERS_H_
#define LEMMATIZER_RULES_TABLE_HANDLERS_H_

#include <cstdint>

#include "rules/lemcode_handler.h"

namespace lemmatizer {

// The handler of a language with table rules, or null when the code has
// none or its ending table is not present.
LemcodeHandler TableDrivenHandler(const char* code);

// The Albanian handler: the table rules of "al", which remove the negation
// prefix "s'" first.
int32_t AlbanianLemcodeHandler(char* stem, int32_t stemLength, int32_t lemcode,
                               intptr_t handlerArg);

}  // namespace lemmatizer

#endif  // LEMMATIZER_RULES_TABLE_HANDLERS_H_
