#include "tests/support/test_files.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <stdexcept>

#include "dictionary/scrambled_file.h"

namespace testing_support {

namespace {

struct Node {
  std::map<char, std::unique_ptr<Node>> children;
  std::vector<lemmatizer::HsqResult> readings;  // of the key that ends here
  bool ends = false;
};

class TrieWriter {
 public:
  explicit TrieWriter(std::vector<HsqRecord>& records) : m_records(records) {}

  // Writes the node's records and, after them, its children; returns the
  // 1-based index of the node's first record.
  int32_t Write(const Node& node, const std::vector<lemmatizer::HsqResult>* fallback) {
    const int32_t first = static_cast<int32_t>(m_records.size()) + 1;
    std::vector<std::pair<size_t, const Node*>> edges;
    if (node.ends) {
      for (const auto& r : node.readings) {
        m_records.push_back({lemmatizer::kHsqWordStart, lemmatizer::EncodeHsqResult(r)});
      }
    }
    for (const auto& child : node.children) {
      edges.emplace_back(m_records.size(), child.second.get());
      m_records.push_back({child.first, 0});
    }
    if (fallback != nullptr && !fallback->empty()) {
      for (const auto& r : *fallback) {
        m_records.push_back({lemmatizer::kHsqWildcard, lemmatizer::EncodeHsqResult(r)});
      }
    } else {
      m_records.push_back({lemmatizer::kHsqWildcard, Sink()});
    }
    for (const auto& edge : edges) {
      m_records[edge.first].value = Write(*edge.second, nullptr);
    }
    return first;
  }

 private:
  // A node of one '+' record leading to itself: it consumes the rest of
  // the key and yields nothing.
  int32_t Sink() {
    if (m_sink == 0) {
      m_sinkPending = true;
      m_sink = -1;
    }
    return m_sink;
  }

 public:
  void Finish() {
    if (!m_sinkPending) return;
    const int32_t sink = static_cast<int32_t>(m_records.size()) + 1;
    m_records.push_back({lemmatizer::kHsqWildcard, sink});
    for (auto& record : m_records) {
      if (record.key == lemmatizer::kHsqWildcard && record.value == -1) record.value = sink;
    }
  }

 private:
  std::vector<HsqRecord>& m_records;
  int32_t m_sink = 0;
  bool m_sinkPending = false;
};

}  // namespace

std::vector<HsqRecord> BuildTrie(const std::vector<TrieEntry>& entries,
                                 const std::vector<lemmatizer::HsqResult>& fallback) {
  for (const auto& entry : entries) {
    for (const auto& r : entry.second) {
      // -1 marks the sink placeholder, which no reading may encode to.
      if (lemmatizer::EncodeHsqResult(r) == -1) throw std::invalid_argument("reserved value");
    }
  }
  Node root;
  for (const auto& entry : entries) {
    Node* node = &root;
    for (auto it = entry.first.rbegin(); it != entry.first.rend(); ++it) {
      auto& child = node->children[*it];
      if (!child) child = std::make_unique<Node>();
      node = child.get();
    }
    node->ends = true;
    node->readings.insert(node->readings.end(), entry.second.begin(), entry.second.end());
  }
  std::vector<HsqRecord> records;
  TrieWriter writer(records);
  writer.Write(root, &fallback);
  writer.Finish();
  return records;
}

std::string HsqBytes(const std::vector<HsqRecord>& records, const std::string& header,
                     const std::string& trailing) {
  std::string bytes = header.substr(0, lemmatizer::kHsqHeaderSize);
  bytes.resize(lemmatizer::kHsqHeaderSize, '\0');
  for (const auto& record : records) {
    bytes += record.key;
    const auto v = static_cast<uint32_t>(record.value);
    for (int i = 0; i < 4; ++i) bytes += static_cast<char>((v >> (8 * i)) & 0xFF);
  }
  return bytes + trailing;
}

std::string MakeTempDir() {
  namespace fs = std::filesystem;
  // Removes the directories made by this process when it ends.
  struct Cleanup {
    std::vector<fs::path> dirs;
    ~Cleanup() {
      std::error_code ignored;
      for (const auto& dir : dirs) fs::remove_all(dir, ignored);
    }
  };
  static Cleanup cleanup;
  std::string pattern = (fs::temp_directory_path() / "lemmatizer-test-XXXXXX").string();
  if (mkdtemp(&pattern[0]) == nullptr) throw std::runtime_error("mkdtemp failed");
  cleanup.dirs.push_back(pattern);
  return pattern + "/";
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("cannot write " + path);
}

void WriteScrambledFile(const std::string& path, const std::string& text) {
  std::string bytes = text;
  lemmatizer::ScrambleBytes(bytes);
  WriteFile(path, bytes);
}

std::string CompileLexicon(const std::string& compiler, const std::string& code,
                           const std::string& lexicon) {
  const std::string dir = MakeTempDir();
  WriteFile(dir + "lexicon.tsv", lexicon);
  const std::string command =
      compiler + " -q -l " + code + " -i " + dir + "lexicon.tsv -o " + dir + " > /dev/null";
  if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
  return dir;
}

}  // namespace testing_support
