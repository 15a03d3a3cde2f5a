// The three creation entry points. LemmatizerCreate hands explicit names to
// the registry; LemmatizerCreateEx and LemmatizeCreate form the names from
// a directory or a base path and end in LemmatizerCreate.

#include <string>

#include "interface/boundary.h"
#include "interface/file_names.h"
#include "interface/lemmatizer.h"
#include "platform/text.h"
#include "registry/languages.h"
#include "registry/lemmatizer_factory.h"

namespace lemmatizer {
namespace {

// The message buffer of LemmatizeCreate's inner calls, discarded.
constexpr int32_t kLocalBufferSize = 99;

}  // namespace
}  // namespace lemmatizer

extern "C" int32_t LemmatizerCreate(const char* language, const char* swdFile, const char* pwdFile1,
                                    const char* pwdFile2, const char* dictionaryFile,
                                    const char* prefixFile, const char* sharpSFile,
                                    const char* unused, char* errorBuffer,
                                    int32_t errorBufferSize) {
  using lemmatizer::CopyMessage;
  return lemmatizer::Guard(lemmatizer::kCreateRule, errorBuffer, errorBufferSize, [&]() -> int32_t {
    std::string error;
    const int status =
        CLemmatizerFactory::Create(language, swdFile, pwdFile1, pwdFile2, dictionaryFile,
                                   prefixFile, sharpSFile, unused, error);
    if (status == 0) return 0;
    CopyMessage(errorBuffer, errorBufferSize, error.c_str());
    if (status == 1) return 2;
    if (status == 3) return 1;
    return 3;
  });
}

extern "C" int32_t LemmatizerCreateEx(const char* language, const char* directory,
                                      char* errorBuffer, int32_t errorBufferSize) {
  return lemmatizer::Guard(
      lemmatizer::kCreateExRule, errorBuffer, errorBufferSize, [&]() -> int32_t {
        const std::string code = lemmatizer::LowerCopy(language);
        const lemmatizer::LanguageFileNames names = lemmatizer::NamesInDirectory(
            directory == nullptr ? "" : directory, code, lemmatizer::FindLanguage(code));
        // The code goes on as the host gave it.
        const int32_t status =
            LemmatizerCreate(language, names.swd.c_str(), names.pwd1.c_str(), names.pwd2.c_str(),
                             names.dictionary.c_str(), names.prefix.c_str(), names.sharpS.c_str(),
                             "", errorBuffer, errorBufferSize);
        if (status != 0 || names.extension.empty()) return status;
        return LemmatizeInitRusischExtendPath(names.extension.c_str(), errorBuffer,
                                              errorBufferSize);
      });
}

extern "C" int32_t LemmatizeCreate(const char* language, const char* basePath) {
  return lemmatizer::Guard(lemmatizer::kCreateFromBaseRule, nullptr, 0, [&]() -> int32_t {
    const std::string code = lemmatizer::LowerCopy(language);
    // Every known code has two characters: anything else creates nothing,
    // which is a failure.
    if (code.size() != 2) return 0;
    const lemmatizer::LanguageFileNames names =
        lemmatizer::NamesBelowBase(basePath == nullptr ? "" : basePath, code);
    char local[lemmatizer::kLocalBufferSize] = "[No error.]";
    // Every step runs; only whether one of them failed survives.
    int32_t status =
        LemmatizerCreate(code.c_str(), names.swd.c_str(), names.pwd1.c_str(), names.pwd2.c_str(),
                         names.dictionary.c_str(), names.prefix.c_str(), names.sharpS.c_str(),
                         nullptr, local, sizeof(local));
    const lemmatizer::Language* row = lemmatizer::FindLanguage(code);
    if (row != nullptr && row->Reads(lemmatizer::kExtensionFile)) {
      status |= LemmatizeInitRusischExtendPath(names.extension.c_str(), local, sizeof(local));
    }
    status |= LemmatizeSetLanguage(code.c_str(), local, sizeof(local));
    return status == 0 ? 1 : 0;
  });
}
