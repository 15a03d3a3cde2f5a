/* lemm.h: the reentrant UTF-8 interface of the lemmatizer library.
 *
 * It stands beside the 8-bit interface of lemmatizer.h, which is unchanged,
 * and uses the same dictionaries and lookup. Where that interface keeps one
 * process-wide active language and takes words in a Windows code page, this
 * one takes UTF-8 text and gives every loaded language a handle of its own.
 *
 * Handles. lemm_open loads a language into a lemm_language handle, which
 * never changes afterwards: any number of threads may call the functions
 * below with one handle at the same time. lemm_close releases it when no
 * call with it is running any more. Handles share no state with each other
 * or with the languages of lemmatizer.h.
 *
 * Errors. A function that can fail takes `char** errptr` (never NULL) and
 * returns NULL on failure. It then stores a message in *errptr, allocated
 * with malloc; a message already there is freed first. On success *errptr
 * is left as it was. The caller releases a message with lemm_free.
 *
 * Ownership. Every object a function returns belongs to the caller:
 * lemm_close, lemm_readings_destroy, lemm_analysis_destroy and lemm_free
 * release them. Strings and readings obtained through an object's accessors
 * belong to that object and live as long as it does; tag names and kind
 * names are static.
 *
 * Text. Words and texts are UTF-8 given as a pointer and a length in bytes
 * (no terminator needed); lemmas come back as NUL-terminated UTF-8. Offsets
 * count bytes from the start of the text given.
 */
#ifndef LEMMATIZER_INTERFACE_LEMM_H_
#define LEMMATIZER_INTERFACE_LEMM_H_

#include <stddef.h>

#include "lemmatizer_export.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct lemm_language lemm_language;
typedef struct lemm_readings lemm_readings;
typedef struct lemm_analysis lemm_analysis;

/* The library's version, "MAJOR.MINOR.PATCH". */
LEMMATIZER_EXPORT const char* lemm_version(void);

/* Loads the language `code` ("de", "en", "ru", ... as in lemmatizer.h,
 * any case) from `dictionary_dir`: the directory holding its files
 * ("<code>-cwd.hsq", "<code>.swd", ...), or the directory whose "lemm/"
 * subdirectory holds them (the layout LemmatizeCreate reads). */
LEMMATIZER_EXPORT lemm_language* lemm_open(const char* code, const char* dictionary_dir,
                                           char** errptr);
LEMMATIZER_EXPORT void lemm_close(lemm_language* language);

/* The language's lower-case code, and the Windows code page its
 * dictionaries are written in (1250, 1251, 1252 or 1253). */
LEMMATIZER_EXPORT const char* lemm_language_code(const lemm_language* language);
LEMMATIZER_EXPORT int lemm_language_code_page(const lemm_language* language);

/* Options, combined with |. */
enum {
  /* lemm_lemmatize: the word is the first of a sentence, so its capital
   * says nothing about it (a lower-case reading comes first when the
   * dictionary knows the word, other than first as a name). */
  LEMM_SENTENCE_START = 1,
  /* lemm_analyze: the text continues a sentence begun before it. */
  LEMM_CONTINUES_SENTENCE = 2
};

/* The status of a word's readings. */
enum {
  LEMM_OK = 0,
  /* The word holds a character that the language's code page cannot
   * write: it has no readings. */
  LEMM_UNWRITABLE = 1
};

/* Lemmatizes one word. A word in capitals or with a capital first letter
 * that the dictionary does not know in its own spelling is looked up in
 * lower case (and, in a language that capitalises its nouns, with only its
 * first letter a capital). A word in capitals that the dictionary lists
 * so, as its own lemma ("US") or with stops ("AM" -> a.m.), is answered
 * from that listing first, unless its lower case is a closed-class word
 * and the listing gives no name ("IT"); one of at most four letters that
 * it knows in lower case only untagged as itself is an acronym, answered
 * as written.
 * Lemmas have the case the dictionary gives them.
 * For a word with a capital first letter, readings whose lemma has a
 * capital come first, unless LEMM_SENTENCE_START is given; then a lower-case
 * reading comes first when there is one and the dictionary knows the word
 * other than first as a name (one it does not know, or knows first as a
 * name, keeps its capital first). Inside a sentence, a word with a capital
 * first letter and no lemma with a capital is guessed to be a name (tag
 * NOMP, first; the word as written or, where names take case endings, its
 * first lemma with a capital unless that is the word but for case; in
 * English, the singular of a plural the lexicon holds as a common noun's,
 * with a capital: "Iraqis" -> Iraqi) when the dictionary does not know it,
 * knows it first as a name or knows it only untagged as itself, and, in
 * the languages whose texts keep the common words of names as written
 * (not Russian, Serbian, Macedonian, Greek, French or Danish), also when
 * it knows it only in lower case; never in a language that capitalises
 * its nouns, nor, in Russian, Serbian, Macedonian and Greek, when its
 * first reading is an adjective's. So is the first word of a sentence
 * that the lexicon does not hold in any case. A name guessed from its
 * ending keeps the word's capital ("Kaminski", not "kaminski"). Whether the
 * lexicon holds a word, the languages that do not capitalise their nouns
 * learn from the dictionary's word list ("<code>-words.bin", where the
 * dictionary has one; Russian "ё" is held as "е"): a word the lexicon does
 * not hold in any case is a name even where its ending makes it look like
 * known words.
 * For a word in lower case, lower-case readings come first.
 * A URL or an e-mail address (as lemm_analyze reads them in text) is its
 * own lemma, untagged ("ANYC") and not known.
 * Fails for invalid UTF-8 (the message gives the byte offset) and for a
 * null language or word. */
LEMMATIZER_EXPORT lemm_readings* lemm_lemmatize(const lemm_language* language, const char* word,
                                                size_t length, int options, char** errptr);
LEMMATIZER_EXPORT void lemm_readings_destroy(lemm_readings* readings);

/* LEMM_OK or LEMM_UNWRITABLE. */
LEMMATIZER_EXPORT int lemm_readings_status(const lemm_readings* readings);
/* The number of readings, in answer order (0 for an unwritable word). */
LEMMATIZER_EXPORT size_t lemm_readings_count(const lemm_readings* readings);
/* Reading i (0 <= i < count): its lemma; its tag number (1 to 1849, or 2000
 * to 2150 for the extended tags of Russian) and the tag's name; and 1 when
 * the dictionary knew the form (a listed form, or an exact path in the main
 * dictionary), 0 when the reading is a guess from the word's ending or a
 * form answered without a dictionary (a word in capitals, a word too long
 * to look up). An index out of range gives NULL, 0 and 0. */
LEMMATIZER_EXPORT const char* lemm_reading_lemma(const lemm_readings* readings, size_t i);
LEMMATIZER_EXPORT int lemm_reading_tag(const lemm_readings* readings, size_t i);
LEMMATIZER_EXPORT const char* lemm_reading_tag_name(const lemm_readings* readings, size_t i);
LEMMATIZER_EXPORT int lemm_reading_known(const lemm_readings* readings, size_t i);

/* Token kinds. */
enum {
  LEMM_WORD = 1,
  LEMM_NUMBER = 2,      /* "1,000", "3.14", "10 000", "v2.0" */
  LEMM_URL = 3,         /* "https://example.org/a(b)", "www.example.org" */
  LEMM_EMAIL = 4,       /* "name@example.org" */
  LEMM_PUNCTUATION = 5, /* ".", "...", "«" */
  LEMM_SYMBOL = 6       /* "%", "€", "+" */
};

/* Splits UTF-8 text into tokens and lemmatizes every word token. Kept
 * whole: URLs, e-mail addresses, numbers with separators, abbreviations
 * with dots ("U.S.A.", "z.B."); split off as word tokens of their own:
 * elided articles and clitics of the language ("l'" of "l'homme", "'s" of
 * "user's", "n't" of "don't"). The first word of the text (unless
 * LEMM_CONTINUES_SENTENCE is given), the first after . ! ?, and the first
 * of a line or of a table's column (after a tab or three blanks) begin a
 * sentence. In a title, a sentence of two or more words that all begin
 * with a capital ("Keep Your Account Secure"), every word is lemmatized as
 * the first of a sentence, except in a language that capitalises its nouns.
 * Where the dictionary directory holds the language's context model
 * ("<code>-context.txt", English), each sentence is tagged with it, and a
 * word whose first reading does not fit its tag there gets the readings
 * that do first ("the meeting" -> meeting, "was meeting" -> meet; "Please
 * See the file" -> see). Otherwise the readings are lemm_lemmatize's.
 * Fails for invalid UTF-8 with a message that gives
 * the byte offset of the first bad byte ("invalid UTF-8 at byte 17"), and
 * for a null language or text. */
LEMMATIZER_EXPORT lemm_analysis* lemm_analyze(const lemm_language* language, const char* text,
                                              size_t length, int options, char** errptr);
LEMMATIZER_EXPORT void lemm_analysis_destroy(lemm_analysis* analysis);

/* The number of tokens, and token i's byte offset, length in bytes, kind,
 * whether it is a word that begins a sentence (1 or 0), and its readings
 * (word tokens only; NULL for other kinds and for i out of range). The
 * readings belong to the analysis: never pass them to
 * lemm_readings_destroy. */
LEMMATIZER_EXPORT size_t lemm_analysis_count(const lemm_analysis* analysis);
LEMMATIZER_EXPORT size_t lemm_token_offset(const lemm_analysis* analysis, size_t i);
LEMMATIZER_EXPORT size_t lemm_token_length(const lemm_analysis* analysis, size_t i);
LEMMATIZER_EXPORT int lemm_token_kind(const lemm_analysis* analysis, size_t i);
LEMMATIZER_EXPORT int lemm_token_sentence_start(const lemm_analysis* analysis, size_t i);
LEMMATIZER_EXPORT const lemm_readings* lemm_token_readings(const lemm_analysis* analysis, size_t i);

/* The name of a tag number ("NOMCfp"), or NULL; the meanings of the names
 * are listed in doc/tags.md. */
LEMMATIZER_EXPORT const char* lemm_tag_name(int tag);
/* The name of a token kind ("word", "number", "url", "email",
 * "punctuation", "symbol"), or NULL. */
LEMMATIZER_EXPORT const char* lemm_kind_name(int kind);

/* Releases a message stored through errptr. */
LEMMATIZER_EXPORT void lemm_free(void* ptr);

#ifdef __cplusplus
}
#endif

#endif /* LEMMATIZER_INTERFACE_LEMM_H_ */
