#include "dictionary/reading_list.h"

#include <string>

namespace lemmatizer {

void ReadingList::AddGrowing(std::string_view lemma, int32_t tag, ReadingSource source) {
  // The lemma may be one of this list's: keep a copy while the buffer moves.
  const std::string copy(lemma);
  const size_t needed = m_textSize + copy.size() + 1;
  m_text.resize(needed < 2 * m_text.size() ? 2 * m_text.size() : needed + 64);
  Add(copy, tag, source);
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
