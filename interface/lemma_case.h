// What the UTF-8 interface reads from a reading's tag and lemma to give the
// lemma its case and the readings their order (word_lookup.h): the classes
// of tags it tells apart, the case class of a lemma, and the re-casing of a
// lemma's first letter.
#ifndef LEMMATIZER_INTERFACE_LEMMA_CASE_H_
#define LEMMATIZER_INTERFACE_LEMMA_CASE_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "dictionary/reading_list.h"

namespace lemmatizer {

// Nouns: common and proper nouns ("NOM..."), nouns made of abbreviations.
bool IsNounTag(int32_t tag);

// Common nouns in the plural ("NOMCup", "NOMCfp", "NOMCpg").
bool IsPluralNounTag(int32_t tag);

// Untagged readings ("ANYC", "H0"): the lexicon gave no part of speech, so
// the case of their lemma is not known either.
bool IsUntaggedTag(int32_t tag);

// The closed classes: pronouns, articles and determiners, prepositions,
// conjunctions and particles.
bool IsClosedClassTag(int32_t tag);

// Adjectives ("ADJ...").
bool IsAdjectiveTag(int32_t tag);

// The name of a letter: a common noun whose lemma is one letter. Lexicons
// list one for every letter, but running text seldom means it ("I", "a").
bool IsLetterName(const ReadingList& readings, size_t i);

// `lemma` with its first cased letter a capital (title case for the
// digraph letters) or a small letter.
std::string WithFirstLetter(std::string_view lemma, bool capital);

enum class LemmaCase { kCapital, kSmall, kNone };

// The case of reading i's lemma as the order of readings sees it: by its
// first cased letter. The readings the PWD dictionary puts behind the main
// dictionary's have none (they keep their place), nor do the untagged
// readings of a language that capitalises its nouns.
LemmaCase CaseOf(const ReadingList& readings, size_t i, bool capitalisedNouns);

}  // namespace lemmatizer

#endif  // LEMMATIZER_INTERFACE_LEMMA_CASE_H_
