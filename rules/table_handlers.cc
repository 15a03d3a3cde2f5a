#include "rules/table_handlers.h"

#include <cstring>

#include "dictionary/errors.h"
#include "rules/ending_tables.h"
#include "rules/rewrite.h"

namespace lemmatizer {

const CompiledEndingTable* FindEndingTable(const char* code) {
  for (int32_t i = 0; code != nullptr && i < kCompiledEndingTableCount; ++i) {
    if (std::strcmp(kCompiledEndingTables[i].language->code, code) == 0)
      return &kCompiledEndingTables[i];
  }
  return nullptr;
}

const char* const* EndingTable(const char* code, int32_t* size) {
  const CompiledEndingTable* table = FindEndingTable(code);
  if (size != nullptr) *size = table == nullptr ? 0 : table->size;
  return table == nullptr ? nullptr : table->entries;
}

int32_t ApplyEndingRules(const CompiledEndingTable& table, char* stem, int32_t stemLength,
                         int32_t lemcode) {
  const Language& language = *table.language;
  if (language.prefix != nullptr) {
    const size_t prefixLength = std::strlen(language.prefix);
    const size_t length = std::strlen(stem);
    if (length > prefixLength && std::memcmp(stem, language.prefix, prefixLength) == 0) {
      std::memmove(stem, stem + prefixLength, length - prefixLength + 1);
    }
  }
  if (lemcode < 0 || lemcode >= table.size) {
    RaiseString(FormatMessage(language.lemcodeMessage, lemcode));
  }
  if (language.rules == RulesKind::kFrench) {
    // The entry goes at the stem length given, which the lookup passes as
    // the stem's own length; a larger value is taken as that length.
    const auto length = static_cast<int32_t>(std::strlen(stem));
    const int32_t at = stemLength < 0 || stemLength > length ? length : stemLength;
    std::strcpy(stem + at, table.entries[lemcode]);
    if (lemcode == 59) ReplaceLastOccurrence("\xE8", "\xE9", stem);
    if (lemcode == 60) ReplaceLastOccurrence("\xE8", "e", stem);
  } else if (lemcode >= 1) {
    std::strcat(stem, table.entries[lemcode]);
  }
  return lemcode;
}

LemcodeHandler TableDrivenHandler(const char* code) {
  const CompiledEndingTable* table = FindEndingTable(code);
  return table == nullptr ? nullptr : table->handler;
}

int32_t AlbanianLemcodeHandler(char* stem, int32_t stemLength, int32_t lemcode,
                               intptr_t /*handlerArg*/) {
  static const CompiledEndingTable* const table = FindEndingTable("al");
  if (table == nullptr) RaiseString(FormatMessage(FindLanguage("al")->lemcodeMessage, lemcode));
  return ApplyEndingRules(*table, stem, stemLength, lemcode);
}

}  // namespace lemmatizer
