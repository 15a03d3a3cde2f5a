#include "tools/compiler/russian_cases.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <unordered_map>

#include "dictionary/tag_table.h"
#include "platform/codepage.h"
#include "registry/extended_tags.h"
#include "tools/compiler/lexicon.h"

namespace lemmatizer {

namespace {

// Forms and names counted under one tag and ending.
struct EndingCounts {
  int forms = 0;
  std::map<std::string, int> names;
};

using NameSet = std::set<std::string>;

NameSet Frequent(const EndingCounts& counts, int minPercent) {
  NameSet out;
  for (const auto& name : counts.names) {
    if (static_cast<int64_t>(name.second) * 100 >=
        static_cast<int64_t>(counts.forms) * minPercent) {
      out.insert(name.first);
    }
  }
  return out;
}

}  // namespace

bool ReadCaseReadings(const std::string& path, int codePage, std::vector<CaseReading>& readings,
                      int64_t& skipped, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open case file " + path;
    return false;
  }
  std::unordered_map<std::string, int32_t> tags;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const size_t tab1 = line.find('\t');
    const size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
    CaseReading reading;
    if (tab2 == std::string::npos || tab1 == 0 ||
        !Utf8ToCodePage(std::string_view(line).substr(0, tab1), codePage, reading.form) ||
        reading.form.find(' ') != std::string::npos) {
      ++skipped;
      continue;
    }
    const std::string tagName = line.substr(tab1 + 1, tab2 - tab1 - 1);
    auto tag = tags.find(tagName);
    if (tag == tags.end()) tag = tags.emplace(tagName, TagNumberOrZero(tagName)).first;
    reading.tag = tag->second;
    std::istringstream names(line.substr(tab2 + 1));
    bool known = reading.tag != 0;
    for (std::string name; names >> name;) {
      known = known && ExtendedTagNumber(name.c_str()) >= 0;
      reading.names.push_back(name);
    }
    if (!known || reading.names.empty()) {
      ++skipped;
      continue;
    }
    readings.push_back(std::move(reading));
  }
  return true;
}

std::vector<ExtensionRow> LearnExtensionRows(const std::vector<CaseReading>& readings,
                                             const CaseLearning& learning) {
  // tag -> ending -> counts
  std::map<int32_t, std::unordered_map<std::string, EndingCounts>> counts;
  for (const CaseReading& reading : readings) {
    auto& endings = counts[reading.tag];
    const size_t longest = std::min(learning.maxEnding, reading.form.size());
    for (size_t length = 1; length <= longest; ++length) {
      EndingCounts& entry = endings[reading.form.substr(reading.form.size() - length)];
      ++entry.forms;
      for (const std::string& name : reading.names) ++entry.names[name];
    }
  }
  std::vector<ExtensionRow> rows;
  for (const auto& tagEndings : counts) {
    const std::string tagName = CTagTable::GetString(tagEndings.first);
    // Shorter endings first, so that a longer one is compared with what the
    // lookup would fall back to.
    std::vector<const std::pair<const std::string, EndingCounts>*> order;
    for (const auto& entry : tagEndings.second) order.push_back(&entry);
    std::sort(order.begin(), order.end(), [](const auto* a, const auto* b) {
      return a->first.size() != b->first.size() ? a->first.size() < b->first.size()
                                                : a->first < b->first;
    });
    std::map<std::string, NameSet> kept;
    for (const auto* entry : order) {
      const std::string& ending = entry->first;
      if (ending.size() > 1 && entry->second.forms < learning.minForms) continue;
      const NameSet names = Frequent(entry->second, learning.minPercent);
      if (names.empty()) continue;
      const NameSet* fallback = nullptr;
      for (size_t length = ending.size() - 1; length > 0 && fallback == nullptr; --length) {
        const auto found = kept.find(ending.substr(ending.size() - length));
        if (found != kept.end()) fallback = &found->second;
      }
      if (fallback == nullptr || *fallback != names) kept.emplace(ending, names);
    }
    for (const auto& entry : kept) {
      for (const std::string& name : entry.second) {
        rows.push_back(ExtensionRow{entry.first, name, tagName, tagName});
      }
    }
  }
  std::sort(rows.begin(), rows.end(), [](const ExtensionRow& a, const ExtensionRow& b) {
    if (a.tag != b.tag) return a.tag < b.tag;
    if (a.ending != b.ending) return a.ending < b.ending;
    return a.extendedTag < b.extendedTag;
  });
  return rows;
}

}  // namespace lemmatizer
