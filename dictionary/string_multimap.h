// StringMultimap: an immutable multimap from byte strings to byte strings,
// built once and then only read: keys and values in one byte buffer, the
// pairs sorted by key (pairs with equal keys in the order they were added)
// and an open-addressing index over the distinct keys, so that a key is
// found, or found missing, with one hash and a probe or two.
#ifndef LEMMATIZER_DICTIONARY_STRING_MULTIMAP_H_
#define LEMMATIZER_DICTIONARY_STRING_MULTIMAP_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

  std::string_view Key(size_t i) const { return View(m_pairs[i].key, m_pairs[i].keyLength); }
  std::string_view Value(size_t i) const { return View(m_pairs[i].value, m_pairs[i].valueLength); }
  size_t Size() const { return m_pairs.size(); }

 private:
  struct Pair {
    uint32_t key;
    uint32_t keyLength;
    uint32_t value;
    uint32_t valueLength;
  };
  std::string_view View(uint32_t offset, uint32_t length) const {
    return std::string_view(m_text.data() + offset, length);
  }

  std::string m_text;
  std::vector<Pair> m_pairs;
  // Slot: 1 + the first pair of a distinct key, or 0 for an empty slot.
  std::vector<uint32_t> m_slots;
};

}  // namespace lemmatizer

#endif  // LEMMATIZER_DICTIONARY_STRING_MULTIMAP_H_
