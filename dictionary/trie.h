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

  int64_t Count() const { return static_cast<int64_t>(m_values.size()); }
  unsigned char Key(int64_t record) const { return m_keys[record - 1]; }
  int32_t Value(int64_t record) const { return m_values[record - 1]; }

  // Walks key[0..last] from key[last] towards key[0]. Returns the number of
  // the result record the walk reaches, or 0; `exact` tells whether the
  // result's key byte was the wanted byte (false: the wildcard).
  int64_t FindResult(const char* key, int64_t last, bool* exact) const;

 private:
  std::vector<unsigned char> m_keys;
  std::vector<int32_t> m_values;
};

}  // namespace lemmatizer

#endif  // LEMMATIZER_DICTIONARY_TRIE_H_
