// What the German dictionary's two extra files hold, learnt from a lexicon:
// the spelling class of every lemma ending in a sharp s or a double s
// (class 1: written with ß, class 2: with ss), keyed the way the German
// normalizer asks for it, and the verb prefixes after which the lexicon
// shows a "GE" or "ZU" infix (aufgemacht, aufzumachen from aufmachen).
#ifndef LEMMATIZER_TOOLS_COMPILER_GERMAN_DATA_H_
#define LEMMATIZER_TOOLS_COMPILER_GERMAN_DATA_H_

#include <cstdint>
#include <string>
#include <vector>

#include "dictionary/sharp_s_writer.h"
#include "tools/compiler/lexicon.h"

namespace lemmatizer {

struct GermanFileData {
  std::vector<SharpSEntry> sharpS;
  int32_t defaultClass = 2;
  std::vector<std::string> prefixes;  // in key form
};

// Learns both from the lexicon (forms and lemmas in Windows-1252).
GermanFileData LearnGermanFileData(const std::vector<LexiconForm>& forms);

}  // namespace lemmatizer

#endif  // LEMMATIZER_TOOLS_COMPILER_GERMAN_DATA_H_
