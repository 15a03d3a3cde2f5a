#include "dictionary/trie.h"

#include "dictionary/hsq_format.h"
#include "platform/coding.h"

namespace lemmatizer {

void RecordTrie::Assign(const unsigned char* bytes, size_t count, int recordSize, int valueOffset) {
  m_keys.resize(count);
  m_values.resize(count);
  for (size_t i = 0; i < count; ++i) {
    const unsigned char* record = bytes + i * static_cast<size_t>(recordSize);
    m_keys[i] = record[0];
    m_values[i] = static_cast<int32_t>(DecodeFixed32(record + valueOffset));
  }
}

void RecordTrie::Clear() {
  std::vector<unsigned char>().swap(m_keys);
  std::vector<int32_t>().swap(m_values);
}

int64_t RecordTrie::FindResult(const char* key, int64_t last, bool* exact) const {
  const int64_t count = Count();
  int64_t p = last;
  int64_t r = 1;
  while (p >= 0 && r >= 1 && r <= count) {
    const unsigned char c = m_keys[r - 1];
    const auto wanted = static_cast<unsigned char>(key[p]);
    if (c == wanted || c == static_cast<unsigned char>(kHsqWildcard)) {
      const int32_t value = m_values[r - 1];
      if (value <= 0) {
        *exact = c == wanted;
        return r;
      }
      --p;
      r = value;
    } else {
      ++r;
    }
  }
  return 0;
}

}  // namespace lemmatizer
