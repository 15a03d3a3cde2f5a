// SwdTable: the loaded SWD entries in compact form. Each entry (a source,
// its lemma, its tags) is one record in a byte arena, the records in source
// order; an index over the case fold of the sources finds the entries a
// word can match. It costs a little more than the file's text, which it
// replaces.
//
// Record: the source's length, the lemma's length + 1 (0: the lemma is the
// source), the tag count times 2 plus 1 when more entries share the
// source's folded form (each as a variable-length number), the tags (2
// bytes each, little-endian), the source, the lemma.
#ifndef LEMMATIZER_SWD_SWD_TABLE_H_
#define LEMMATIZER_SWD_SWD_TABLE_H_

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "dictionary/hash_slots.h"

namespace lemmatizer {

// The comparison of sources without regard to case: bytes compared after
// folding Latin-1 small letters to capitals; the end of the shorter string
// counts as byte 0.
bool EqualIgnoringCase(std::string_view a, std::string_view b);

class SwdTable {
 public:
  struct Entry {
    std::string_view source;
    std::string_view lemma;
    const unsigned char* tags;
    uint32_t tagCount;
    uint16_t Tag(uint32_t i) const {
      return static_cast<uint16_t>(tags[2 * i] | tags[2 * i + 1] << 8);
    }
  };

  // Collects entries, then builds the table.
  class Builder {
   public:
    // Room for about `entries` entries of `bytes` bytes of text.
    void Reserve(size_t entries, size_t bytes);
    // The views must stay valid until Build; `tags` ascending, each once.
    void Add(std::string_view source, std::string_view lemma, const uint16_t* tags, size_t count);
    // Sorts the entries by source (equal sources in the order added),
    // makes each run of neighbours with the same source and lemma one entry
    // with the union of their tags, and fills `table`.
    void Build(SwdTable& table);

   private:
    struct Pending {
      std::string_view source;
      std::string_view lemma;
      uint32_t tags;  // offset in m_tags
      uint32_t tagCount;
    };
    std::vector<Pending> m_pending;
    std::vector<uint16_t> m_tags;
    size_t m_bytes = 0;  // expected text, for the arena
  };

  void Clear();
  size_t Size() const { return m_offsets.size(); }
  Entry At(size_t i) const;
  std::string_view Source(size_t i) const;

  // The first entry (in source order) whose source has the folded form of
  // `key` (the same length, equal ignoring case), or -1.
  int64_t FirstOfFold(std::string_view key) const;
  // The next entry after `i` with the same folded form, or -1.
  int64_t NextOfFold(size_t i) const;

  size_t MemoryBytes() const {
    return m_arena.capacity() + 4 * m_offsets.capacity() + m_index.MemoryBytes() +
           8 * m_moreOfFold.capacity();
  }

 private:
  void BuildFoldIndex();

  std::vector<unsigned char> m_arena;
  std::vector<uint32_t> m_offsets;  // record of each entry
  // The first entry of each folded form, by the form's hash.
  HashSlots m_index;
  // (entry, next entry of the same folded form) for the forms of several
  // entries, sorted.
  std::vector<std::pair<uint32_t, uint32_t>> m_moreOfFold;
};

}  // namespace lemmatizer

#endif  // LEMMATIZER_SWD_SWD_TABLE_H_
