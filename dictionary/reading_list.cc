#include "dictionary/reading_list.h"

#include <cstring>

namespace lemmatizer {

void ReadingList::Add(std::string_view lemma, int32_t tag, ReadingSource source) {
  const size_t offset = m_textSize;
  const size_t needed = offset + lemma.size() + 1;
  if (needed > m_text.size()) {
    // The lemma may be one of this list's: keep a copy while the buffer moves.
    const std::string copy(lemma);
    m_text.resize(needed < 2 * m_text.size() ? 2 * m_text.size() : needed + 64);
    std::memcpy(m_text.data() + offset, copy.data(), copy.size());
  } else {
    std::memcpy(m_text.data() + offset, lemma.data(), lemma.size());
  }
  m_text[offset + lemma.size()] = '\0';
  m_textSize = needed;
  m_items.push_back(
      Item{static_cast<uint32_t>(offset), static_cast<uint32_t>(lemma.size()), tag, source});
}

void ReadingList::Append(const ReadingList& other) {
  for (size_t i = 0; i < other.Size(); ++i) {
    Add(std::string_view(other.Lemma(i), other.LemmaLength(i)), other.Tag(i), other.Source(i));
  }
}

void ReadingList::Append(const ReadingList& other, ReadingSource source) {
  for (size_t i = 0; i < other.Size(); ++i) {
    Add(std::string_view(other.Lemma(i), other.LemmaLength(i)), other.Tag(i), source);
  }
}

}  // namespace lemmatizer
