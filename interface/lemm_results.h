// The result objects of the reentrant interface (lemm.h): the readings of a
// word and the tokens of an analysed text, as the C accessors read them.
//
// A lemm_readings is either owned by its caller (lemm_lemmatize made it; it
// holds its readings and lemma text itself) or a view into a lemm_analysis,
// which holds the readings and lemmas of all its tokens in one array and
// one text. Lemmas are stored NUL-terminated, one after the other, and
// referred to by offset.
#ifndef LEMMATIZER_INTERFACE_LEMM_RESULTS_H_
#define LEMMATIZER_INTERFACE_LEMM_RESULTS_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "dictionary/reading_list.h"
#include "interface/tokenizer.h"

namespace lemmatizer {

struct ResultReading {
  size_t lemmaOffset;
  int32_t tag;
  bool known;
};

// Appends the readings of `list` (UTF-8 lemmas) to `items` and `text`.
void AppendReadings(const ReadingList& list, std::vector<ResultReading>& items, std::string& text);

}  // namespace lemmatizer

struct lemm_readings {
  int status = 0;
  size_t count = 0;
  const lemmatizer::ResultReading* items = nullptr;
  const char* text = nullptr;
  bool owned = false;  // made by lemm_lemmatize, released by lemm_readings_destroy
  std::vector<lemmatizer::ResultReading> ownItems;
  std::string ownText;
};

struct lemm_analysis {
  std::vector<lemmatizer::Token> tokens;
  std::vector<lemm_readings> readings;  // one per token; views into the two below
  std::vector<lemmatizer::ResultReading> items;
  std::string text;
};

#endif  // LEMMATIZER_INTERFACE_LEMM_RESULTS_H_
