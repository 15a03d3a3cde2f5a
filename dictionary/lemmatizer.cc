#include "dictionary/lemmatizer.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <limits>

#include "dictionary/errors.h"
#include "platform/file.h"

using lemmatizer::RaiseText;

CLemmatizer::CLemmatizer()
    : m_header(), m_loaded(0), m_handler(nullptr), m_handlerArg(0) {}

CLemmatizer::CLemmatizer(const char* path, LemcodeHandler handler, intptr_t handlerArg)
    : CLemmatizer() {
  Load(path, new CWordNormalizer(), handler, handlerArg);
}

CLemmatizer::~CLemmatizer() { Clear(); }

void CLemmatizer::Clear() {
  m_path.clear();
  m_path.shrink_to_fit();
  std::vector<int32_t>().swap(m_values);
  std::vector<unsigned char>().swap(m_chars);
  m_normalizer.reset();
  m_loaded = 0;
}

int32_t CLemmatizer::GetFileSize(const char* path) {
  const int64_t size = lemmatizer::FileSizeByPath(path);
  if (size < 0 || size > std::numeric_limits<int32_t>::max()) {
    RaiseText("couldn't get size of file : %s", path == nullptr ? "" : path);
  }
  return static_cast<int32_t>(size);
}

std::vector<char> CLemmatizer::ReadWholeFile(const char* path) {
  const char* shown = path == nullptr ? "" : path;
  const int32_t size = GetFileSize(path);
  std::ifstream in;
  if (!lemmatizer::OpenBinaryInput(path, in)) RaiseText("couldn't open file : %s", shown);
  std::vector<char> buffer(static_cast<size_t>(size));
  in.read(buffer.data(), size);
  const auto obtained = static_cast<int32_t>(in.gcount());
  if (obtained != size) {
    RaiseText("read error (%d instead of %d bytes) file : %s", obtained, size, shown);
  }
  return buffer;
}

void CLemmatizer::Load(const char* path, CWordNormalizer* normalizer, LemcodeHandler handler,
                       intptr_t handlerArg) {
  m_normalizer.reset(normalizer);
  m_handler = handler;
  m_handlerArg = handlerArg;
  m_path = path == nullptr ? "" : path;
  const char* shown = m_path.c_str();

  const int32_t size = GetFileSize(m_path.c_str());
  // A file without a whole header is rejected before anything is allocated;
  // a header with fewer than one record loads an empty dictionary.
  if (size < lemmatizer::kHsqHeaderSize) {
    const std::string message = m_path;
    Clear();
    RaiseText("read error from file : %s ", message.c_str());
  }
  const int32_t count = (size - lemmatizer::kHsqHeaderSize) / lemmatizer::kHsqRecordSize;

  std::ifstream in;
  if (!lemmatizer::OpenBinaryInput(shown, in)) {
    const std::string message = m_path;
    Clear();
    RaiseText("couldn't open file : %s", message.c_str());
  }
  const auto fail = [this]() {
    const std::string message = m_path;
    Clear();
    RaiseText("read error from file : %s ", message.c_str());
  };
  in.read(m_header, lemmatizer::kHsqHeaderSize);
  if (!in) fail();

  m_values.resize(static_cast<size_t>(count));
  m_chars.resize(static_cast<size_t>(count));
  std::vector<unsigned char> chunk(lemmatizer::kHsqChunkRecords * lemmatizer::kHsqRecordSize);
  int32_t i = 0;
  while (i < count) {
    const int32_t wanted = std::min(lemmatizer::kHsqChunkRecords, count - i);
    in.read(reinterpret_cast<char*>(chunk.data()), wanted * lemmatizer::kHsqRecordSize);
    const auto n = static_cast<int32_t>(in.gcount() / lemmatizer::kHsqRecordSize);
    if (in.fail() || n == 0) fail();
    for (int32_t j = 0; j < n; ++j) {
      const unsigned char* record = &chunk[static_cast<size_t>(j) * lemmatizer::kHsqRecordSize];
      m_chars[i + j] = record[0];
      m_values[i + j] = static_cast<int32_t>(
          static_cast<uint32_t>(record[1]) | (static_cast<uint32_t>(record[2]) << 8) |
          (static_cast<uint32_t>(record[3]) << 16) | (static_cast<uint32_t>(record[4]) << 24));
    }
    i += n;
  }
  m_loaded = 1;
}
