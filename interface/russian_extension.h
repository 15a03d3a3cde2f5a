// The Russian extension: a table read from a scrambled text file that adds
// extended tags (2000 to 2150) to the readings of Russian words that the
// SWD and PWD dictionaries did not know.
//
// The file's first line starts with "Online Default for Russian"; every
// further line holds four fields separated by white space: a word ending,
// the name of the extended tag to add, and two dictionary tag names (one
// row per distinct name). A candidate reading with tag t of a word gets,
// for the longest ending of the word that has rows for t, one reading with
// the same lemma per such row.
//
// LemmatizeInitRusischExtendPath (exported, lemmatizer.h) checks the file
// and remembers its path. The table is loaded when the first Russian word
// needs it, once per process: a failed load is reported to that word and
// never retried. That state is process-wide and unguarded; the reentrant
// interface gives each language handle a table of its own
// (ReadExtensionTable) and extends with ExtendReadings.
#ifndef LEMMATIZER_INTERFACE_RUSSIAN_EXTENSION_H_
#define LEMMATIZER_INTERFACE_RUSSIAN_EXTENSION_H_

#include <cstdint>
#include <string>
#include <vector>

#include "dictionary/reading_list.h"

namespace lemmatizer {

// The start of the file's first line.
constexpr char kExtensionTitle[] = "Online Default for Russian";

struct ExtendEntry {
  std::string reversedEnding;  // the ending with its bytes reversed
  std::string newTagName;      // extended tag name, checked when used
  int32_t tag;                 // dictionary tag a candidate must carry
};

// Table order: by tag, then by reversed ending byte by byte (unsigned, a
// proper prefix first). The new tag name takes no part.
bool operator<(const ExtendEntry& a, const ExtendEntry& b);

// Fills `table` from the extension file at `path` and sorts it. Raises,
// as a text pointer, "open extend file error : ..." for a file that cannot
// be read and "open extend file title line error!" for a wrong title line;
// an unknown dictionary tag name raises the tag table's string object,
// after the rows read so far have been sorted. Lines with fewer than four
// fields, or with a field longer than the file format allows (127 bytes
// for the ending, 31 for a name), are skipped; a line longer than 1023
// bytes ends the reading. Changes nothing but `table`.
void ReadExtensionTable(const std::string& path, std::vector<ExtendEntry>& table);

// ReadExtensionTable over the registered file (the exports' table). A
// missing path, an unreadable file or a wrong title line also puts its
// message into the buffer (bounded, strncpy semantics, nothing for a null
// buffer or size 0).
void LoadRusischExtendFile(std::vector<ExtendEntry>& table, char* errorBuffer,
                           int32_t errorBufferSize);

// Appends to `readings` the extended readings of the readings present on
// entry (marked kExtension), by `table`. Raises a string object for an
// unknown extended tag name. Changes nothing but its arguments.
void ExtendReadings(const std::vector<ExtendEntry>& table, const char* word, ReadingList& readings,
                    std::string& scratch);

// The extension step of the exports' pipeline: loads the process-wide table
// on the first call of the process, then extends the readings present on
// entry. Returns 5 when the load failed on this call (its message is in the
// buffer), else 0.
int32_t RusischExtendResults(const char* word, ReadingList& readings, char* errorBuffer,
                             int32_t errorBufferSize);

// The number of an extended tag name; raises the string object
// "lemmatizerf: Language : doesn't contain tag : " followed by the name.
int32_t GetExtTagForString(const std::string& name);

}  // namespace lemmatizer

#endif  // LEMMATIZER_INTERFACE_RUSSIAN_EXTENSION_H_
