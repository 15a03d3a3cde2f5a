#include "rules/german_prefix_writer.h"

#include <map>
#include <memory>
#include <stdexcept>

#include "platform/coding.h"
#include "rules/german.h"

namespace lemmatizer {

namespace {

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
    PutFixed16(bytes, static_cast<uint16_t>(cell.link));
  }
  return bytes;
}

}  // namespace lemmatizer
