#include "registry/extended_tags.h"

#include <algorithm>
#include <cstring>
#include <utility>
#include <vector>

#include "dictionary/tag_names_data.h"

namespace lemmatizer {

const char* ExtendedTagName(int32_t tag) {
  if (tag < kFirstExtendedTag || tag > kLastExtendedTag) return nullptr;
  return kExtendedTagNames[tag - kFirstExtendedTag];
}

int32_t ExtendedTagNumber(const char* name) {
  using Entry = std::pair<const char*, int32_t>;
  const auto less = [](const Entry& a, const Entry& b) { return std::strcmp(a.first, b.first) < 0; };
  // Sorted by name on first use.
  static const std::vector<Entry> index = [&less] {
    std::vector<Entry> entries;
    for (int32_t tag = kFirstExtendedTag; tag <= kLastExtendedTag; ++tag) {
      entries.emplace_back(kExtendedTagNames[tag - kFirstExtendedTag], tag);
    }
    std::sort(entries.begin(), entries.end(), less);
    return entries;
  }();
  if (name == nullptr) return -1;
  const Entry key(name, 0);
  const auto it = std::lower_bound(index.begin(), index.end(), key, less);
  if (it == index.end() || std::strcmp(it->first, name) != 0) return -1;
  return it->second;
}

}  // namespace lemmatizer
