#include "rules/table_handlers.h"

#include <cstring>
#include <string>

#include "dictionary/errors.h"
#include "rules/ending_tables.h"
#include "rules/rewrite.h"

namespace lemmatizer {

namespace {

// The members of the family. Entry 0 of every table is a placeholder that is
// never appended (the French table has the empty text there).
const TableMember kMembers[] = {
    {"ca", ") not supported with CA", 159, nullptr, false},
    {"d4", ") not supported with DE-XH", 2683, nullptr, false},
    {"da", " not supported with DA", 144, nullptr, false},
    {"du", " not supported with DU", 1498, nullptr, false},
    {"e4", ") not supported with EN-XH", 76, nullptr, false},
    {"en", ") not supported with EN", 68, nullptr, false},
    {"f4", ") not supported with FR-XH", 163, nullptr, false},
    {"fi", " not supported with FI", 174, nullptr, false},
    {"fr", ") not supported with french", 88, nullptr, true},
    {"gr", " not supported with GR", 2388, nullptr, false},
    {"i4", ") not supported with IT", 1, nullptr, false},
    {"it", ") not supported with IT", 119, nullptr, false},
    {"mk", " not supported with MK", 110, nullptr, false},
    {"po", ") not supported with PO", 512, nullptr, false},
    {"s4", ") not supported with ES-XH", 151, nullptr, false},
    {"sk", " not supported with SK", 126, "\xED\xE0\xBC", false},
    {"sl", " not supported with SL", 120, "naj", false},
    {"sv", ") not supported with SV", 136, nullptr, false},
    {"al", " not supported with AL", 87, "s'", false},
};
constexpr int kMemberCount = sizeof(kMembers) / sizeof(kMembers[0]);
constexpr int kAlbanian = kMemberCount - 1;

// The compiled table of each member, resolved once; null when the build has
// no table of the member's size.
const char* const* MemberTable(int member) {
  static const char* const* const* tables = [] {
    static const char* const* resolved[kMemberCount];
    for (int i = 0; i < kMemberCount; ++i) {
      int32_t size = 0;
      const char* const* entries = EndingTable(kMembers[i].code, &size);
      resolved[i] = size == kMembers[i].size ? entries : nullptr;
    }
    return resolved;
  }();
  return tables[member];
}

int32_t ApplyMember(int member, char* stem, int32_t stemLength, int32_t lemcode) {
  const TableMember& m = kMembers[member];
  if (m.prefix != nullptr) {
    const size_t prefixLength = std::strlen(m.prefix);
    const size_t length = std::strlen(stem);
    if (length > prefixLength && std::memcmp(stem, m.prefix, prefixLength) == 0) {
      std::memmove(stem, stem + prefixLength, length - prefixLength + 1);
    }
  }
  const char* const* table = MemberTable(member);
  if (lemcode < 0 || lemcode >= m.size || table == nullptr) {
    RaiseString("lemcode (" + std::to_string(lemcode) + m.suffix);
  }
  if (m.french) {
    // The entry goes at the stem length given, which the lookup passes as
    // the stem's own length; a larger value is taken as that length.
    const auto length = static_cast<int32_t>(std::strlen(stem));
    const int32_t at = stemLength < 0 || stemLength > length ? length : stemLength;
    std::strcpy(stem + at, table[lemcode]);
    if (lemcode == 59) ReplaceLastOccurrence("\xE8", "\xE9", stem);
    if (lemcode == 60) ReplaceLastOccurrence("\xE8", "e", stem);
  } else if (lemcode >= 1) {
    std::strcat(stem, table[lemcode]);
  }
  return lemcode;
}

template <int kMember>
int32_t MemberHandler(char* stem, int32_t stemLength, int32_t lemcode, intptr_t /*arg*/) {
  return ApplyMember(kMember, stem, stemLength, lemcode);
}

const LemcodeHandler kHandlers[kMemberCount] = {
    MemberHandler<0>,  MemberHandler<1>,  MemberHandler<2>,  MemberHandler<3>,
    MemberHandler<4>,  MemberHandler<5>,  MemberHandler<6>,  MemberHandler<7>,
    MemberHandler<8>,  MemberHandler<9>,  MemberHandler<10>, MemberHandler<11>,
    MemberHandler<12>, MemberHandler<13>, MemberHandler<14>, MemberHandler<15>,
    MemberHandler<16>, MemberHandler<17>, MemberHandler<18>,
};

int MemberIndex(const char* code) {
  if (code == nullptr) return -1;
  for (int i = 0; i < kMemberCount; ++i) {
    if (std::strcmp(kMembers[i].code, code) == 0) return i;
  }
  return -1;
}

}  // namespace

const TableMember* FindTableMember(const char* code) {
  const int i = MemberIndex(code);
  return i < 0 ? nullptr : &kMembers[i];
}

LemcodeHandler TableDrivenHandler(const char* code) {
  const int i = MemberIndex(code);
  if (i < 0 || MemberTable(i) == nullptr) return nullptr;
  return kHandlers[i];
}

const char* const* EndingTable(const char* code, int32_t* size) {
  for (int32_t i = 0; code != nullptr && i < kCompiledEndingTableCount; ++i) {
    if (std::strcmp(kCompiledEndingTables[i].code, code) == 0) {
      if (size != nullptr) *size = kCompiledEndingTables[i].size;
      return kCompiledEndingTables[i].entries;
    }
  }
  if (size != nullptr) *size = 0;
  return nullptr;
}

int32_t AlbanianLemcodeHandler(char* stem, int32_t stemLength, int32_t lemcode,
                               intptr_t /*arg*/) {
  return ApplyMember(kAlbanian, stem, stemLength, lemcode);
}

}  // namespace lemmatizer
