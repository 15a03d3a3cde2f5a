// Where the command-line tools find the dictionaries when they are not told:
// $LEMM_DICTIONARIES, else next to the installed program
// (<prefix>/share/lemmatizer/ beside <prefix>/bin/), else, for a program
// run from the build tree, the build's dict/ (build/dict/ for
// build/tools/lemm/lemm). Each is a directory that holds lemm/.
#ifndef LEMMATIZER_TOOLS_LEMM_DICTIONARY_DIR_H_
#define LEMMATIZER_TOOLS_LEMM_DICTIONARY_DIR_H_

#include <string>

namespace lemmatizer {

// The directory, ending with '/'; the installed place when none of them
// holds lemm/ (so that messages name where dictionaries are expected).
std::string DefaultDictionaryDir();

}  // namespace lemmatizer

#endif  // LEMMATIZER_TOOLS_LEMM_DICTIONARY_DIR_H_
