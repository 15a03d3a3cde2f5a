#include "interface/lemm_results.h"

#include "interface/word_lookup.h"

namespace lemmatizer {

void AppendReadings(const ReadingList& list, std::vector<ResultReading>& items, std::string& text) {
  for (size_t i = 0; i < list.Size(); ++i) {
    items.push_back(ResultReading{text.size(), list.Tag(i), IsKnownSource(list.Source(i))});
    text.append(list.Lemma(i), list.LemmaLength(i));
    text += '\0';
  }
}

}  // namespace lemmatizer
