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

ReadStatus ReadFileBytes(const char* path, size_t size, std::vector<char>& bytes) {
  std::ifstream in;
  if (!OpenBinaryInput(path, in)) return ReadStatus::kCannotOpen;
  bytes.resize(size);
  in.read(bytes.data(), static_cast<std::streamsize>(size));
  const auto obtained = static_cast<size_t>(in.gcount());
  if (obtained == size) return ReadStatus::kRead;
  bytes.resize(obtained);
  return ReadStatus::kShort;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(NativePath(path.c_str()), std::ios::binary | std::ios::trunc);
  out << bytes;
  return static_cast<bool>(out);
}

}  // namespace lemmatizer
