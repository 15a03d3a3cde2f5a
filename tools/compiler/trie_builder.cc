#include "tools/compiler/trie_builder.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace lemmatizer {

namespace {

bool SameReadings(const std::vector<HsqResult>& a, const std::vector<HsqResult>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i].rawTag != b[i].rawTag || a[i].cut != b[i].cut || a[i].lemcode != b[i].lemcode) {
      return false;
    }
  }
  return true;
}

int64_t Pack(const HsqResult& r) {
  return (static_cast<int64_t>(r.rawTag) << 32) | (static_cast<int64_t>(r.cut) << 16) | r.lemcode;
}

HsqResult Unpack(int64_t packed) {
  return HsqResult{static_cast<int32_t>(packed >> 32),
                   static_cast<int32_t>((packed >> 16) & 0xFFFF),
                   static_cast<int32_t>(packed & 0xFFFF)};
}

}  // namespace

void TrieBuilder::Add(const std::string& key, const std::vector<HsqResult>& readings) {
  if (readings.empty()) throw std::invalid_argument("a key without readings");
  if (key.find_first_of(std::string("#+\0", 3)) != std::string::npos) {
    throw std::invalid_argument("a key holds '#', '+' or NUL");
  }
  std::string reversed(key.rbegin(), key.rend());
  reversed += kHsqWordStart;
  m_readingLists.push_back(readings);
  m_keys.push_back(Key{reversed, static_cast<int32_t>(m_readingLists.size() - 1)});
}

std::vector<TrieRecord> TrieBuilder::Build(UnknownWords mode) const {
  std::vector<const Key*> keys;
  keys.reserve(m_keys.size());
  for (const Key& key : m_keys) keys.push_back(&key);
  std::sort(keys.begin(), keys.end(),
            [](const Key* a, const Key* b) { return a->reversed < b->reversed; });

  // A node is the range of sorted keys sharing their first `depth` bytes.
  struct Node {
    size_t begin, end;
    size_t depth;
    size_t parentRecord;  // the edge record to point at this node, or npos for the root
  };
  const size_t kNone = static_cast<size_t>(-1);
  std::vector<TrieRecord> records;
  std::vector<Node> pending{{0, keys.size(), 0, kNone}};
  std::vector<size_t> sinkRefs;  // '+' records that lead to the node yielding nothing

  // Nodes are written breadth first; each edge record is patched with the
  // index of its child's first record when the child is written.
  for (size_t next = 0; next < pending.size(); ++next) {
    const Node node = pending[next];
    const auto first = static_cast<int32_t>(records.size() + 1);
    if (node.parentRecord != kNone) records[node.parentRecord].value = first;

    std::map<int64_t, size_t> frequency;
    size_t i = node.begin;
    while (i < node.end) {
      const unsigned char c = keys[i]->reversed[node.depth];
      size_t j = i;
      bool uniform = true;
      while (j < node.end && static_cast<unsigned char>(keys[j]->reversed[node.depth]) == c) {
        if (uniform &&
            !SameReadings(m_readingLists[keys[j]->readings], m_readingLists[keys[i]->readings])) {
          uniform = false;
        }
        if (mode == UnknownWords::kGuess) {
          // A guess only replaces letters the walk has matched: a reading
          // that cuts deeper would rewrite an unseen part of the word.
          for (const HsqResult& r : m_readingLists[keys[j]->readings]) {
            if (static_cast<size_t>(r.cut) <= node.depth) ++frequency[Pack(r)];
          }
        }
        ++j;
      }
      const bool leaf = c == static_cast<unsigned char>(kHsqWordStart);
      if (uniform || leaf) {
        // Every key below has the same readings: they go here as results.
        // (Below '#' there is only one key, and nothing more to consume.)
        for (const HsqResult& r : m_readingLists[keys[i]->readings]) {
          records.push_back(TrieRecord{c, EncodeHsqResult(r)});
        }
      } else {
        records.push_back(TrieRecord{c, 0});
        pending.push_back(Node{i, j, node.depth + 1, records.size() - 1});
      }
      i = j;
    }
    if (mode == UnknownWords::kGuess && !frequency.empty()) {
      const auto best =
          std::max_element(frequency.begin(), frequency.end(),
                           [](const auto& a, const auto& b) { return a.second < b.second; });
      records.push_back(TrieRecord{static_cast<unsigned char>(kHsqWildcard),
                                   EncodeHsqResult(Unpack(best->first))});
    } else {
      sinkRefs.push_back(records.size());
      records.push_back(TrieRecord{static_cast<unsigned char>(kHsqWildcard), 0});
    }
  }
  // The sink: one '+' record that leads to itself, consuming the rest of
  // the key without a result.
  const auto sink = static_cast<int32_t>(records.size() + 1);
  records.push_back(TrieRecord{static_cast<unsigned char>(kHsqWildcard), sink});
  for (size_t ref : sinkRefs) records[ref].value = sink;
  return records;
}

}  // namespace lemmatizer
