#include "dictionary/trie_writer.h"

#include "platform/coding.h"

namespace lemmatizer {

std::string RecordTrieBytes(const std::vector<TrieRecord>& records, int recordSize,
                            int valueOffset) {
  std::string bytes;
  bytes.reserve(records.size() * static_cast<size_t>(recordSize));
  for (const TrieRecord& record : records) {
    std::string one(static_cast<size_t>(valueOffset), '\0');
    one[0] = static_cast<char>(record.key);
    PutFixed32(one, static_cast<uint32_t>(record.value));
    one.resize(static_cast<size_t>(recordSize), '\0');
    bytes += one;
  }
  return bytes;
}

}  // namespace lemmatizer
