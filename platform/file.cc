#include "platform/file.h"

#include <sys/stat.h>

namespace lemmatizer {

std::string NativePath(const char* path) {
  std::string native = path == nullptr ? "" : path;
#ifndef _WIN32
  for (char& c : native) {
    if (c == '\\') c = '/';
  }
#endif
  return native;
}

int64_t FileSizeByPath(const char* path) {
  if (path == nullptr) return -1;
  const std::string native = NativePath(path);
#ifdef _WIN32
  struct _stat64 status;
  if (_stat64(native.c_str(), &status) != 0) return -1;
#else
  struct stat status;
  if (stat(native.c_str(), &status) != 0) return -1;
  if (!S_ISREG(status.st_mode)) return -1;
#endif
  return static_cast<int64_t>(status.st_size);
}

bool OpenBinaryInput(const char* path, std::ifstream& in) {
  if (path == nullptr) return false;
  in.open(NativePath(path), std::ios::in | std::ios::binary);
  return in.is_open();
}

}  // namespace lemmatizer
