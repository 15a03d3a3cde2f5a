// CGermanNormalizer: the German key form and the German output spelling.
//
// Normalize turns a word into its key: the part up to and including the
// last hyphen is set aside (and put back in front of every lemma), the rest
// is upper-cased (a-z, 0xE0-0xF6, 0xF8-0xFD) and the umlauts and sharp s
// are transcribed: Ä/ä -> AE, Ö/ö -> OE, Ü/ü -> UE, ß -> SS. For each
// transcribed character it records how many ordinary characters stand
// between it and the previous one (the umlaut gaps).
//
// MakeLemma turns a lemma key back into text using that record of the same
// lookup: it puts the umlauts and the sharp s of the input word back where
// the lemma still has their transcription near the same place; brings a
// final sharp s into the spelling that the sharp-s trie gives (spelling
// classes 1 and 3 write ß, every other class SS); and lowers the lemma,
// keeping the first letter upper case when the word began with one.
//
// The sharp-s trie ("de-ss.hsq") is read whole at construction: no header,
// records of kSharpSRecordSize bytes: byte 0 key character ('+' matches any
// byte, '#' is the word start), bytes 1-3 unused, bytes 4-7 a signed 32-bit
// little-endian value (>= 1: 1-based index of the child node's first
// record; <= 0: a result, the spelling class is -value). It is walked as
// every record trie is (dictionary/trie.h), from the end of "#" + text, where text is the lemma as
// MakeLemma has it when it asks: upper-case ASCII letters with the umlauts as typed and the final
// sharp s spelled SS (größe asks for GRöSSE).
//
// The hyphen part and the umlaut gaps are the NormalizerState of a word:
// with NormalizeWord and MakeLemmaOf the caller keeps them, and any number
// of lookups may share the normalizer.
#ifndef LEMMATIZER_DICTIONARY_GERMAN_NORMALIZER_H_
#define LEMMATIZER_DICTIONARY_GERMAN_NORMALIZER_H_

#include <cstdint>
#include <string>
#include <vector>

#include "dictionary/trie.h"
#include "dictionary/word_normalizer.h"

class CGermanNormalizer : public CWordNormalizer {
 public:
  static constexpr int kSharpSRecordSize = 8;
  static constexpr int kSharpSValueOffset = 4;
  // A last record with key byte 0 (which no walk matches) and these three
  // bytes holds the CRC-32 of the records before it.
  static constexpr char kSharpSChecksumMark[4] = "crc";

  // Reads the sharp-s trie; raises "couldn't get size of file : %s",
  // "couldn't open file : %s" or "read error from file : %s ", and
  // "checksum error in file : %s ..." when the file ends with a checksum
  // record that its records do not match.
  explicit CGermanNormalizer(const char* sharpSPath);
  ~CGermanNormalizer() override;

  int64_t NormalizeWord(const char* word, size_t length, char* key, size_t capacity,
                        NormalizerState& state) const override;
  std::string_view MakeLemmaOf(const char* word, const char* lemmaKey, const NormalizerState& state,
                               std::string& storage) const override;

  // The spelling class of `text` from the sharp-s trie. Raises
  // "get_lemcode_simple() : should never get here!" when the walk finds no
  // result, and also when a malformed trie leads it outside its records.
  int32_t get_lemcode_simple(const char* text) const;

  // The key form of a text without a hyphen: upper case, the umlauts and
  // the sharp s transcribed (as Normalize makes the part after a hyphen).
  static std::string KeyForm(const std::string& text);

  // Ä, Ö, Ü in either case (Windows-1252).
  static bool IsUmlaut(unsigned char c);

  // The state of the last Normalize.
  const std::string& HyphenPrefix() const { return State().hyphenPrefix; }
  const std::vector<int32_t>& UmlautGaps() const { return State().umlautGaps; }

 private:
  lemmatizer::RecordTrie m_sharpS;
};

#endif  // LEMMATIZER_DICTIONARY_GERMAN_NORMALIZER_H_
