/* A host written in C: the public header compiles as C, and the exports
 * link and behave as the header says. Exits non-zero on the first failed
 * check. */
#include <stdio.h>
#include <string.h>

#include "lemmatizer.h"

static int failures = 0;

static void check(int ok, const char* what) {
  if (!ok) {
    fprintf(stderr, "c_host: FAILED: %s\n", what);
    ++failures;
  }
}

int main(void) {
  LemmatizerResult result;
  char message[64];
  char language[64];
  int32_t status;

  memset(&result, 0x5A, sizeof(result));
  check(LemmatizerInitResult(&result) == &result, "init returns the record");
  check(result.count == 0 && result.dictionaryHit == 0 && result.lemmas == NULL &&
            result.tags == NULL,
        "init clears all fields");
  LemmatizerFreeResult(&result);
  check(result.count == 0 && result.lemmas == NULL, "release of an empty record");

  check(strcmp(GetStringForTag(303, NULL, 0), "ANYC") == 0, "tag 303 is ANYC");
  check(strcmp(GetStringForTag(2000, NULL, 0), "P1PA") == 0, "tag 2000 is P1PA");
  check(GetStringForTag(1850, NULL, 0) == NULL, "tag 1850 has no name");

  language[0] = 'x';
  status = LemmatizeGetLanguage(language, message, (int32_t)sizeof(message));
  check(status == 0 && language[0] == '\0', "no language is active at load");

  status = LemmatizeSetLanguage("EN", message, (int32_t)sizeof(message));
  check(status == 4, "selecting a language never created fails with 4");
  check(strcmp(message, "No Object for this language: en") == 0, "its message");

  LemmatizerFreeRessources();
  if (failures == 0) printf("c_host: all checks passed\n");
  return failures == 0 ? 0 : 1;
}
