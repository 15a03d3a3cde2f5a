/* A host that ends without LemmatizerFreeRessources: the library destroys
 * the languages it still holds when the process ends, so that a leak
 * checker (the sanitizer build runs this with leak detection) finds
 * nothing. The fuzzing dictionaries of the build are loaded, so that real
 * objects are left behind. */
#include <stdio.h>

#include "lemmatizer.h"

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  if (LemmatizeCreate("de", argv[1]) != 1 || LemmatizeCreate("ru", argv[1]) != 1) {
    fprintf(stderr, "exit_without_free: cannot create de and ru from %s\n", argv[1]);
    return 1;
  }
  LemmatizerResult result;
  LemmatizerInitResult(&result);
  if (Lemmatize("Hauses", &result, NULL, 0) != 0) return 1;
  LemmatizerFreeResult(&result);
  return 0; /* no LemmatizerFreeRessources */
}
