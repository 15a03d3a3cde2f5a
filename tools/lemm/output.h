// lemm's output: the lines of one piece of input, as text (form, lemma,
// tag name) or as JSON lines, and the words its language cannot write.
#ifndef LEMMATIZER_TOOLS_LEMM_OUTPUT_H_
#define LEMMATIZER_TOOLS_LEMM_OUTPUT_H_

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "interface/lemm.h"
#include "tools/lemm/options.h"

namespace lemmatizer {

struct Output {
  std::string text;
  std::vector<std::string> unwritable;  // words the code page cannot write, in input order
};

// Appends the tokens of `analysis` of `text`, whose first byte is byte
// `base` of its file.
void FormatAnalysis(const lemm_analysis* analysis, std::string_view text, size_t base,
                    const Options& options, Output& out);

// Appends one word, at byte `offset` of its file, with its readings.
void FormatWord(std::string_view word, const lemm_readings* readings, size_t offset,
                const Options& options, Output& out);

// `text` as a JSON string.
std::string JsonString(std::string_view text);

}  // namespace lemmatizer

#endif  // LEMMATIZER_TOOLS_LEMM_OUTPUT_H_
