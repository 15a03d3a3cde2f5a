#include "interface/answer_cache.h"

#include <cstring>

namespace lemmatizer {

AnswerCache::AnswerCache() : m_slots(kSlots) {}

bool AnswerCache::Pad(std::string_view word, uint64_t (&padded)[3], size_t* slot) {
  if (word.size() > kLongestWord) return false;
  padded[0] = padded[1] = padded[2] = 0;
  std::memcpy(padded, word.data(), word.size());
  uint64_t hash = (padded[0] * 0x9E3779B97F4A7C15ull) ^ (padded[1] * 0xC2B2AE3D27D4EB4Full) ^
                  (padded[2] * 0x165667B19E3779F9ull);
  *slot = static_cast<size_t>(hash >> (64 - kSlotBits));
  return true;
}

bool AnswerCache::Find(const void* owner, uint64_t generation, std::string_view word,
                       Answer* answer) const {
  uint64_t padded[3];
  size_t at = 0;
  if (!Pad(word, padded, &at)) return false;
  const Slot& slot = m_slots[at];
  if (slot.word[0] != padded[0] || slot.word[1] != padded[1] || slot.word[2] != padded[2] ||
      slot.wordLength != word.size() || slot.owner != owner || slot.generation != generation) {
    return false;
  }
  *answer =
      Answer{slot.dictionaryHit, slot.count, slot.tags, slot.lengths, slot.sources, slot.text};
  return true;
}

void AnswerCache::AppendTo(const Answer& answer, ReadingList& out) {
  const char* text = answer.text;
  for (uint8_t i = 0; i < answer.count; ++i) {
    out.Add(std::string_view(text, answer.lengths[i]), answer.tags[i], answer.sources[i]);
    text += answer.lengths[i];
  }
}

void AnswerCache::Store(const void* owner, uint64_t generation, std::string_view word,
                        const ReadingList& readings, int32_t dictionaryHit) {
  uint64_t padded[3];
  size_t at = 0;
  if (readings.Size() > kMostReadings || !Pad(word, padded, &at)) return;
  size_t text = 0;
  for (size_t i = 0; i < readings.Size(); ++i) text += readings.LemmaLength(i);
  if (text > kTextBytes) return;
  Slot& slot = m_slots[at];
  slot.owner = owner;
  slot.generation = generation;
  slot.dictionaryHit = dictionaryHit;
  slot.count = static_cast<uint8_t>(readings.Size());
  std::memcpy(slot.word, padded, sizeof(padded));
  slot.wordLength = static_cast<uint8_t>(word.size());
  char* to = slot.text;
  for (size_t i = 0; i < readings.Size(); ++i) {
    slot.tags[i] = readings.Tag(i);
    slot.sources[i] = readings.Source(i);
    slot.lengths[i] = static_cast<uint8_t>(readings.LemmaLength(i));
    std::memcpy(to, readings.Lemma(i), readings.LemmaLength(i));
    to += readings.LemmaLength(i);
  }
}

}  // namespace lemmatizer
