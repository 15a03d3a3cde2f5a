// The writing side of the record tries (dictionary/trie.h): records as the
// builders make them, and their bytes in a file's record layout.
#ifndef LEMMATIZER_DICTIONARY_TRIE_WRITER_H_
#define LEMMATIZER_DICTIONARY_TRIE_WRITER_H_

#include <cstdint>
#include <string>
#include <vector>

namespace lemmatizer {

struct TrieRecord {
  unsigned char key;
  int32_t value;
};

// The records in the layout RecordTrie::Assign reads: `recordSize` bytes
// each, the key byte first, the value little-endian at `valueOffset`, the
// other bytes zero.
std::string RecordTrieBytes(const std::vector<TrieRecord>& records, int recordSize,
                            int valueOffset);

}  // namespace lemmatizer

#endif  // LEMMATIZER_DICTIONARY_TRIE_WRITER_H_
