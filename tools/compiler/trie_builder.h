// Builds the records of a main dictionary trie from keys and their readings.
//
// Keys are normalized words; the trie is over "#" + key, walked from the
// key's end. A run of result records is placed at the shallowest node below
// which every key has the same readings, so an unseen word that ends like
// the keys there gets their readings. Every node ends with a '+' record:
// in strict mode it leads to a node that yields nothing (an unknown ending
// gets no reading); in guessing mode it yields the most frequent reading of
// the keys below the node among those that cut no more than the node's
// depth, so a guess only rewrites letters the walk has matched (an unknown
// ending gets the likeliest reading of its known neighbours; at the root,
// where nothing has matched, only a reading that keeps the word whole).
#ifndef LEMMATIZER_TOOLS_COMPILER_TRIE_BUILDER_H_
#define LEMMATIZER_TOOLS_COMPILER_TRIE_BUILDER_H_

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "dictionary/hsq_format.h"
#include "dictionary/trie_writer.h"

namespace lemmatizer {

enum class UnknownWords { kStrict, kGuess };

// Adds keys with their readings; builds the records.
class TrieBuilder {
 public:
  // Keys must not contain '#', '+' or NUL; each key is added once.
  void Add(const std::string& key, const std::vector<HsqResult>& readings);

  std::vector<TrieRecord> Build(UnknownWords mode) const;

  size_t KeyCount() const { return m_keys.size(); }

 private:
  struct Key {
    std::string reversed;  // key reversed, then '#'
    int32_t readings;      // index into m_readingLists
  };
  std::vector<Key> m_keys;
  std::vector<std::vector<HsqResult>> m_readingLists;
};

}  // namespace lemmatizer

#endif  // LEMMATIZER_TOOLS_COMPILER_TRIE_BUILDER_H_
