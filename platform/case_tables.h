// The letter-case rules of the 8-bit code pages, as named byte maps.
//
// Every place in the library and its tools that folds, lowers, raises or
// recognises a letter of a dictionary's code page uses one of these maps;
// none restates a range of its own. Several maps look alike on purpose:
// each is the rule of one place, and the names say which. In particular the
// default lower-case table is Latin-1's even for the Cyrillic and Greek
// languages that have no normalizer of their own, and the SWD lookup lowers
// only a word's first letter, with maps that are not the normalizers'.
//
// A map sends each byte (taken as unsigned) to a byte; bytes a map does not
// name stay as they are. `Changes(c)` tells whether the map moves c, which
// is how the predicates below are defined ("a capital is what lowering
// changes").
#ifndef LEMMATIZER_PLATFORM_CASE_TABLES_H_
#define LEMMATIZER_PLATFORM_CASE_TABLES_H_

#include <cstddef>

namespace lemmatizer {

struct ByteMap {
  unsigned char to[256];

  unsigned char operator()(unsigned char c) const { return to[c]; }
  char operator()(char c) const { return static_cast<char>(to[static_cast<unsigned char>(c)]); }
  bool Changes(unsigned char c) const { return to[c] != c; }
  bool Changes(char c) const { return Changes(static_cast<unsigned char>(c)); }
};

// The default lower-case table: A-Z, 0xC0-0xD6 and 0xD8-0xDD get +0x20 (the
// Latin-1 capitals without the multiplication sign, Thorn and sharp s).
// The key folding of every language without a normalizer of its own; its
// capitals are also the capitals of the pipeline's special forms.
extern const ByteMap kDefaultLower;

// Latin-1 small letters to capitals: a-z, 0xE0-0xF6 and 0xF8-0xFD get -0x20.
// The German key form, and the fold under which the SWD lookup compares
// sources without regard to case.
extern const ByteMap kLatin1Upper;

// Windows-1251 capitals to small letters: A-Z and А-Я (0xC0-0xDF) get +0x20,
// Љ Њ Ћ Џ (0x8A 0x8C 0x8E 0x8F) get +0x10. Ё (0xA8) is not among them.
extern const ByteMap kCp1251Lower;

// The Russian key folding: Ё and ё (0xA8, 0xB8) become е (0xE5), then
// kCp1251Lower.
extern const ByteMap kRussianKey;

// Ё and ё become Е and е (0xC5, 0xE5); every other byte stays. The SWD
// lookup of the Russian languages applies it to the whole word.
extern const ByteMap kCp1251YoToYe;

// The Greek key folding of Windows-1253: Latin capitals A-Z and Greek
// capitals (0xC1-0xDB without 0xD2) get +0x20, the accented capitals their
// small accented forms (Ά -> ά, Έ -> έ, ...), and 0x8A 0x8C 0x8E 0x8F get
// +0x10.
extern const ByteMap kGreekKey;

// Alpha with tonos in both of its code points (0xA2, 0xB6) becomes small
// alpha with tonos (0xDC); every other byte stays. The SWD lookup of Greek
// applies it to the whole word.
extern const ByteMap kGreekAlphaTonos;

// The first letter of a Greek SWD key: Greek capitals and accented capitals
// to small letters (0xC1-0xD1, 0xD3-0xDB +0x20; 0xA2 0xB6 -> 0xDC; 0xB8-0xBA
// +0x25; 0xBC -> 0xFC; 0xBE 0xBF +0x3F). Latin capitals stay.
extern const ByteMap kGreekSwdFirstLetter;

// Named predicates over those maps.
inline bool IsDefaultCapital(unsigned char c) { return kDefaultLower.Changes(c); }
inline bool IsLatin1Small(unsigned char c) { return kLatin1Upper.Changes(c); }
inline bool IsCp1251Capital(unsigned char c) { return kCp1251Lower.Changes(c); }

// Maps the `length` bytes of `text` into `out`, which holds `capacity`
// bytes, and terminates it. False, writing nothing, when the text and its
// terminator do not fit.
bool MapText(const char* text, size_t length, const ByteMap& map, char* out, size_t capacity);

}  // namespace lemmatizer

#endif  // LEMMATIZER_PLATFORM_CASE_TABLES_H_
