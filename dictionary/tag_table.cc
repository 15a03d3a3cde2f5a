#include "dictionary/tag_table.h"

#include <cstring>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "dictionary/errors.h"
#include "dictionary/tag_names_data.h"

namespace {

using lemmatizer::FormatMessage;

// Builds the 1851 names: the named tags and the generated "H" ranges.
std::vector<std::string> BuildNames() {
  std::vector<std::string> names;
  names.reserve(CTagTable::kCountMarker + 1);
  names.emplace_back();
  for (const char* name : lemmatizer::kNamedTags1To303) names.emplace_back(name);
  for (int k = 0; k <= 1000; ++k) names.push_back("H" + std::to_string(k));  // 304..1304
  for (const char* name : lemmatizer::kNamedTags1305To1308) names.emplace_back(name);
  for (int k = 0; k <= 9; ++k) names.push_back("H0" + std::to_string(k));  // 1309..1318
  for (const char* name : lemmatizer::kNamedTags1319To1345) names.emplace_back(name);
  for (int k = 1001; k <= 1200; ++k) names.push_back("H" + std::to_string(k));  // 1346..1545
  for (const char* name : lemmatizer::kNamedTags1546To1549) names.emplace_back(name);
  for (int k = 1201; k <= 1500; ++k) names.push_back("H" + std::to_string(k));  // 1550..1849
  names.emplace_back("TAGNO");
  return names;
}

const std::vector<std::string>& Names() {
  static const std::vector<std::string> names = BuildNames();
  return names;
}

// Name to number for 1..1849; built on first use.
const std::unordered_map<std::string_view, int32_t>& NameIndex() {
  static const std::unordered_map<std::string_view, int32_t> index = [] {
    std::unordered_map<std::string_view, int32_t> names;
    names.reserve(CTagTable::kLastTag);
    // Names are unique; were one not, the lowest number would keep it.
    for (int32_t n = CTagTable::kLastTag; n >= 1; --n) names[Names()[n]] = n;
    return names;
  }();
  return index;
}

}  // namespace

const char* CTagTable::GetString(int32_t n) {
  if (n < 1 || n >= kCountMarker) {
    lemmatizer::RaiseString(FormatMessage("GetString(%d) out of bounds ! max(%d)", n, kLastTag));
  }
  return Names()[n].c_str();
}

int32_t CTagTable::FindTagNumber(std::string_view name) {
  const auto& index = NameIndex();
  const auto it = index.find(name);
  return it == index.end() ? -1 : it->second;
}

int32_t CTagTable::GetTagNumber(const char* name) {
  const std::string key = name == nullptr ? "" : name;
  const int32_t number = FindTagNumber(key);
  if (number < 0) lemmatizer::RaiseString("lemmatizer: Language : doesn't contain tag : " + key);
  return number;
}

const char* CTagTable::Entry(int32_t n) {
  if (n < 0 || n > kCountMarker) return nullptr;
  return Names()[n].c_str();
}
