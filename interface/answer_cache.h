// AnswerCache: the answers of the dictionary cascade for the words looked up
// last, so that the words running text repeats again and again ("the",
// "of", "und") are answered without walking the dictionaries. A small
// direct-mapped table: each word has one slot, which keeps the last word
// that went there, if its answer is small enough to keep.
//
// An answer belongs to the language objects it came from (`owner`) and to
// the registry's generation (registry/lemmatizer_factory.h), which changes
// whenever languages are freed or created, so that objects built at the
// address of freed ones never see their answers.
#ifndef LEMMATIZER_INTERFACE_ANSWER_CACHE_H_
#define LEMMATIZER_INTERFACE_ANSWER_CACHE_H_

#include <cstdint>
#include <string_view>
#include <vector>

#include "dictionary/reading_list.h"

namespace lemmatizer {

class AnswerCache {
 public:
  AnswerCache();

  // The answer stored for the word, into `out` (appended) and
  // `dictionaryHit`; false when there is none.
  bool Find(const void* owner, uint64_t generation, std::string_view word, ReadingList& out,
            int32_t* dictionaryHit) const;

  // Keeps the answer, when it is small enough, in the word's slot.
  void Store(const void* owner, uint64_t generation, std::string_view word,
             const ReadingList& readings, int32_t dictionaryHit);

 private:
  static constexpr size_t kSlots = 2048;
  static constexpr size_t kLongestWord = 24;
  static constexpr size_t kMostReadings = 6;
  static constexpr size_t kTextBytes = 56;

  struct Slot {
    uint64_t word[3] = {0, 0, 0};  // the word's bytes, NUL-padded
    const void* owner = nullptr;
    uint64_t generation = 0;
    int32_t dictionaryHit = 0;
    int32_t tags[kMostReadings];
    uint8_t lengths[kMostReadings];  // of the lemmas, in `text` one after another
    ReadingSource sources[kMostReadings];
    uint8_t count = 0;
    char text[kTextBytes];
  };

  // The word NUL-padded into `padded`, and its slot. A word with a NUL
  // byte of its own could not be told from a shorter one: it gets none.
  static bool Pad(std::string_view word, uint64_t (&padded)[3], size_t* slot);

  std::vector<Slot> m_slots;
};

}  // namespace lemmatizer

#endif  // LEMMATIZER_INTERFACE_ANSWER_CACHE_H_
