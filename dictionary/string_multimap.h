// StringMultimap: an immutable multimap from byte strings to byte strings,
// built once and then only read. Each pair is one record in a byte arena
// (the key's and the value's length as variable-length numbers, then their
// bytes), the records sorted by key (pairs with equal keys in the order they
// were added), with an open-addressing index over the distinct keys, so
// that a key is found, or found missing, with one hash and a probe or two.
#ifndef LEMMATIZER_DICTIONARY_STRING_MULTIMAP_H_
#define LEMMATIZER_DICTIONARY_STRING_MULTIMAP_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/hash_slots.h"

namespace lemmatizer {

class StringMultimap {
 public:
  // Building: Add the pairs, then Freeze once before any Find.
  void Add(std::string_view key, std::string_view value);
  void Freeze();
  void Clear();

  struct Range {
    size_t begin = 0;
    size_t end = 0;
    bool Empty() const { return begin == end; }
  };

  // The pairs of `key`, in the order they were added.
  Range Find(std::string_view key) const;

  std::string_view Key(size_t i) const;
  std::string_view Value(size_t i) const;
  size_t Size() const { return m_offsets.size(); }

 private:
  std::vector<unsigned char> m_arena;
  std::vector<uint32_t> m_offsets;  // record of each pair
  // The first pair of each distinct key, by the key's hash.
  HashSlots m_index;
};

}  // namespace lemmatizer

#endif  // LEMMATIZER_DICTIONARY_STRING_MULTIMAP_H_
