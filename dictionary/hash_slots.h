// HashSlots: the open-addressing index over the keys of a loaded table (the
// SWD entries by folded source, the PWD multimap by key). The table keeps
// its keys; the index keeps, per slot, one 32-bit word: 1 + an entry number
// in the low bits (0: an empty slot) and, in the high bits the entry
// numbers leave free, a few bits of the key's hash. A probe thus passes most
// slots of other keys in the same memory access that finds them, without
// reading their keys. There are two slots per entry, so at most one in two
// is taken.
//
// The slot a hash starts from is its high bits scaled to the number of
// slots; the mark is taken from its low bits.
#ifndef LEMMATIZER_DICTIONARY_HASH_SLOTS_H_
#define LEMMATIZER_DICTIONARY_HASH_SLOTS_H_

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lemmatizer {

class HashSlots {
 public:
  // An empty index with room for entries 0 .. entries - 1.
  void Reset(size_t entries) {
    m_entryBits = 1;
    while (m_entryBits < 32 && (uint64_t{1} << m_entryBits) <= entries) ++m_entryBits;
    m_entryMask = static_cast<uint32_t>((uint64_t{1} << m_entryBits) - 1);
    m_slots.assign(2 * entries + 1, 0);
  }

  void Clear() { std::vector<uint32_t>().swap(m_slots); }

  // The first entry on the probe path of `hash` for which `equal(entry)`
  // holds, or -1 when the path reaches an empty slot first.
  template <typename Equal>
  int64_t Find(uint32_t hash, Equal equal) const {
    if (m_slots.empty()) return -1;
    const uint32_t slot = m_slots[PathEnd(hash, equal)];
    if (slot == 0) return -1;
    return (slot & m_entryMask) - 1;
  }

  // As Find; when no entry on the path is equal, `entry` takes the empty
  // slot that ends it, and the result is -1.
  template <typename Equal>
  int64_t FindOrInsert(uint32_t hash, uint32_t entry, Equal equal) {
    const size_t s = PathEnd(hash, equal);
    if (m_slots[s] != 0) return (m_slots[s] & m_entryMask) - 1;
    m_slots[s] = MarkOf(hash) | (entry + 1);
    return -1;
  }

  size_t MemoryBytes() const { return sizeof(uint32_t) * m_slots.capacity(); }

 private:
  // The slot that ends the probe path of `hash`: the first holding an
  // entry of its mark for which `equal(entry)` holds, or the first empty.
  template <typename Equal>
  size_t PathEnd(uint32_t hash, Equal equal) const {
    const uint32_t mark = MarkOf(hash);
    for (size_t s = Start(hash);; s = s + 1 == m_slots.size() ? 0 : s + 1) {
      const uint32_t slot = m_slots[s];
      if (slot == 0 || ((slot & ~m_entryMask) == mark && equal((slot & m_entryMask) - 1))) {
        return s;
      }
    }
  }
  size_t Start(uint32_t hash) const {
    return static_cast<size_t>((static_cast<uint64_t>(hash) * m_slots.size()) >> 32);
  }
  // The hash's low bits, moved above the entry number (none when the entry
  // numbers take all 32 bits).
  uint32_t MarkOf(uint32_t hash) const {
    return static_cast<uint32_t>((static_cast<uint64_t>(hash) << m_entryBits) & 0xFFFFFFFFu);
  }

  std::vector<uint32_t> m_slots;
  unsigned m_entryBits = 1;
  uint32_t m_entryMask = 1;
};

}  // namespace lemmatizer

#endif  // LEMMATIZER_DICTIONARY_HASH_SLOTS_H_
