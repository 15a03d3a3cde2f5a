// CLemmatizerFactory: the process-wide registry of loaded languages.
//
// For every created language the registry keeps three objects under the
// language's lower-cased code: the main dictionary (CLemmatizer or a
// subclass), the SWD and the PWD dictionary. It owns them until Free. All
// members are static; the class has no instances and no locks, so it is
// used from one thread at a time.
//
// Two notions of the current language exist side by side: `m_actual`
// selects the objects that the GetActual... lookups return and is set only
// by SetActual; `m_actLanguage` is the code that GetActLanguage reports and
// is set by SetActual and also by Create, as soon as a new language's main
// dictionary has been built. Unlike the C exports, this class raises.
#ifndef LEMMATIZER_REGISTRY_LEMMATIZER_FACTORY_H_
#define LEMMATIZER_REGISTRY_LEMMATIZER_FACTORY_H_

#include <cstdint>
#include <string>
#include <vector>

#include "interface/lemmatizer_export.h"

class CLemmatizer;
class CSWD;
class CPWD;

class LEMMATIZER_EXPORT CLemmatizerFactory {
 public:
  // Creates and registers one language from its files. Returns 0 when the
  // language was created or already registered, 1 for a code outside the
  // language table, 3 when the SWD or PWD load left messages in `error`.
  // Errors of the dictionary constructors pass out as raised.
  static int Create(const char* language, const char* swdFile, const char* pwdFile1,
                    const char* pwdFile2, const char* dictionaryFile, const char* prefixFile,
                    const char* sharpSFile, const char* unused, std::string& error);

  // The objects registered under `language` (compared after lowering A-Z),
  // or null.
  static CLemmatizer* GetLemmatizer(const char* language);
  static CSWD* GetSwd(const char* language);
  static CPWD* GetPwd(const char* language);

  // The objects of the current language, or null.
  static CLemmatizer* GetActualLemmatizer();
  static CSWD* GetActualSwd();
  static CPWD* GetActualPwd();

  // Selects the language; raises the text "No Object for this language: %s"
  // (lower-cased code) when it was not created, and then selects nothing.
  static void SetActual(const char* language);

  // Copies the active code with its NUL into `out` (64 bytes suffice).
  // Returns 0.
  static int GetActLanguage(char* out);

  // Destroys every language and deselects; `m_actLanguage` stays.
  static void Free();

  CLemmatizerFactory& operator=(const CLemmatizerFactory&) { return *this; }

  static std::vector<std::string> m_vLemmatizerName;
  static std::vector<CLemmatizer*> m_vLemmatizer;
  static std::vector<CSWD*> m_vSWD;
  static std::vector<CPWD*> m_vPWD;
  static int32_t m_actual;
  static char m_actLanguage[64];
};

namespace lemmatizer {

// The objects of the current language (what GetActualSwd, GetActualPwd and
// GetActualLemmatizer return), in one call.
struct ActualObjects {
  CSWD* swd;
  CPWD* pwd;
  CLemmatizer* dictionary;
};
ActualObjects GetActualObjects();

// A number that changes whenever the registry frees or creates languages:
// what was learnt about the objects of one generation is not applied to
// another.
uint64_t RegistryGeneration();

}  // namespace lemmatizer

#endif  // LEMMATIZER_REGISTRY_LEMMATIZER_FACTORY_H_
