// File access of the library: the size of a file by path and binary input.
//
// Paths are taken as the host gives them. On systems other than Windows a
// backslash in a path is read as a directory separator when the file is
// opened or queried, because hosts written for the Windows build pass names
// such as "dir\de.swd". Messages always quote the path exactly as given.
#ifndef LEMMATIZER_PLATFORM_FILE_H_
#define LEMMATIZER_PLATFORM_FILE_H_

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace lemmatizer {

// The path in the form the operating system expects.
std::string NativePath(const char* path);

// The size of the file in bytes, or -1 when its status cannot be read
// (missing file, null path).
int64_t FileSizeByPath(const char* path);

// Opens the file for binary reading. Returns false when it cannot be opened.
bool OpenBinaryInput(const char* path, std::ifstream& in);

enum class ReadStatus { kRead, kCannotOpen, kShort };

// Reads the first `size` bytes of the file into `bytes`: kCannotOpen when
// it cannot be opened, kShort (with the bytes it holds) when it holds fewer.
ReadStatus ReadFileBytes(const char* path, size_t size, std::vector<char>& bytes);

// Writes `bytes` to `path`, replacing the file; false when that fails.
bool WriteFileBytes(const std::string& path, const std::string& bytes);

}  // namespace lemmatizer

#endif  // LEMMATIZER_PLATFORM_FILE_H_
