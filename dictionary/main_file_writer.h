// The writer of the main dictionary file ("<code>-cwd.hsq"), in the format
// dictionary/lemmatizer.h reads (doc/formats.md): the 500-byte header block
// and the trie records.
#ifndef LEMMATIZER_DICTIONARY_MAIN_FILE_WRITER_H_
#define LEMMATIZER_DICTIONARY_MAIN_FILE_WRITER_H_

#include <string>
#include <vector>

#include "dictionary/main_file_header.h"
#include "dictionary/trie_writer.h"

namespace lemmatizer {

// The bytes of a main dictionary file. The header block is a title line,
// the checked lines of `checked` (its format and, when `hasEndings`, the
// ending table's digest; the records' checksum is computed here), then
// `description` ("name: value" lines), cut or NUL-padded to 500 bytes.
std::string MainDictionaryBytes(const MainFileHeader& checked, const std::string& description,
                                const std::vector<TrieRecord>& records);

}  // namespace lemmatizer

#endif  // LEMMATIZER_DICTIONARY_MAIN_FILE_WRITER_H_
