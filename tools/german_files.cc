#include "tools/german_files.h"

#include <map>
#include <memory>
#include <stdexcept>

#include "dictionary/german_normalizer.h"
#include "dictionary/hsq_format.h"
#include "rules/german.h"

namespace lemmatizer {

namespace {

void AppendLittleEndian(std::string& bytes, uint32_t value, int width) {
  for (int i = 0; i < width; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
}

// --- sharp-s trie ---

struct SharpSNode {
  std::map<unsigned char, std::unique_ptr<SharpSNode>> children;
  int32_t wholeClass = -1;   // class of the whole text ending here, or -1
  int32_t suffixClass = -1;  // class of the suffix ending here, or -1
};

struct SharpSRecord {
  unsigned char key;
  int32_t value;
};

// Writes the node (its child edges, the whole-text result, then the '+'
// result with the class of the longest suffix so far) and after it its
// children; returns the node's 1-based first record.
int32_t WriteSharpSNode(const SharpSNode& node, int32_t inherited,
                        std::vector<SharpSRecord>& records) {
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

// --- prefix cells ---

struct PrefixNode {
  std::map<unsigned char, std::unique_ptr<PrefixNode>> children;
  bool complete = false;
};

struct Cell {
  unsigned char key;
  unsigned char flag;
  int32_t link;
};

constexpr unsigned char kPrefixCellComplete = '*';
constexpr size_t kMaxCells = 32768;  // every sibling index fits a 16-bit link

// Writes the chain of the node's children, each followed by its own
// children. A node without children gets a cell that matches no byte, so
// that a search past a complete prefix finds nothing.
void WritePrefixChildren(const PrefixNode& node, std::vector<Cell>& cells) {
  if (node.children.empty()) {
    cells.push_back({0, kPrefixCellOpen, 0});
    return;
  }
  size_t previous = 0;
  bool first = true;
  for (const auto& child : node.children) {
    if (!first) cells[previous].link = static_cast<int32_t>(cells.size());
    first = false;
    previous = cells.size();
    cells.push_back(
        {child.first, child.second->complete ? kPrefixCellComplete : kPrefixCellOpen, 0});
    WritePrefixChildren(*child.second, cells);
  }
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
  std::vector<SharpSRecord> records;
  WriteSharpSNode(root, defaultClass, records);

  std::string bytes;
  bytes.reserve(records.size() * CGermanNormalizer::kSharpSRecordSize);
  for (const SharpSRecord& record : records) {
    bytes += static_cast<char>(record.key);
    bytes.append(3, '\0');
    AppendLittleEndian(bytes, static_cast<uint32_t>(record.value), 4);
  }
  return bytes;
}

std::string PrefixCellBytes(const std::vector<std::string>& prefixes) {
  PrefixNode root;
  for (const std::string& prefix : prefixes) {
    if (prefix.empty()) throw std::invalid_argument("empty prefix");
    PrefixNode* node = &root;
    for (const char byte : prefix) {
      if (byte == '\0') throw std::invalid_argument("prefix with a NUL byte");
      auto& child = node->children[static_cast<unsigned char>(byte)];
      if (!child) child = std::make_unique<PrefixNode>();
      node = child.get();
    }
    node->complete = true;
  }
  std::vector<Cell> cells;
  WritePrefixChildren(root, cells);
  if (cells.size() > kMaxCells) throw std::length_error("too many prefix cells");

  std::string bytes;
  bytes.reserve(cells.size() * kPrefixCellSize);
  for (const Cell& cell : cells) {
    bytes += static_cast<char>(cell.key);
    bytes += static_cast<char>(cell.flag);
    AppendLittleEndian(bytes, static_cast<uint32_t>(cell.link), 2);
  }
  return bytes;
}

}  // namespace lemmatizer
