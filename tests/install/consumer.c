/* A program that uses the installed library as a host would: found with
 * find_package or pkg-config, it creates English from the dictionary
 * directory given and lemmatizes one word. */
#include <stdio.h>

#include "lemmatizer.h"

int main(int argc, char** argv) {
  if (argc < 2 || LemmatizeCreate("en", argv[1]) != 1) return 1;
  LemmatizerResult result;
  LemmatizerInitResult(&result);
  if (Lemmatize("mice", &result, NULL, 0) != 0 || result.count < 1) return 2;
  printf("mice -> %s (%s)\n", result.lemmas[0], GetStringForTag(result.tags[0], NULL, 0));
  LemmatizerFreeResult(&result);
  LemmatizerFreeRessources();
  return 0;
}
