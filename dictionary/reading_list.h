// ReadingList: the readings (lemma, tag) of one word as a lookup collects
// them, in answer order, with where each came from. It keeps its storage
// between words, so that looking up a word allocates nothing once the list
// has grown to the size words need: lemmas live in one byte buffer,
// NUL-terminated, and the readings refer to them by offset.
#ifndef LEMMATIZER_DICTIONARY_READING_LIST_H_
#define LEMMATIZER_DICTIONARY_READING_LIST_H_

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lemmatizer {

// Where a reading came from.
enum class ReadingSource : uint8_t {
  kSpecialForm,  // answered without a dictionary (";", capitals, ...)
  kOverlong,     // a word too long to look up is its own lemma
  kSwd,          // listed in the SWD dictionary
  kPwd,          // the PWD dictionary's whole forms or endings
  kTrie,         // the main dictionary, every step of the walk on the word's own bytes
  kTrieGuess,    // the main dictionary, through a wildcard record: a guess
  kExtension,    // an extended tag of the Russian extension
  kPwdBehind,    // the PWD dictionary's secondary endings, put behind the main dictionary's
};

class ReadingList {
 public:
  void Clear() {
    m_textSize = 0;
    m_items.clear();
  }
  void Add(std::string_view lemma, int32_t tag, ReadingSource source) {
    const size_t offset = m_textSize;
    if (offset + lemma.size() + 1 > m_text.size()) return AddGrowing(lemma, tag, source);
    char* at = m_text.data() + offset;
    for (size_t i = 0; i < lemma.size(); ++i) at[i] = lemma[i];
    at[lemma.size()] = '\0';
    m_textSize = offset + lemma.size() + 1;
    m_items.push_back(
        Item{static_cast<uint32_t>(offset), static_cast<uint32_t>(lemma.size()), tag, source});
  }
  // Appends every reading of `other`, with its source or with `source`.
  void Append(const ReadingList& other);
  void Append(const ReadingList& other, ReadingSource source);

  size_t Size() const { return m_items.size(); }
  bool Empty() const { return m_items.empty(); }
  // Valid until the list changes.
  const char* Lemma(size_t i) const { return m_text.data() + m_items[i].offset; }
  size_t LemmaLength(size_t i) const { return m_items[i].length; }
  int32_t Tag(size_t i) const { return m_items[i].tag; }
  ReadingSource Source(size_t i) const { return m_items[i].source; }
  // Bytes of all lemmas with their NUL terminators.
  size_t TextSize() const { return m_textSize; }

 private:
  // Add when the text buffer must grow first.
  void AddGrowing(std::string_view lemma, int32_t tag, ReadingSource source);

  struct Item {
    uint32_t offset;
    uint32_t length;
    int32_t tag;
    ReadingSource source;
  };
  // The lemma bytes are the first m_textSize bytes of m_text, which only
  // grows.
  std::vector<char> m_text;
  size_t m_textSize = 0;
  std::vector<Item> m_items;
};

}  // namespace lemmatizer

#endif  // LEMMATIZER_DICTIONARY_READING_LIST_H_
