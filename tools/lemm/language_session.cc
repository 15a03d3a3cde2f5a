#include "tools/lemm/language_session.h"

#include "interface/file_names.h"
#include "interface/lemmatizer.h"
#include "platform/codepage.h"
#include "registry/languages.h"

namespace lemmatizer {

namespace {

std::string Message(const char* buffer, size_t size) {
  std::string text(buffer, size);
  const size_t end = text.find('\0');
  return end == std::string::npos ? text : text.substr(0, end);
}

}  // namespace

bool LanguageSession::Open(const std::string& code, const std::string& dictionaryDir,
                           std::string& error) {
  m_code = code;
  for (char& c : m_code) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
  const Language* language = FindLanguage(m_code);
  if (language == nullptr) {
    error = "unknown language code \"" + code + "\"";
    return false;
  }
  m_codePage = language->codePage;
  // The names LemmatizeCreate forms, created through LemmatizerCreate so
  // that the library's message can be shown.
  const LanguageFileNames names = NamesBelowBase(dictionaryDir, m_code);
  char message[1024] = {0};
  const int32_t status =
      LemmatizerCreate(m_code.c_str(), names.swd.c_str(), names.pwd1.c_str(), names.pwd2.c_str(),
                       names.dictionary.c_str(), names.prefix.c_str(), names.sharpS.c_str(),
                       nullptr, message, sizeof(message) - 1);
  if (status != 0) {
    error = status == 2 ? "the library does not offer language \"" + m_code + "\""
                        : Message(message, sizeof(message));
    return false;
  }
  if (language->Reads(kExtensionFile)) {
    if (LemmatizeInitRusischExtendPath(names.extension.c_str(), message, sizeof(message) - 1) !=
        0) {
      error = Message(message, sizeof(message));
      return false;
    }
  }
  if (LemmatizeSetLanguage(m_code.c_str(), message, sizeof(message) - 1) != 0) {
    error = Message(message, sizeof(message));
    return false;
  }
  return true;
}

bool LanguageSession::Lemmatize(const std::string& word, std::vector<Reading>& readings,
                                std::string& error) {
  readings.clear();
  std::string bytes;
  if (!Utf8ToCodePage(word, m_codePage, bytes)) {
    error = "not writable in code page " + std::to_string(m_codePage);
    return false;
  }
  LemmatizerResult result;
  LemmatizerInitResult(&result);
  char message[512] = {0};
  const int32_t status = ::Lemmatize(bytes.c_str(), &result, message, sizeof(message) - 1);
  if (status != 0) {
    error = Message(message, sizeof(message));
    LemmatizerFreeResult(&result);
    return false;
  }
  for (int32_t i = 0; i < result.count; ++i) {
    const char* name = GetStringForTag(result.tags[i], nullptr, 0);
    readings.push_back(Reading{CodePageToUtf8(result.lemmas[i], m_codePage), result.tags[i],
                               name == nullptr ? std::to_string(result.tags[i]) : name});
  }
  LemmatizerFreeResult(&result);
  return true;
}

}  // namespace lemmatizer
