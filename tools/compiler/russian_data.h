// The Russian files beside the main dictionary, learnt from the lexicon:
//   - ru1.pwd: capitalised whole forms of proper nouns (tag NOMP) with their
//     capitalised lemmas, which the main dictionary can only give in lower
//     case;
//   - ru2.pwd: name endings (secondary table): for a capitalised word the
//     main dictionary does not know as a name, the lemma its ending most
//     often leads to, given behind the main dictionary's readings;
//   - the extension file, under the names of both creation entry points
//     (ru.txt and ru-all.txt): the rows learnt from the case readings of the
//     forms (tools/compiler/russian_cases.h); without case readings it holds
//     the title line only and adds nothing.
#ifndef LEMMATIZER_TOOLS_COMPILER_RUSSIAN_DATA_H_
#define LEMMATIZER_TOOLS_COMPILER_RUSSIAN_DATA_H_

#include <string>
#include <vector>

#include "interface/russian_extension_writer.h"
#include "registry/languages.h"
#include "tools/compiler/lexicon.h"

namespace lemmatizer {

// The text of the two PWD files (unscrambled). Each holds at least one line
// and none ends with a line end, as the PWD loader requires.
void RussianPwdTexts(const std::vector<LexiconForm>& forms, std::string& wholeForms,
                     std::string& endings);

// Writes the PWD and extension files of `language` below `outDir` (as
// LemmatizeCreate and LemmatizerCreateEx name them); the extension file
// holds `extensionRows`.
bool WriteRussianFiles(const std::vector<LexiconForm>& forms,
                       const std::vector<ExtensionRow>& extensionRows, const Language& language,
                       const std::string& outDir, std::string& error);

}  // namespace lemmatizer

#endif  // LEMMATIZER_TOOLS_COMPILER_RUSSIAN_DATA_H_
