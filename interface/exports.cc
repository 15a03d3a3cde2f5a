// The exports for tag names, the active language and teardown.
#include "dictionary/tag_table.h"
#include "interface/boundary.h"
#include "interface/lemmatizer.h"
#include "registry/extended_tags.h"
#include "registry/lemmatizer_factory.h"

using lemmatizer::Guard;

extern "C" const char* GetStringForTag(int32_t tag, char* errorBuffer, int32_t errorBufferSize) {
  const char* name = nullptr;
  Guard(lemmatizer::kTagNameRule, errorBuffer, errorBufferSize, [&]() -> int32_t {
    if (tag >= 1 && tag <= CTagTable::kLastTag) {
      name = CTagTable::GetString(tag);
    } else {
      name = lemmatizer::ExtendedTagName(tag);
    }
    return 0;
  });
  return name;
}

extern "C" int32_t LemmatizeGetLanguage(char* language, char* errorBuffer,
                                        int32_t errorBufferSize) {
  return Guard(lemmatizer::kGetLanguageRule, errorBuffer, errorBufferSize, [&]() -> int32_t {
    if (language == nullptr) {
      lemmatizer::CopyMessage(errorBuffer, errorBufferSize, "Act Language null");
      return 3;
    }
    return CLemmatizerFactory::GetActLanguage(language);
  });
}

extern "C" int32_t LemmatizeSetLanguage(const char* language, char* errorBuffer,
                                        int32_t errorBufferSize) {
  return Guard(lemmatizer::kSetLanguageRule, errorBuffer, errorBufferSize, [&]() -> int32_t {
    CLemmatizerFactory::SetActual(language);
    return 0;
  });
}

extern "C" void LemmatizerFreeRessources(void) {
  try {
    CLemmatizerFactory::Free();
  } catch (...) {
    // Destructors release memory only; nothing they raise may reach the host.
  }
}
