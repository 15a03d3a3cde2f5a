// The lookup of one UTF-8 word through a language handle, with the letter
// case of running text taken into account.
//
// The word is converted into the language's code page and takes the road
// of the exports' pipeline: the special forms (not for the Russian road),
// a word too long to look up, SWD, PWD and the main dictionary, then the
// Russian extension. On top of that:
//   - other spellings: a word with capitals is also looked up in lower
//     case, and in a language that capitalises its nouns a word in capitals
//     also with only its first letter a capital. What the dictionary knows
//     in those spellings follows the readings of the word's own spelling
//     (without readings that differ only in case), or comes first when the
//     dictionary does not know the word in its own spelling (only a special
//     form or a guess), unless it knows a word in capitals only as a name
//     ("NASA" -> "Nasa"): that word is then more likely an acronym and
//     answers itself first; so does one of at most four letters that it
//     knows in lower case only untagged as itself ("WOW"). A word known in
//     no spelling answers itself first, then the guesses. A word with
//     typographic apostrophes (’) that the dictionary does not know is
//     looked up with ' instead;
//   - lemma case: lemmas keep the case the dictionary gives them, never the
//     word's; in a language that capitalises its nouns, the main
//     dictionary's lemma of a noun begins with a capital and every other
//     tagged lemma with a small letter, and at the start of a sentence an
//     untagged lemma rebuilt from the word loses the word's capital;
//   - names: a capitalised word inside a sentence whose readings are all in
//     lower case, the first no pronoun, article, preposition or the like,
//     is most likely a name (not so in a language that capitalises its
//     nouns): a guessed name (tag NOMP) comes first, the word itself or,
//     where names take case endings, the first lemma with a capital, and
//     where a plural name's lemma is its singular, the singular of a
//     plural the lexicon holds as a common noun's ("Iraqis" -> Iraqi). So
//     is the first word of a sentence that the word list says the lexicon
//     does not hold. A name guessed from the word's ending keeps the word's
//     capital;
//   - order: for a word with a capital first letter, readings whose lemma
//     begins with a capital come first, or, for the first word of a
//     sentence, those whose lemma begins with a small letter (but for an
//     untagged one that only writes the word small, "dr" of "Dr", where a
//     tagged reading exists); for a word in lower case, those in lower
//     case; for a word in capitals the dictionary's order stands; the names
//     of letters ("i" of "I") come last; a reading that repeats an earlier one
//     (lemma and tag) is dropped.
// The readings come back with UTF-8 lemmas in a ReadingList whose sources
// say which were known and which guessed.
//
// A WordLookup holds the scratch buffers of one thread: each thread uses
// its own, over one shared, unchanging handle.
#ifndef LEMMATIZER_INTERFACE_WORD_LOOKUP_H_
#define LEMMATIZER_INTERFACE_WORD_LOOKUP_H_

#include <string>
#include <string_view>

#include "dictionary/reading_list.h"
#include "interface/language_handle.h"
#include "interface/pipeline.h"

namespace lemmatizer {

// Whether a reading of this source is the dictionary's knowledge of the
// form rather than a guess or a form answered without a dictionary.
bool IsKnownSource(ReadingSource source);

class WordLookup {
 public:
  explicit WordLookup(const lemm_language& language) : m_language(language) {}

  // Fills `answer` with the readings of `word` (valid UTF-8). False, with
  // `answer` empty, when the word holds a character the code page cannot
  // write. Raises what the dictionaries raise.
  bool Lemmatize(std::string_view word, bool sentenceStart, ReadingList& answer);

  // Whether the dictionary knows `word` (valid UTF-8) in its own spelling.
  bool Knows(std::string_view word);

 private:
  // The readings of one spelling, lemmas in UTF-8; false when the code page
  // cannot write it.
  bool LookUpSpelling(std::string_view utf8, ReadingList& out);
  // Appends to `out` the readings of the dictionary's list of forms whose
  // lemma is `word` as written, a word in capitals: the lexicon lists it so
  // ("US"), where the pipeline would answer it without a dictionary; or
  // the word written with stops ("AM" -> a.m.).
  void AddListedCapitals(std::string_view word, ReadingList& out);
  // Appends to `m_variants` what the dictionary knows of `spelling` when it
  // is another spelling than `word`.
  void AddKnownSpelling(std::string_view spelling, std::string_view word);
  // The readings of `word` and of its other spellings (see above): in
  // `m_own`, `m_variants` or `m_variant`; null when it cannot be written.
  const ReadingList* CollectReadings(std::string_view word);
  // `readings` with the lemmas' case set, into `out`.
  void SetLemmaCase(const ReadingList& readings, bool sentenceStart, bool titled,
                    ReadingList& out) const;
  // Whether the lexicon holds `word` in some case: its word list says so, or,
  // without one, m_probe holds a reading from the dictionary's own words.
  bool IsKnownWord(std::string_view word) const;
  // Puts a guessed name in front of `readings` of a capitalised `word`
  // (`known`: whether the lexicon holds it), when they are all in lower
  // case and the first is no closed-class word.
  void GuessName(std::string_view word, bool known, ReadingList& readings);
  // `readings` with the lemmas' case set, reordered for the word, without
  // repetitions, into `answer`.
  void Finish(const ReadingList& readings, std::string_view word, bool sentenceStart,
              ReadingList& answer);

  const lemm_language& m_language;
  WordScratch m_scratch;
  ReadingList m_codePage;  // the pipeline's readings, in the code page
  ReadingList m_own, m_variant, m_variants, m_probe, m_unknown, m_listed;
  std::string m_bytes, m_lemma, m_extension;
};

}  // namespace lemmatizer

#endif  // LEMMATIZER_INTERFACE_WORD_LOOKUP_H_
