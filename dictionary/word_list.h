// The word list of a language: whether its lexicon holds a form, in any
// case ("<code>-words.bin", doc/formats.md).
//
// The main dictionary cannot say it: its trie gives a word that ends like
// known words their readings, so a name it has never seen looks as known as
// a common word. The list is a Bloom filter over the lexicon's forms in
// lower case: it never says no to a form it holds, and says yes to about
// one in a hundred forms it does not hold. A loaded list is never changed:
// any number of threads may ask it at once.
#ifndef LEMMATIZER_DICTIONARY_WORD_LIST_H_
#define LEMMATIZER_DICTIONARY_WORD_LIST_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lemmatizer {

class WordList {
 public:
  // Reads the list at `path`. Raises, as a text pointer, "cannot read word
  // list : PATH", "unsupported format version in file : PATH" and "checksum
  // error in file : PATH (the file is damaged)" (also for a file whose
  // header or size is wrong).
  explicit WordList(const std::string& path);

  // Whether the lexicon holds `utf8` in some case (probably, for a yes).
  bool Holds(std::string_view utf8) const;

  uint64_t BitCount() const { return m_bits; }

 private:
  std::vector<char> m_bytes;  // the bits, after the header
  uint64_t m_bits = 0;
  int m_hashes = 0;
};

// The digest of a word: the 64-bit FNV-1a digest of the word in lower case
// (UTF-8). Bit i of the positions it sets, below `bits`, comes from it by
// double hashing. The writer (word_list_writer.h) and the reader share them.
uint64_t WordListDigest(std::string_view utf8);
inline uint64_t WordListBit(uint64_t digest, int i, uint64_t bits) {
  return ((digest & 0xFFFFFFFFu) + ((digest >> 32) | 1) * static_cast<uint64_t>(i)) % bits;
}

}  // namespace lemmatizer

#endif  // LEMMATIZER_DICTIONARY_WORD_LIST_H_
