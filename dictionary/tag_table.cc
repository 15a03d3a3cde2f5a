#include "dictionary/tag_table.h"

#include <algorithm>
#include <cstring>
#include <string>
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

// (name, number) for 1..1849, sorted by name in byte order; built on first use.
const std::vector<std::pair<std::string, int32_t>>& NameIndex() {
  static const std::vector<std::pair<std::string, int32_t>> index = [] {
    std::vector<std::pair<std::string, int32_t>> pairs;
    pairs.reserve(CTagTable::kLastTag);
    for (int32_t n = 1; n <= CTagTable::kLastTag; ++n) pairs.emplace_back(Names()[n], n);
    std::sort(pairs.begin(), pairs.end());
    return pairs;
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

int32_t CTagTable::GetTagNumber(const char* name) {
  const std::string key = name == nullptr ? "" : name;
  const auto& index = NameIndex();
  const auto it = std::lower_bound(
      index.begin(), index.end(), key,
      [](const std::pair<std::string, int32_t>& entry, const std::string& k) {
        return entry.first < k;
      });
  if (it == index.end() || it->first != key) {
    lemmatizer::RaiseString("lemmatizer: Language : doesn't contain tag : " + key);
  }
  return it->second;
}

const char* CTagTable::Entry(int32_t n) {
  if (n < 0 || n > kCountMarker) return nullptr;
  return Names()[n].c_str();
}
