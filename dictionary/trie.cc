#include "dictionary/trie.h"

#include "dictionary/hsq_format.h"
#include "platform/coding.h"

namespace lemmatizer {

namespace {

// The number of set bits (the compiler's builtin may be a library call).
inline uint32_t BitCount(uint64_t x) {
  x = x - ((x >> 1) & 0x5555555555555555ull);
  x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
  x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
  return static_cast<uint32_t>((x * 0x0101010101010101ull) >> 56);
}

}  // namespace

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
  std::vector<uint64_t>().swap(m_indexed);
  std::vector<uint32_t>().swap(m_rank);
  std::vector<unsigned char>().swap(m_tables);
}

void RecordTrie::BuildIndex(int minWidth) {
  const int64_t count = Count();
  const auto wildcard = static_cast<unsigned char>(kHsqWildcard);
  // Node starts: the root and every edge's target.
  std::vector<uint64_t> starts((static_cast<size_t>(count) + 63) / 64, 0);
  const auto mark = [&starts](int64_t r) { starts[(r - 1) / 64] |= uint64_t{1} << ((r - 1) % 64); };
  if (count >= 1) mark(1);
  for (const int32_t value : m_values) {
    if (value >= 1 && value <= count) mark(value);
  }
  m_indexed.assign(starts.size(), 0);
  m_tables.clear();
  for (int64_t s = 1; s <= count; ++s) {
    if ((starts[(s - 1) / 64] & (uint64_t{1} << ((s - 1) % 64))) == 0) continue;
    int64_t end = s;  // the node's wildcard
    while (end <= count && end - s < 255 && m_keys[end - 1] != wildcard) ++end;
    if (end > count || m_keys[end - 1] != wildcard || end - s + 1 > 255 || end - s + 1 < minWidth) {
      continue;
    }
    m_indexed[(s - 1) / 64] |= uint64_t{1} << ((s - 1) % 64);
    const size_t table = m_tables.size();
    m_tables.resize(table + 256, static_cast<unsigned char>(end - s + 1));
    for (int64_t r = end - 1; r >= s; --r) {  // backwards: the first record of a byte wins
      m_tables[table + m_keys[r - 1]] = static_cast<unsigned char>(r - s + 1);
    }
  }
  m_rank.assign(m_indexed.size(), 0);
  uint32_t before = 0;
  for (size_t w = 0; w < m_indexed.size(); ++w) {
    m_rank[w] = before;
    before += BitCount(m_indexed[w]);
  }
}

inline int64_t RecordTrie::Scan(int64_t r, unsigned char wanted) const {
  const int64_t count = Count();
  if (!m_indexed.empty()) {
    const uint64_t word = m_indexed[(r - 1) / 64];
    const uint64_t bit = uint64_t{1} << ((r - 1) % 64);
    if ((word & bit) != 0) {
      const size_t table = m_rank[(r - 1) / 64] + BitCount(word & (bit - 1));
      return r + m_tables[table * 256 + wanted] - 1;
    }
  }
  const auto wildcard = static_cast<unsigned char>(kHsqWildcard);
  for (; r <= count; ++r) {
    const unsigned char c = m_keys[r - 1];
    if (c == wanted || c == wildcard) return r;
  }
  return 0;
}

RecordTrie::Hit RecordTrie::FindResult(const char* key, int64_t last) const {
  const int64_t count = Count();
  Hit hit;
  int64_t p = last;
  int64_t r = 1;
  while (p >= 0 && r >= 1 && r <= count) {
    const auto wanted = static_cast<unsigned char>(key[p]);
    r = Scan(r, wanted);
    if (r == 0) break;
    const bool exact = m_keys[r - 1] == wanted;
    hit.wildcard = hit.wildcard || !exact;
    const int32_t value = m_values[r - 1];
    if (value <= 0) {
      hit.record = r;
      hit.exact = exact;
      return hit;
    }
    --p;
    r = value;
  }
  return Hit();
}

}  // namespace lemmatizer
