#include "tools/lemm/dictionary_dir.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace lemmatizer {
namespace {

// The directory of the running program, or empty.
std::filesystem::path ProgramDir() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : self.parent_path();
}

std::string WithSlash(std::string dir) {
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir;
}

}  // namespace

std::string DefaultDictionaryDir() {
  if (const char* fromEnvironment = std::getenv("LEMM_DICTIONARIES")) {
    return WithSlash(fromEnvironment);
  }
  const std::filesystem::path program = ProgramDir();
  const std::filesystem::path installed = program.parent_path() / "share" / "lemmatizer";
  std::error_code error;
  if (std::filesystem::is_directory(installed / "lemm", error)) return WithSlash(installed.string());
  // A program of the build tree: <build>/tools/<name>/ or <build>/bench/.
  for (const std::filesystem::path& build : {program.parent_path().parent_path(),
                                             program.parent_path()}) {
    if (std::filesystem::exists(build / "CMakeCache.txt", error) &&
        std::filesystem::is_directory(build / "dict" / "lemm", error)) {
      return WithSlash((build / "dict").string());
    }
  }
  return WithSlash(installed.string());
}

}  // namespace lemmatizer
