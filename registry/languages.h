// The languages of the library: one row per language code, generated at
// build time from registry/languages.tsv, the only place where the set of
// languages and their traits is written down (that file describes every
// column). The library, its tools and the data scripts all read it.
//
// Everything a language's code decides (its code page, its main
// dictionary's normalizer and rules, the files it reads, the road its words
// take through the pipeline) is read from its row once, when the language
// is created or its code is looked up, never by comparing codes per word.
#ifndef LEMMATIZER_REGISTRY_LANGUAGES_H_
#define LEMMATIZER_REGISTRY_LANGUAGES_H_

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lemmatizer {

enum class Script { kLatin, kCyrillic, kGreek };

// How the main dictionary turns a word into its key and a key into a lemma.
enum class NormalizerKind { kDefault, kGerman, kGreek, kRussian };

// Which lemcode rules rebuild a lemma. kTable appends an entry of the ending
// table; kFrench and kAlbanian are its two variants.
enum class RulesKind { kTable, kFrench, kAlbanian, kSpanish, kGerman, kRussian, kR4 };

// How the SWD lookup makes a word's key.
enum class SwdKeyKind { kDefault, kRussian, kGreek };

// Files a language reads besides its main dictionary and its SWD file.
enum LanguageFile : unsigned {
  kPrefixFile = 1u,     // "<code>-prfx.hsq"
  kSharpSFile = 2u,     // "<code>-ss.hsq"
  kPwdFiles = 4u,       // "<code>1.pwd", "<code>2.pwd"
  kExtensionFile = 8u,  // the Russian extension file
};

struct Language {
  const char* code;  // two characters, lower case
  const char* name;  // English name
  Script script;
  int codePage;  // 1250, 1251, 1252 or 1253
  NormalizerKind normalizer;
  RulesKind rules;
  int32_t endingCount;         // entries of the ending table; 0: none
  const char* lemcodeMessage;  // printf format of a lemcode outside the table, or null
  const char* prefix;          // removed from longer stems, in the code page, or null
  SwdKeyKind swdKey;
  const char* edition;    // the first edition of a second edition, or null
  unsigned files;         // LanguageFile flags
  bool capitalisedNouns;  // nouns are written with a capital (German)
  bool inflectedNames;    // names take case endings
  // Names take no case endings, but a name in the plural is the plural of
  // its singular ("Iraqis" of Iraqi).
  bool pluralNames;
  // The UTF-8 interface takes a capitalised word inside a sentence that the
  // dictionary knows only in lower case for a name (a word it does not know,
  // or knows first as a name, is taken for one in every language without
  // capitalised nouns).
  bool guessesNames;
  // The UTF-8 interface's tokenizer: comma-separated UTF-8 words with an
  // apostrophe, or null. Elisions lean on the next word ("l'"), clitics on
  // the word before ("'s", "n't").
  const char* elisions;
  const char* clitics;

  bool IsSecondEdition() const { return edition != nullptr; }
  bool Reads(LanguageFile file) const { return (files & file) != 0; }
  // A language with the extension file takes the Russian road through the
  // pipeline: no special forms, extended tags at the end.
  bool TakesRussianRoad() const { return Reads(kExtensionFile); }
  // The UTF-8 interface needs to know whether the lexicon holds a word to
  // tell a name from a common word: the dictionary compiler writes the
  // word list "<code>-words.bin" (dictionary/word_list.h) for these rows.
  bool ListsWords() const { return !capitalisedNouns; }
};

// The generated rows (languages_data.cc), in table order.
extern const Language kLanguageRows[];
extern const size_t kLanguageRowCount;

// The rows in table order; `count` receives their number.
const Language* Languages(size_t* count);

// The row of a lower-case code (exact bytes), or null.
const Language* FindLanguage(std::string_view code);

// The row of a code as a caller spelt it, when it is the row's code in
// lower case, in upper case or with only its first letter in upper case
// ("ru", "RU", "Ru"; not "rU"): the spellings under which the SWD
// dictionary recognises its language. Null otherwise.
const Language* FindLanguageAsSpelt(std::string_view code);

// The code page of a code compared without regard to case, or 0 for a code
// that is not in the table.
int CodePageForLanguage(std::string_view code);

}  // namespace lemmatizer

#endif  // LEMMATIZER_REGISTRY_LANGUAGES_H_
