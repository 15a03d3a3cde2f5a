// The case readings of Russian forms and the extension rows learnt from them.
//
// A case file holds UTF-8 lines "form<TAB>tag-name<TAB>NAME NAME ...": a form
// (lower case), the dictionary tag of one of its readings, and the extended
// tag names (case, number, gender: "GSM", "NPF", "API") that the reading
// stands for in the source paradigms. The extension step gives a reading
// with tag t, for the longest ending of the word that has rows for t, one
// extended reading per row of that ending; the rows learnt here are chosen
// so that this lookup gives each form's names back:
//   - for every tag and every ending of 1 to `maxEnding` bytes, the names
//     that at least `minPercent` per cent of the forms with that tag and
//     ending carry;
//   - an ending of two bytes or more only when at least `minForms` forms
//     have it, and only when its names differ from those of the longest
//     shorter ending that is kept (which the lookup would fall back to).
#ifndef LEMMATIZER_TOOLS_COMPILER_RUSSIAN_CASES_H_
#define LEMMATIZER_TOOLS_COMPILER_RUSSIAN_CASES_H_

#include <cstdint>
#include <string>
#include <vector>

#include "interface/russian_extension_writer.h"

namespace lemmatizer {

struct CaseReading {
  std::string form;                // in the code page, lower case
  int32_t tag;                     // dictionary tag number
  std::vector<std::string> names;  // extended tag names
};

struct CaseLearning {
  int minPercent = 5;
  int minForms = 5;
  size_t maxEnding = 5;
};

// Reads a case file; lines that are malformed, not writable in the code
// page, or that name an unknown dictionary or extended tag are skipped and
// counted in `skipped`. False with `error` set when the file cannot be read.
bool ReadCaseReadings(const std::string& path, int codePage, std::vector<CaseReading>& readings,
                      int64_t& skipped, std::string& error);

// The extension rows for the readings, sorted by tag name, ending and name.
std::vector<ExtensionRow> LearnExtensionRows(const std::vector<CaseReading>& readings,
                                             const CaseLearning& learning = CaseLearning());

}  // namespace lemmatizer

#endif  // LEMMATIZER_TOOLS_COMPILER_RUSSIAN_CASES_H_
