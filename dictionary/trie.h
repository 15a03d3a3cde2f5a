// The record tries of the binary dictionary files: the main dictionary
// ("<code>-cwd.hsq", after its header) and the German sharp-s file
// ("de-ss.hsq") are both arrays of fixed-size records, walked the same way.
//
// A record holds a key byte (byte 0) and a signed 32-bit little-endian value
// (at an offset that depends on the file). Records are numbered from 1. A
// node is a run of records; the walk enters the root node (record 1) with
// the key's last byte and scans the node for a record whose key byte is the
// wanted byte or the wildcard '+':
//   - value >= 1: an inner edge; the walk moves to the key's previous byte
//     and to the child node starting at record `value`;
//   - value <= 0: a result; the walk ends there.
// A record that matches neither moves the scan to the next record. A walk
// that uses up its key, or whose record number leaves the array (only a
// malformed file does that), ends without a result; no walk ever reads
// outside the array, and every step either uses a key byte or moves to a
// later record, so every walk ends.
//
// Wide nodes can be indexed when the trie is loaded (BuildIndex): for each
// byte value, the record the scan of the node would stop at, so that a step
// through such a node costs one table read instead of a scan. The index
// gives the same record as the scan, for any file.
#ifndef LEMMATIZER_DICTIONARY_TRIE_H_
#define LEMMATIZER_DICTIONARY_TRIE_H_

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lemmatizer {

class RecordTrie {
 public:
  // Takes `count` records of `recordSize` bytes from `bytes`, the value of
  // each at `valueOffset`.
  void Assign(const unsigned char* bytes, size_t count, int recordSize, int valueOffset);
  void Clear();

  // Indexes every node of at least `minWidth` records that ends with a
  // wildcard within 255 records of its start.
  void BuildIndex(int minWidth);

  int64_t Count() const { return static_cast<int64_t>(m_values.size()); }
  unsigned char Key(int64_t record) const { return m_keys[record - 1]; }
  int32_t Value(int64_t record) const { return m_values[record - 1]; }

  struct Hit {
    int64_t record = 0;     // the result record the walk reached, or 0
    bool exact = false;     // its key byte was the wanted byte, not the wildcard
    bool wildcard = false;  // some step of the walk went through the wildcard
  };

  // Walks key[0..last] from key[last] towards key[0].
  Hit FindResult(const char* key, int64_t last) const;

  // Bytes the index takes.
  size_t IndexBytes() const { return m_indexed.size() * 8 + m_rank.size() * 4 + m_tables.size(); }

 private:
  // The record from `r` on at which the scan for `wanted` stops (its byte
  // or the wildcard), or 0 when it runs off the end.
  int64_t Scan(int64_t r, unsigned char wanted) const;

  std::vector<unsigned char> m_keys;
  std::vector<int32_t> m_values;
  // The index: bit r - 1 of m_indexed marks an indexed node starting at
  // record r; m_rank[w] counts the marks in the words before w, which
  // numbers the node's table of 256 bytes in m_tables: for each byte value
  // 1 + the offset of the record the scan stops at.
  std::vector<uint64_t> m_indexed;
  std::vector<uint32_t> m_rank;
  std::vector<unsigned char> m_tables;
};

}  // namespace lemmatizer

#endif  // LEMMATIZER_DICTIONARY_TRIE_H_
