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

  // A stored answer: `count` readings, their lemmas one after another in
  // `text`. Valid until the next Store.
  struct Answer {
    int32_t dictionaryHit;
    uint8_t count;
    const int32_t* tags;
    const uint8_t* lengths;
    const ReadingSource* sources;
    const char* text;
  };

  // Whether an answer is stored for the word; if so, `answer` shows it.
  bool Find(const void* owner, uint64_t generation, std::string_view word, Answer* answer) const;

  // Appends an answer's readings to `out`.
  static void AppendTo(const Answer& answer, ReadingList& out);

  // Keeps the answer, when it is small enough, in the word's slot.
  void Store(const void* owner, uint64_t generation, std::string_view word,
             const ReadingList& readings, int32_t dictionaryHit);

 private:
  // 16,384 slots of 192 bytes: 3 MiB, made with the first word looked up.
  static constexpr unsigned kSlotBits = 14;
  static constexpr size_t kSlots = size_t{1} << kSlotBits;
  static constexpr size_t kLongestWord = 24;
  static constexpr size_t kMostReadings = 8;
  static constexpr size_t kTextBytes = 96;

  // Three cache lines: what Find compares, and the counts, in the first;
  // the tags and the lemmas in the other two.
  struct alignas(64) Slot {
    uint64_t word[3] = {0, 0, 0};  // the word's bytes, NUL-padded
    const void* owner = nullptr;
    uint64_t generation = 0;
    int32_t dictionaryHit = 0;
    uint8_t wordLength = 0;
    uint8_t count = 0;
    uint8_t lengths[kMostReadings] = {};  // of the lemmas, in `text` one after another
    ReadingSource sources[kMostReadings] = {};
    int32_t tags[kMostReadings] = {};
    char text[kTextBytes] = {};
  };
  static_assert(sizeof(Slot) == 192, "a slot is three cache lines");

  // The word NUL-padded into `padded`, and its slot; false for a word too
  // long to keep.
  static bool Pad(std::string_view word, uint64_t (&padded)[3], size_t* slot);

  std::vector<Slot> m_slots;
};

}  // namespace lemmatizer

#endif  // LEMMATIZER_INTERFACE_ANSWER_CACHE_H_
