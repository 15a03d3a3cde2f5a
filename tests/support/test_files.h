// Files that the tests write: main dictionaries from explicit records (well
// formed or deliberately malformed), small tries built from keys, and
// scrambled text files, each in a fresh temporary directory.
#ifndef LEMMATIZER_TESTS_SUPPORT_TEST_FILES_H_
#define LEMMATIZER_TESTS_SUPPORT_TEST_FILES_H_

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "dictionary/hsq_format.h"

namespace testing_support {

struct HsqRecord {
  char key;
  int32_t value;
};

// One key (normalized word without the leading '#') and its readings.
using TrieEntry = std::pair<std::string, std::vector<lemmatizer::HsqResult>>;

// A well-formed trie over "#" + key, walked from the key's end: the readings
// of a key sit as result records keyed '#' at the node its characters lead
// to, and every node ends with a '+' record leading to a node that yields
// nothing, so a word that is no key has no reading. With `fallback`
// non-empty, the root's '+' yields these readings instead (every unknown
// word gets them).
std::vector<HsqRecord> BuildTrie(const std::vector<TrieEntry>& entries,
                                 const std::vector<lemmatizer::HsqResult>& fallback = {});

// The bytes of a main dictionary file: the header padded with NUL bytes (or
// cut) to 500 bytes, the records, then `trailing` bytes.
std::string HsqBytes(const std::vector<HsqRecord>& records, const std::string& header = "",
                     const std::string& trailing = "");

// A new empty directory below the system's temporary directory, ending
// with '/'. Removed when the process ends.
std::string MakeTempDir();

// Writes `bytes` to `path` (binary).
void WriteFile(const std::string& path, const std::string& bytes);

// Writes `text` to `path` scrambled as the library's text files are.
void WriteScrambledFile(const std::string& path, const std::string& text);

// Runs the dictionary compiler at `compiler` (lemm-build) for `code` over
// `lexicon` (form<TAB>lemma<TAB>tag lines) in a new temporary directory and
// returns that directory, whose lemm/ then holds the files. Throws
// std::runtime_error, naming the command, when the compiler fails.
std::string CompileLexicon(const std::string& compiler, const std::string& code,
                           const std::string& lexicon);

}  // namespace testing_support

#endif  // LEMMATIZER_TESTS_SUPPORT_TEST_FILES_H_
