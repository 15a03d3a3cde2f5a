#include "interface/result.h"

#include <atomic>
#include <cstddef>
#include <cstring>
#include <new>

// The record is part of the binary interface: four fields without gaps.
// On LP64 the two pointers are 8 bytes wide.
static_assert(offsetof(LemmatizerResult, count) == 0, "count at 0");
static_assert(offsetof(LemmatizerResult, dictionaryHit) == 4, "dictionaryHit at 4");
static_assert(sizeof(void*) != 8 || offsetof(LemmatizerResult, lemmas) == 8, "lemmas at 8");
static_assert(sizeof(void*) != 8 || offsetof(LemmatizerResult, tags) == 16, "tags at 16");
static_assert(sizeof(void*) != 8 || sizeof(LemmatizerResult) == 24, "no padding");
static_assert(sizeof(void*) != 4 || sizeof(LemmatizerResult) == 16, "32-bit layout");

// The block a filled record points to: a header with the block's capacity,
// the array of lemma pointers (what `lemmas` holds), the tags after it, then
// the lemma strings. A released block is kept for the next result when
// there is room for it, so that a host that reuses its record allocates
// nothing per word; any thread may release a block.
static_assert(sizeof(char*) % alignof(int32_t) == 0, "the tags follow the pointers aligned");

namespace {

struct BlockHeader {
  size_t capacity;  // bytes after the header
  size_t padding;   // keeps the pointer array 16-byte aligned
};

// The block kept for reuse, or null.
class SpareBlock {
 public:
  ~SpareBlock() { ::operator delete(m_block.exchange(nullptr)); }
  BlockHeader* Take() { return m_block.exchange(nullptr); }
  void Keep(BlockHeader* block) { ::operator delete(m_block.exchange(block)); }

 private:
  std::atomic<BlockHeader*> m_block{nullptr};
};

SpareBlock spare;

BlockHeader* HeaderOf(char** lemmas) { return reinterpret_cast<BlockHeader*>(lemmas) - 1; }

// A block of at least `size` bytes after its header.
BlockHeader* BlockOf(size_t size) {
  BlockHeader* block = spare.Take();
  if (block != nullptr && block->capacity >= size) return block;
  ::operator delete(block);
  const size_t capacity = size < 240 ? 240 : size;
  block = static_cast<BlockHeader*>(::operator new(sizeof(BlockHeader) + capacity));
  block->capacity = capacity;
  return block;
}

}  // namespace

extern "C" LemmatizerResult* LemmatizerInitResult(LemmatizerResult* result) {
  if (result == nullptr) return result;
  result->count = 0;
  result->dictionaryHit = 0;
  result->lemmas = nullptr;
  result->tags = nullptr;
  return result;
}

extern "C" void LemmatizerFreeResult(LemmatizerResult* result) {
  if (result == nullptr) return;
  if (result->lemmas != nullptr) spare.Keep(HeaderOf(result->lemmas));
  result->lemmas = nullptr;
  result->tags = nullptr;
  result->count = 0;
}

namespace lemmatizer {

namespace {

// Fills the record with `count` readings in one block; `reading(i, tag,
// lemma, length)` gives reading i. `text` is the bytes of all lemmas.
template <typename Reading>
void WriteRecord(LemmatizerResult* result, size_t count, size_t text, Reading&& reading) {
  result->count = 0;
  result->lemmas = nullptr;
  result->tags = nullptr;
  if (count == 0) return;
  const size_t pointers = count * sizeof(char*);
  const size_t tags = count * sizeof(int32_t);
  char* block = reinterpret_cast<char*>(BlockOf(pointers + tags + text + count) + 1);
  auto* lemmaArray = reinterpret_cast<char**>(block);
  auto* tagArray = reinterpret_cast<int32_t*>(block + pointers);
  char* at = block + pointers + tags;
  for (size_t i = 0; i < count; ++i) {
    const char* lemma = nullptr;
    size_t length = 0;
    reading(i, tagArray[i], lemma, length);
    // Lemmas are short: a plain loop beats a call to memcpy.
    for (size_t k = 0; k < length; ++k) at[k] = lemma[k];
    at[length] = '\0';
    lemmaArray[i] = at;
    at += length + 1;
  }
  result->count = static_cast<int32_t>(count);
  result->lemmas = lemmaArray;
  result->tags = tagArray;
}

}  // namespace

void FillResult(LemmatizerResult* result, const ReadingList& readings) {
  WriteRecord(result, readings.Size(), readings.TextSize(),
              [&readings](size_t i, int32_t& tag, const char*& lemma, size_t& length) {
                tag = readings.Tag(i);
                lemma = readings.Lemma(i);
                length = readings.LemmaLength(i);
              });
}

void FillResult(LemmatizerResult* result, size_t count, const int32_t* tags, const uint8_t* lengths,
                const char* text) {
  size_t bytes = 0;
  for (size_t i = 0; i < count; ++i) bytes += lengths[i];
  const char* next = text;
  WriteRecord(result, count, bytes,
              [&](size_t i, int32_t& tag, const char*& lemma, size_t& length) {
                tag = tags[i];
                lemma = next;
                length = lengths[i];
                next += length;
              });
}

}  // namespace lemmatizer
