// The three creation entry points. LemmatizerCreate hands explicit names to
// the registry; LemmatizerCreateEx and LemmatizeCreate form the names from
// a directory or a base path and end in LemmatizerCreate.

#include <string>

#include "interface/boundary.h"
#include "interface/lemmatizer.h"
#include "platform/text.h"
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
        const std::string base = std::string(directory == nullptr ? "" : directory) + "\\";
        const std::string swd = base + code + ".swd";
        const std::string dictionary = base + code + "-cwd.hsq";
        std::string pwd1, pwd2, extension, prefix, sharpS;
        if (code == "ru") {
          pwd1 = base + "ru1.pwd";
          pwd2 = base + "ru2.pwd";
          extension = base + "ru-all.txt";
        }
        if (code == "de") {
          prefix = base + "de-prfx.hsq";
          sharpS = base + "de-ss.hsq";
        }
        // The code goes on as the host gave it.
        const int32_t status =
            LemmatizerCreate(language, swd.c_str(), pwd1.c_str(), pwd2.c_str(), dictionary.c_str(),
                             prefix.c_str(), sharpS.c_str(), "", errorBuffer, errorBufferSize);
        if (status != 0 || extension.empty()) return status;
        return LemmatizeInitRusischExtendPath(extension.c_str(), errorBuffer, errorBufferSize);
      });
}

extern "C" int32_t LemmatizeCreate(const char* language, const char* basePath) {
  return lemmatizer::Guard(lemmatizer::kCreateFromBaseRule, nullptr, 0, [&]() -> int32_t {
    const std::string code = lemmatizer::LowerCopy(language);
    // Every known code has two characters: anything else creates nothing,
    // which is a failure.
    if (code.size() != 2) return 0;
    const std::string base = std::string(basePath == nullptr ? "" : basePath) + "lemm/" + code;
    const std::string dictionary = base + "-cwd.hsq";
    const std::string prefix = base + "-prfx.hsq";
    const std::string pwd1 = base + "1.pwd";
    const std::string pwd2 = base + "2.pwd";
    const std::string swd = base + ".swd";
    const std::string sharpS = base + "-ss.hsq";
    const std::string extension = base + ".txt";
    char local[lemmatizer::kLocalBufferSize] = "[No error.]";
    // Every step runs; only whether one of them failed survives.
    int32_t status =
        LemmatizerCreate(code.c_str(), swd.c_str(), pwd1.c_str(), pwd2.c_str(), dictionary.c_str(),
                         prefix.c_str(), sharpS.c_str(), nullptr, local, sizeof(local));
    if (code == "ru") {
      status |= LemmatizeInitRusischExtendPath(extension.c_str(), local, sizeof(local));
    }
    status |= LemmatizeSetLanguage(code.c_str(), local, sizeof(local));
    return status == 0 ? 1 : 0;
  });
}
