#include "dictionary/sharp_s_writer.h"

#include <map>
#include <memory>
#include <stdexcept>

#include "dictionary/german_normalizer.h"
#include "dictionary/hsq_format.h"
#include "dictionary/trie_writer.h"
#include "platform/checksum.h"
#include "platform/coding.h"

namespace lemmatizer {

namespace {

struct SharpSNode {
  std::map<unsigned char, std::unique_ptr<SharpSNode>> children;
  int32_t wholeClass = -1;   // class of the whole text ending here, or -1
  int32_t suffixClass = -1;  // class of the suffix ending here, or -1
};

// Writes the node (its child edges, the whole-text result, then the '+'
// result with the class of the longest suffix so far) and after it its
// children; returns the node's 1-based first record.
int32_t WriteSharpSNode(const SharpSNode& node, int32_t inherited,
                        std::vector<TrieRecord>& records) {
  const int32_t classHere = node.suffixClass >= 0 ? node.suffixClass : inherited;
  const auto first = static_cast<int32_t>(records.size()) + 1;
  std::vector<std::pair<size_t, const SharpSNode*>> edges;
  for (const auto& child : node.children) {
    edges.emplace_back(records.size(), child.second.get());
    records.push_back({child.first, 0});
  }
  if (node.wholeClass >= 0) records.push_back({kHsqWordStart, -node.wholeClass});
  records.push_back({kHsqWildcard, -classHere});
  for (const auto& edge : edges) {
    records[edge.first].value = WriteSharpSNode(*edge.second, classHere, records);
  }
  return first;
}

}  // namespace

std::string SharpSTrieBytes(const std::vector<SharpSEntry>& entries, int32_t defaultClass) {
  if (defaultClass < 0) throw std::invalid_argument("negative spelling class");
  SharpSNode root;
  for (const SharpSEntry& entry : entries) {
    if (entry.spellingClass < 0) throw std::invalid_argument("negative spelling class");
    if (!entry.wholeText && entry.text.empty()) {
      throw std::invalid_argument("empty suffix: use the default class");
    }
    SharpSNode* node = &root;
    for (auto it = entry.text.rbegin(); it != entry.text.rend(); ++it) {
      const auto c = static_cast<unsigned char>(*it);
      if (c == '\0' || c == kHsqWordStart || c == kHsqWildcard) {
        throw std::invalid_argument("sharp-s text with a '#', '+' or NUL byte: " + entry.text);
      }
      auto& child = node->children[c];
      if (!child) child = std::make_unique<SharpSNode>();
      node = child.get();
    }
    int32_t& slot = entry.wholeText ? node->wholeClass : node->suffixClass;
    if (slot >= 0 && slot != entry.spellingClass) {
      throw std::invalid_argument("two spelling classes for: " + entry.text);
    }
    slot = entry.spellingClass;
  }
  std::vector<TrieRecord> records;
  WriteSharpSNode(root, defaultClass, records);

  std::string bytes = RecordTrieBytes(records, CGermanNormalizer::kSharpSRecordSize,
                                      CGermanNormalizer::kSharpSValueOffset);
  // The checksum record closes the file.
  std::string trailer(CGermanNormalizer::kSharpSValueOffset, '\0');
  trailer.replace(1, 3, CGermanNormalizer::kSharpSChecksumMark, 3);
  PutFixed32(trailer, Crc32(bytes.data(), bytes.size()));
  return bytes + trailer;
}

}  // namespace lemmatizer
