// The Russian files beside the main dictionary, learnt from the lexicon:
//   - ru1.pwd: capitalised whole forms of proper nouns (tag NOMP) with their
//     capitalised lemmas, which the main dictionary can only give in lower
//     case;
//   - ru2.pwd: name endings (secondary table): for a capitalised word the
//     main dictionary does not know as a name, the lemma its ending most
//     often leads to, given behind the main dictionary's readings;
//   - ru.txt: the extension file. The lexicon carries no case, number or
//     gender of its own, so it holds the title line only and adds nothing.
#ifndef LEMMATIZER_TOOLS_COMPILER_RUSSIAN_DATA_H_
#define LEMMATIZER_TOOLS_COMPILER_RUSSIAN_DATA_H_

#include <string>
#include <vector>

#include "tools/compiler/lexicon.h"

namespace lemmatizer {

// The text of the two PWD files (unscrambled). Each holds at least one line
// and none ends with a line end, as the PWD loader requires.
void RussianPwdTexts(const std::vector<LexiconForm>& forms, std::string& wholeForms,
                     std::string& endings);

// Writes ru1.pwd, ru2.pwd and ru.txt into `dir`.
bool WriteRussianFiles(const std::vector<LexiconForm>& forms, const std::string& dir,
                       std::string& error);

}  // namespace lemmatizer

#endif  // LEMMATIZER_TOOLS_COMPILER_RUSSIAN_DATA_H_
