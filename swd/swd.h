// CSWD: the per-language table of listed word forms and multi-word
// expressions, each with its lemma and a set of tags given by name. The
// pipeline asks it first; when it knows a form its answer is final.
//
// The file is scrambled text (scrambled_file.h), one entry a line:
// "source;lemma;TAG TAG ...", or "source;;TAG ..." for a lemma equal to the
// source. Load reports every problem through the caller's error text and
// never raises; a non-empty error text fails the language's creation.
#ifndef LEMMATIZER_SWD_SWD_H_
#define LEMMATIZER_SWD_SWD_H_

#include <cstdint>
#include <map>
#include <string>
#include <unordered_set>
#include <vector>

#include "registry/languages.h"

struct SwdEntry {
  std::string lemma;
  // The tag numbers (1 to 1849) the entry yields, ascending, each once: a
  // set kept as a sorted list, which costs a few bytes where a bit per tag
  // number would cost 232 for every entry.
  std::vector<int32_t> tags;
};

class CSWD {
 public:
  // `language` is the code exactly as the caller gave it; `unused` has no
  // effect.
  CSWD(const char* language, int unused);
  CSWD(const CSWD&) = delete;
  CSWD& operator=(const CSWD&) = delete;
  ~CSWD();

  // Reads the file; every problem makes `error` non-empty. A line cut off
  // by the end of the file is not used; a line without a source, lemma or
  // tag field ends the reading; an unknown tag name is reported and the
  // entry kept without it.
  void Load(const char* path, std::string& error);

  // Empties both lists and appends the lemma and tag of every matching
  // entry's tags. The key is the word with its first letter lowered (and,
  // for Russian and Greek codes, a few letter variants folded); entries
  // match from the key's position on as long as their source equals it
  // ignoring Latin-1 case. Returns true when at least one entry matched,
  // even one without tags.
  bool Lookup(const char* word, std::vector<std::string>& lemmas, std::vector<int32_t>& tags);

  // The key under which Lookup searches `word`: what a file's source for
  // that word must be.
  std::string LookupKey(const char* word) const;

  // `text` with the case folding under which Lookup compares sources: two
  // sources meet the same words when their folded forms are equal.
  static std::string FoldedSource(const std::string& text);

 private:
  // Folds each run of neighbouring entries with equal source and lemma into
  // its first entry, uniting their tags.
  void MergeNeighbours();

  std::multimap<std::string, SwdEntry> m_entries;
  std::string m_language;
  lemmatizer::SwdKeyKind m_keyKind;                 // how Lookup makes its key
  std::unordered_set<std::string> m_foldedSources;  // index of the sources, folded
};

#endif  // LEMMATIZER_SWD_SWD_H_
