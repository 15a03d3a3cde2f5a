// Writers of the dictionary files the compiler produces: the main
// dictionary (a 500-byte header then the trie records) and the scrambled
// SWD text file.
#ifndef LEMMATIZER_TOOLS_COMPILER_FILE_WRITERS_H_
#define LEMMATIZER_TOOLS_COMPILER_FILE_WRITERS_H_

#include <cstdint>
#include <string>
#include <vector>

#include "tools/compiler/trie_builder.h"

namespace lemmatizer {

// The bytes of a main dictionary file. `header` is cut or NUL-padded to
// the 500 bytes of the header block.
std::string MainDictionaryBytes(const std::string& header, const std::vector<TrieRecord>& records);

struct SwdLine {
  std::string source;  // as the lookup folds it
  std::string lemma;
  std::vector<int32_t> tags;  // tag numbers
};

// The plain text of an SWD file: "source;lemma;TAG TAG\n" per line. False
// when a source or lemma cannot be written in the format (a ';', a line
// end, or a leading blank), with `bad` naming it.
bool SwdText(const std::vector<SwdLine>& lines, std::string& text, std::string& bad);

// Writes `bytes` to `path`; false when that fails.
bool WriteBytes(const std::string& path, const std::string& bytes);

// Writes `text` scrambled as the library's text files are.
bool WriteScrambled(const std::string& path, const std::string& text);

}  // namespace lemmatizer

#endif  // LEMMATIZER_TOOLS_COMPILER_FILE_WRITERS_H_
