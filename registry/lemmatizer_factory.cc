#include "registry/lemmatizer_factory.h"

#include <cstring>
#include <memory>
#include <utility>

#include "dictionary/errors.h"
#include "dictionary/lemmatizer.h"
#include "platform/memory.h"
#include "platform/text.h"
#include "pwd/pwd.h"
#include "registry/language_objects.h"
#include "registry/languages.h"
#include "swd/swd.h"

std::vector<std::string> CLemmatizerFactory::m_vLemmatizerName;
std::vector<CLemmatizer*> CLemmatizerFactory::m_vLemmatizer;
std::vector<CSWD*> CLemmatizerFactory::m_vSWD;
std::vector<CPWD*> CLemmatizerFactory::m_vPWD;
int32_t CLemmatizerFactory::m_actual = -1;
char CLemmatizerFactory::m_actLanguage[64] = {0};

namespace {

// Destroys the languages a host never freed when the library is unloaded or
// the process exits, after everything else of this file that was built
// before it, and before the registry's vectors themselves go.
uint64_t generation = 0;

struct FreeAtExit {
  ~FreeAtExit() { CLemmatizerFactory::Free(); }
};
FreeAtExit freeAtExit;

// Index of the lowered code among `count` registered names, or -1.
int FindLanguage(const char* language, size_t count) {
  const std::string lowered = lemmatizer::LowerCopy(language);
  const auto& names = CLemmatizerFactory::m_vLemmatizerName;
  for (size_t i = 0; i < count && i < names.size(); ++i) {
    if (names[i] == lowered) return static_cast<int>(i);
  }
  return -1;
}

template <typename T>
T* ActualOf(const std::vector<T*>& objects) {
  const int32_t actual = CLemmatizerFactory::m_actual;
  if (actual == -1 || objects.empty() || static_cast<uint32_t>(actual) >= objects.size()) {
    return nullptr;
  }
  return objects[actual];
}

}  // namespace

CLemmatizer* CLemmatizerFactory::GetLemmatizer(const char* language) {
  const int i = FindLanguage(language, m_vLemmatizerName.size());
  return i < 0 || static_cast<size_t>(i) >= m_vLemmatizer.size() ? nullptr : m_vLemmatizer[i];
}

CSWD* CLemmatizerFactory::GetSwd(const char* language) {
  const int i = FindLanguage(language, m_vSWD.size());
  return i < 0 ? nullptr : m_vSWD[i];
}

CPWD* CLemmatizerFactory::GetPwd(const char* language) {
  const int i = FindLanguage(language, m_vPWD.size());
  return i < 0 ? nullptr : m_vPWD[i];
}

CLemmatizer* CLemmatizerFactory::GetActualLemmatizer() { return ActualOf(m_vLemmatizer); }
CSWD* CLemmatizerFactory::GetActualSwd() { return ActualOf(m_vSWD); }
CPWD* CLemmatizerFactory::GetActualPwd() { return ActualOf(m_vPWD); }

void CLemmatizerFactory::SetActual(const char* language) {
  const std::string lowered = lemmatizer::LowerCopy(language);
  m_actual = -1;
  const int i = FindLanguage(lowered.c_str(), m_vLemmatizerName.size());
  if (i < 0) {
    lemmatizer::RaiseText("No Object for this language: %s", lowered.c_str());
  }
  m_actual = i;
  // Registered codes are two characters long; the bound keeps the buffer safe anyway.
  std::strncpy(m_actLanguage, lowered.c_str(), sizeof(m_actLanguage) - 1);
  m_actLanguage[sizeof(m_actLanguage) - 1] = '\0';
}

int CLemmatizerFactory::GetActLanguage(char* out) {
  std::memcpy(out, m_actLanguage, std::strlen(m_actLanguage) + 1);
  return 0;
}

void CLemmatizerFactory::Free() {
  ++generation;
  m_actual = -1;
  for (CLemmatizer* lemmatizer : m_vLemmatizer) delete lemmatizer;
  m_vLemmatizer.clear();
  m_vLemmatizerName.clear();
  for (CSWD* swd : m_vSWD) delete swd;
  m_vSWD.clear();
  for (CPWD* pwd : m_vPWD) delete pwd;
  m_vPWD.clear();
}

int CLemmatizerFactory::Create(const char* language, const char* swdFile, const char* pwdFile1,
                               const char* pwdFile2, const char* dictionaryFile,
                               const char* prefixFile, const char* sharpSFile,
                               const char* /*unused*/, std::string& error) {
  std::string code = lemmatizer::LowerCopy(language);
  for (const std::string& name : m_vLemmatizerName) {
    if (name == code) return 0;
  }
  const lemmatizer::Language* row = lemmatizer::FindLanguage(code);
  // A code whose rules this build lacks is not offered: it fails as an
  // unknown code does.
  if (row == nullptr || !lemmatizer::IsOffered(*row)) return 1;

  // The objects are owned here until they are registered, so that a failure
  // or an exception on the way releases them.
  std::unique_ptr<CLemmatizer> dictionary =
      lemmatizer::BuildDictionary(*row, dictionaryFile, prefixFile, sharpSFile);
  std::strncpy(m_actLanguage, code.c_str(), sizeof(m_actLanguage) - 1);
  m_actLanguage[sizeof(m_actLanguage) - 1] = '\0';

  // SWD and PWD get the code as the caller gave it: "RU" reads no PWD file.
  auto swd = std::make_unique<CSWD>(language, 0);
  swd->Load(swdFile, error);
  if (!error.empty()) return 3;
  auto pwd = std::make_unique<CPWD>(language);
  pwd->Load(pwdFile1, pwdFile2, error);
  if (!error.empty()) return 3;

  // Room first, so that the four vectors grow together or not at all.
  m_vSWD.reserve(m_vSWD.size() + 1);
  m_vPWD.reserve(m_vPWD.size() + 1);
  m_vLemmatizerName.reserve(m_vLemmatizerName.size() + 1);
  m_vLemmatizer.reserve(m_vLemmatizer.size() + 1);
  m_vSWD.push_back(swd.release());
  m_vPWD.push_back(pwd.release());
  m_vLemmatizerName.push_back(std::move(code));
  m_vLemmatizer.push_back(dictionary.release());
  ++generation;
  lemmatizer::ReleaseFreeMemory();
  return 0;
}

uint64_t lemmatizer::RegistryGeneration() { return generation; }

lemmatizer::ActualObjects lemmatizer::GetActualObjects() {
  return ActualObjects{ActualOf(CLemmatizerFactory::m_vSWD), ActualOf(CLemmatizerFactory::m_vPWD),
                       ActualOf(CLemmatizerFactory::m_vLemmatizer)};
}
