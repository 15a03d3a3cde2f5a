// CLemmatizer: the main dictionary of one language and its lookup.
//
// The object reads its trie file ("<code>-cwd.hsq", see hsq_format.h) whole
// into two flat arrays at construction, and raises (as a text pointer) when
// the file cannot be read: "couldn't get size of file : %s",
// "couldn't open file : %s", "read error from file : %s ", or when its
// header (main_file_header.h) says it cannot be used: "unsupported format
// version in file : %s ...", "checksum error in file : %s ...". A constructed
// object is loaded and never changes; FindLemmas only writes scratch state,
// so one object serves one lookup at a time.
//
// FindLemmas normalizes the word into the key "#" + normalized word, walks
// the trie from the key's end, and for every result cuts the key, lets the
// language's lemcode handler rebuild the lemma and lets the normalizer give
// it its output form. A malformed trie never makes the walk read outside its
// arrays: such a walk ends without a reading.
#ifndef LEMMATIZER_DICTIONARY_LEMMATIZER_H_
#define LEMMATIZER_DICTIONARY_LEMMATIZER_H_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "dictionary/hsq_format.h"
#include "dictionary/reading_list.h"
#include "dictionary/trie.h"
#include "dictionary/word_normalizer.h"
#include "rules/lemcode_handler.h"

// What one lookup needs besides the dictionary. The caller keeps it and
// reuses it, so that a lookup allocates nothing once its buffers have grown.
struct LookupScratch {
  NormalizerState normalizer;
  std::string lemma;  // a lemma the normalizer rewrote
};

class CLemmatizer {
 public:
  // Size of the key and stem work buffers of a lookup.
  static constexpr int kWorkBufferSize = 1024;

  // Nodes of the trie this wide get an index at load time.
  static constexpr int kIndexedNodeWidth = 16;

  // Loads `path` with the default normalizer.
  CLemmatizer(const char* path, LemcodeHandler handler, intptr_t handlerArg);
  CLemmatizer(const CLemmatizer&) = delete;
  CLemmatizer& operator=(const CLemmatizer&) = delete;
  virtual ~CLemmatizer();

  // Appends every reading of `word` to `out`, in trie order, each marked
  // kTrie or kTrieGuess (the walk went through a wildcard). Raises "Lemmatizer
  // object is not initialised !" when not loaded, "GetTagSet: out of bounds :
  // %d" for a stored raw tag above 1849, and whatever the handler raises. A
  // word whose key does not fit the work buffer has no reading. Changes
  // nothing but `scratch` and `out`: any number of lookups may run at once.
  // `length` is the word's length.
  void FindReadings(const char* word, size_t length, LookupScratch& scratch,
                    lemmatizer::ReadingList& out) const;

  // Empties both lists and fills them with the readings of FindReadings
  // (a failure leaves the tag of the reading it stopped at listed without
  // its lemma). Uses scratch state of the object: one lookup at a time.
  void FindLemmas(const char* word, std::vector<std::string>& lemmas, std::vector<int32_t>& tags);

  // The cut and lemcode the lookup applies for a stored result on a key of
  // `length` bytes: a result that would cut the whole key without an ending
  // keeps the whole word, and one that would cut more than the key keeps
  // the whole word unchanged.
  static void ApplyCutRules(int32_t length, int32_t& cut, int32_t& lemcode);

  // The lemma of one result: `cut` bytes off the end of `key` (the
  // normalized word of `length` bytes, without the word-start byte), the
  // handler's `lemcode` applied, and the normalizer's output form of it for
  // `word`, the word as given, whose NormalizeWord left `state`. The stem is
  // made in `stem` (kStemBufferSize bytes); the lemma is there or in
  // `storage`. Raises what the handler raises.
  static constexpr int kStemBufferSize = kWorkBufferSize + kStemGrowthReserve + 1;
  std::string_view BuildLemmaOf(const char* word, const char* key, int32_t length, int32_t cut,
                                int32_t lemcode, const NormalizerState& state, char* stem,
                                std::string& storage) const;

  // The tag number of a stored raw tag: raw + 1, for raw 0..1849.
  static int32_t GetTagSet(int32_t raw);

  // The size of a file in bytes; raises "couldn't get size of file : %s".
  static int32_t GetFileSize(const char* path);

  // The whole content of a file; raises "couldn't open file : %s" and
  // "read error (%d instead of %d bytes) file : %s".
  static std::vector<char> ReadWholeFile(const char* path);

  bool IsLoaded() const { return m_loaded != 0; }
  const char* Header() const { return m_header; }
  int32_t RecordCount() const { return static_cast<int32_t>(m_trie.Count()); }
  CWordNormalizer* Normalizer() const { return m_normalizer.get(); }
  LemcodeHandler Handler() const { return m_handler; }
  intptr_t HandlerArg() const { return m_handlerArg; }

 protected:
  // An empty object for subclasses, which then call Load.
  CLemmatizer();

  // Takes ownership of `normalizer` and reads the trie file; on failure the
  // object is cleared and the error raised.
  void Load(const char* path, CWordNormalizer* normalizer, LemcodeHandler handler,
            intptr_t handlerArg);

  // Releases the path, the arrays and the normalizer; not loaded afterwards.
  void Clear();

  // Clears the object and raises `format` with the file's path.
  [[noreturn]] void FailLoad(const char* format);

 private:
  // Walks the trie for `key` ("#" + the normalized word of `length` bytes)
  // and gives each result, with the cut rules applied, to `onResult` with
  // whether the walk went through a wildcard, which it also returns.
  template <typename OnResult>
  bool CollectCandidates(const char* key, int32_t length, OnResult&& onResult) const;
  static lemmatizer::HsqResult DecodeResult(int32_t value, int32_t length);

  // Walks the key of `word` and, for each result, gives its tag to `onTag`
  // and then its lemma (and whether the walk guessed) to `onLemma`.
  template <typename OnTag, typename OnLemma>
  void WalkReadings(const char* word, size_t wordLength, LookupScratch& scratch, OnTag&& onTag,
                    OnLemma&& onLemma) const;

  LookupScratch m_scratch;  // of FindLemmas
  char m_header[lemmatizer::kHsqHeaderSize];
  std::string m_path;
  lemmatizer::RecordTrie m_trie;
  std::unique_ptr<CWordNormalizer> m_normalizer;
  int32_t m_loaded;
  LemcodeHandler m_handler;
  intptr_t m_handlerArg;
};

#endif  // LEMMATIZER_DICTIONARY_LEMMATIZER_H_
