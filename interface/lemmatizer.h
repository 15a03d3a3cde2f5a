/* The C interface of the lemmatizer library.
 *
 * A host creates one or more languages from dictionary files, makes one of
 * them active, and hands the library single word forms; for each form the
 * library returns its lemmas, each with a numeric tag, in a result record.
 *
 * Conventions
 *
 * Status codes. Every export that can fail returns a small integer; 0 means
 * success. LemmatizeCreate alone returns 1 for success and 0 for failure.
 * What the other values mean is given with each function below.
 *
 * The message buffer. A failing export copies a message into the caller's
 * `errorBuffer` of `errorBufferSize` bytes exactly as strncpy does: at most
 * errorBufferSize bytes are written; a shorter message is padded with NUL
 * bytes up to errorBufferSize; a message of errorBufferSize bytes or more is
 * cut and is then NOT NUL-terminated. With a null buffer or a size of 0 or
 * less nothing is written and the status alone reports the failure. On
 * success nothing is written. No export raises an exception into the host.
 *
 * The result record. The host owns the LemmatizerResult itself (usually on
 * its stack) and initialises it once with LemmatizerInitResult. The library
 * owns everything the record points to: Lemmatize allocates the two arrays
 * with exactly `count` elements and one string per lemma, and
 * LemmatizerFreeResult is the only way to release them. Lemmatize releases a
 * previous result held in the record before it fills it again, so a host may
 * reuse one record for many words and call LemmatizerFreeResult once at the
 * end; calling LemmatizerFreeResult on a released record does nothing.
 *
 * Text. Words, lemmas and file names are NUL-terminated 8-bit strings. Words
 * and lemmas are in the 8-bit code page of the language's dictionaries:
 * Windows-1251 for Russian ("ru", "r4"), Serbian in Cyrillic ("sk") and
 * Macedonian ("mk"), Windows-1250 for Serbian in Latin script ("sl"),
 * Windows-1253 for Greek ("gr"), Windows-1252 for the others. The library
 * does not convert, trim or validate text.
 *
 * Tags. 1 to 1849 are dictionary tags, 2000 to 2150 the extended tags of the
 * Russian extension; GetStringForTag names them.
 *
 * Threads. The library keeps process-wide state (the loaded languages, the
 * active language, the Russian extension) without locks: call it from one
 * thread at a time.
 */
#ifndef LEMMATIZER_INTERFACE_LEMMATIZER_H_
#define LEMMATIZER_INTERFACE_LEMMATIZER_H_

#include <stdint.h>

#include "lemmatizer_export.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The lemmas of one word form. `lemmas[i]` has the tag `tags[i]`. Both
 * pointers are null and `count` is 0 after initialisation and release.
 * `dictionaryHit` is 1 when a listed-form dictionary (SWD or PWD) knew the
 * word, else 0. */
typedef struct LemmatizerResult {
  int32_t count;
  int32_t dictionaryHit;
  char** lemmas;
  int32_t* tags;
} LemmatizerResult;

/* Creates a language from explicitly named files: the language code, the SWD
 * file, the two PWD files (read for "ru" only), the main dictionary, the
 * prefix and the sharp-s file (read for "de" only), and an eighth name that
 * is ignored. Does not make the language active. Creating a language that
 * already exists succeeds at once.
 * Returns 0 on success; 1 when a dictionary file could not be read or an SWD
 * or PWD file holds bad lines (their messages); 2 for an unknown language
 * code; 3 for other failures. */
LEMMATIZER_EXPORT int32_t LemmatizerCreate(const char* language, const char* swdFile,
                                           const char* pwdFile1, const char* pwdFile2,
                                           const char* dictionaryFile, const char* prefixFile,
                                           const char* sharpSFile, const char* unused,
                                           char* errorBuffer, int32_t errorBufferSize);

/* Creates a language from the files in `directory`, named directory "\" code
 * ".swd", directory "\" code "-cwd.hsq" and so on (a backslash is read as a
 * directory separator on systems other than Windows). For "ru" it also
 * registers directory "\ru-all.txt" as the Russian extension file. Does not
 * make the language active. Returns the status of LemmatizerCreate, or that
 * of LemmatizeInitRusischExtendPath for Russian. */
LEMMATIZER_EXPORT int32_t LemmatizerCreateEx(const char* language, const char* directory,
                                             char* errorBuffer, int32_t errorBufferSize);

/* Creates a language from the files below `basePath` ("<basePath>lemm/de.swd",
 * "<basePath>lemm/de-cwd.hsq", ...; the base path ends with its own
 * separator), registers "<basePath>lemm/ru.txt" for Russian, and makes the
 * language active. Returns 1 on success, 0 on failure. */
LEMMATIZER_EXPORT int32_t LemmatizeCreate(const char* language, const char* basePath);

/* Registers the Russian extension file after checking its title line. The
 * file itself is read when the first Russian word needs it. Returns 0, or 5
 * with a message. */
LEMMATIZER_EXPORT int32_t LemmatizeInitRusischExtendPath(const char* path, char* errorBuffer,
                                                         int32_t errorBufferSize);

/* Lemmatizes one word form in the active language and fills `result`.
 * Returns 0 when the record holds the result (count may be 0); 3 when the
 * active language could not be read or an unexpected failure occurred; 4
 * with the message of a failure inside the library (for example a language
 * that has no dictionaries, or a null word or record); 5 when the Russian
 * extension file could not be loaded. */
LEMMATIZER_EXPORT int32_t Lemmatize(const char* word, LemmatizerResult* result, char* errorBuffer,
                                    int32_t errorBufferSize);

/* Lemmatize without a message buffer; the third argument has no effect. */
LEMMATIZER_EXPORT int32_t LemmatizeEH(const char* word, LemmatizerResult* result, int32_t unused);

/* Copies the active language code, NUL-terminated, into `language` (64 bytes
 * always suffice; the code is empty before any language was made active).
 * Returns 0, or 3 with "Act Language null" for a null buffer. */
LEMMATIZER_EXPORT int32_t LemmatizeGetLanguage(char* language, char* errorBuffer,
                                               int32_t errorBufferSize);

/* Makes a created language the active one. Returns 0, or 4 with
 * "No Object for this language: " and the lower-cased code. */
LEMMATIZER_EXPORT int32_t LemmatizeSetLanguage(const char* language, char* errorBuffer,
                                               int32_t errorBufferSize);

/* Destroys every language. The Russian extension stays registered. */
LEMMATIZER_EXPORT void LemmatizerFreeRessources(void);

/* Sets all four fields of a record with undefined content to zero and
 * returns it. Frees nothing. */
LEMMATIZER_EXPORT LemmatizerResult* LemmatizerInitResult(LemmatizerResult* result);

/* Releases what the record points to and sets count to 0 and both pointers
 * to null; dictionaryHit keeps its value. */
LEMMATIZER_EXPORT void LemmatizerFreeResult(LemmatizerResult* result);

/* The name of a tag (1 to 1849, or 2000 to 2150), as static text that must
 * not be freed or changed; null for any other number. */
LEMMATIZER_EXPORT const char* GetStringForTag(int32_t tag, char* errorBuffer,
                                              int32_t errorBufferSize);

#ifdef __cplusplus
}
#endif

#endif /* LEMMATIZER_INTERFACE_LEMMATIZER_H_ */
