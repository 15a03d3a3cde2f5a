/* A host of the UTF-8 interface written in C: lemm.h compiles as C, and the
 * functions link and behave as the header says. It compiles a small English
 * dictionary with lemm-build (the path given as LEMM_BUILD_PATH), then
 * opens, lemmatizes, analyses and closes. Exits non-zero on the first
 * failed check. */
#define _POSIX_C_SOURCE 200809L
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "lemm.h"

static int failures = 0;

static void check(int ok, const char* what) {
  if (!ok) {
    fprintf(stderr, "lemm_host: FAILED: %s\n", what);
    ++failures;
  }
}

static int build_dictionary(char* dir, size_t size) {
  char lexicon[1200], command[4096];
  FILE* file;
  const char* tmp = getenv("TMPDIR");
  snprintf(dir, size, "%s/lemm_host_XXXXXX", tmp != NULL ? tmp : "/tmp");
  if (mkdtemp(dir) == NULL) return 0;
  snprintf(lexicon, sizeof(lexicon), "%s/lexicon.tsv", dir);
  file = fopen(lexicon, "w");
  if (file == NULL) return 0;
  fputs("cars\tcar\tNOMCup\ncar\tcar\tNOMCus\nl'\tle\tDETDs\n", file);
  fclose(file);
  snprintf(command, sizeof(command), "%s -q -l en -i %s -o %s/ > /dev/null", LEMM_BUILD_PATH,
           lexicon, dir);
  return system(command) == 0;
}

int main(void) {
  char dir[1024], remove[1200];
  char* error = NULL;
  lemm_language* language;
  lemm_readings* readings;
  lemm_analysis* analysis;
  const char* text = "CARS, \xC3\xA0 https://example.org/.";

  check(lemm_open("xx", "/nonexistent", &error) == NULL, "an unknown code fails");
  check(error != NULL && strcmp(error, "unknown language code \"xx\"") == 0, "its message");
  lemm_free(error);
  error = NULL;

  if (!build_dictionary(dir, sizeof(dir))) {
    fprintf(stderr, "lemm_host: cannot build the dictionary\n");
    return 1;
  }
  language = lemm_open("en", dir, &error);
  check(language != NULL && error == NULL, "the dictionary opens");
  if (language == NULL) return 1;

  readings = lemm_lemmatize(language, "cars", 4, 0, &error);
  check(readings != NULL && lemm_readings_count(readings) == 1, "one reading of cars");
  check(strcmp(lemm_reading_lemma(readings, 0), "car") == 0, "its lemma");
  check(strcmp(lemm_reading_tag_name(readings, 0), "NOMCup") == 0, "its tag name");
  check(lemm_reading_known(readings, 0) == 1, "known");
  lemm_readings_destroy(readings);

  readings = lemm_lemmatize(language, "\xE6\x97\xA5", 3, 0, &error);
  check(readings != NULL && lemm_readings_status(readings) == LEMM_UNWRITABLE, "unwritable");
  lemm_readings_destroy(readings);

  analysis = lemm_analyze(language, text, strlen(text), 0, &error);
  check(analysis != NULL && lemm_analysis_count(analysis) == 5, "five tokens");
  if (analysis != NULL) {
    check(lemm_token_kind(analysis, 0) == LEMM_WORD && lemm_token_sentence_start(analysis, 0),
          "a word begins the text");
    check(strcmp(lemm_reading_lemma(lemm_token_readings(analysis, 0), 0), "car") == 0,
          "CARS is answered in lower case");
    check(lemm_token_kind(analysis, 1) == LEMM_PUNCTUATION, "a comma");
    check(lemm_token_offset(analysis, 2) == 6 && lemm_token_length(analysis, 2) == 2,
          "offsets count bytes");
    check(lemm_token_kind(analysis, 3) == LEMM_URL && lemm_token_length(analysis, 3) == 20,
          "the URL without the final dot");
    lemm_analysis_destroy(analysis);
  }

  check(lemm_analyze(language, "a\xFF", 2, 0, &error) == NULL, "invalid UTF-8 fails");
  check(error != NULL && strcmp(error, "invalid UTF-8 at byte 1") == 0, "with its offset");
  lemm_free(error);
  lemm_close(language);

  snprintf(remove, sizeof(remove), "rm -rf '%s'", dir);
  if (system(remove) != 0) fprintf(stderr, "lemm_host: cannot remove %s\n", dir);
  if (failures == 0) printf("lemm_host: all checks passed\n");
  return failures == 0 ? 0 : 1;
}
