#include "dictionary/lemmatizer.h"

#include <cstring>
#include <limits>

#include "dictionary/errors.h"
#include "dictionary/main_file_header.h"
#include "platform/checksum.h"
#include "platform/file.h"

using lemmatizer::RaiseText;

CLemmatizer::CLemmatizer() : m_header(), m_loaded(0), m_handler(nullptr), m_handlerArg(0) {}

CLemmatizer::CLemmatizer(const char* path, LemcodeHandler handler, intptr_t handlerArg)
    : CLemmatizer() {
  Load(path, new CWordNormalizer(), handler, handlerArg);
}

CLemmatizer::~CLemmatizer() { Clear(); }

void CLemmatizer::Clear() {
  m_path.clear();
  m_path.shrink_to_fit();
  m_trie.Clear();
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
  std::vector<char> buffer;
  switch (lemmatizer::ReadFileBytes(path, static_cast<size_t>(size), buffer)) {
    case lemmatizer::ReadStatus::kCannotOpen:
      RaiseText("couldn't open file : %s", shown);
    case lemmatizer::ReadStatus::kShort:
      RaiseText("read error (%d instead of %d bytes) file : %s",
                static_cast<int32_t>(buffer.size()), size, shown);
    case lemmatizer::ReadStatus::kRead:
      break;
  }
  return buffer;
}

void CLemmatizer::FailLoad(const char* format) {
  const std::string shown = m_path;
  Clear();
  RaiseText(format, shown.c_str());
}

void CLemmatizer::Load(const char* path, CWordNormalizer* normalizer, LemcodeHandler handler,
                       intptr_t handlerArg) {
  m_normalizer.reset(normalizer);
  m_handler = handler;
  m_handlerArg = handlerArg;
  m_path = path == nullptr ? "" : path;
  const int32_t size = GetFileSize(m_path.c_str());
  // A file without a whole header is rejected before anything is allocated;
  // a header with fewer than one record loads an empty dictionary. Bytes
  // after the last whole record are ignored.
  if (size < lemmatizer::kHsqHeaderSize) FailLoad("read error from file : %s ");
  const size_t count =
      static_cast<size_t>(size - lemmatizer::kHsqHeaderSize) / lemmatizer::kHsqRecordSize;
  const size_t recordBytes = count * lemmatizer::kHsqRecordSize;
  std::vector<char> bytes;
  switch (
      lemmatizer::ReadFileBytes(m_path.c_str(), lemmatizer::kHsqHeaderSize + recordBytes, bytes)) {
    case lemmatizer::ReadStatus::kCannotOpen:
      FailLoad("couldn't open file : %s");
    case lemmatizer::ReadStatus::kShort:
      FailLoad("read error from file : %s ");
    case lemmatizer::ReadStatus::kRead:
      break;
  }
  std::memcpy(m_header, bytes.data(), lemmatizer::kHsqHeaderSize);
  const auto* records =
      reinterpret_cast<const unsigned char*>(bytes.data()) + lemmatizer::kHsqHeaderSize;
  const lemmatizer::MainFileHeader header =
      lemmatizer::ParseMainFileHeader(m_header, lemmatizer::kHsqHeaderSize);
  if (header.format > lemmatizer::kMainFileFormat) {
    FailLoad("unsupported format version in file : %s (rebuild it, or use a newer library)");
  }
  if (header.hasChecksum && lemmatizer::Crc32(records, recordBytes) != header.checksum) {
    FailLoad("checksum error in file : %s (the file is damaged)");
  }
  m_trie.Assign(records, count, lemmatizer::kHsqRecordSize, 1);
  m_trie.BuildIndex(kIndexedNodeWidth);
  m_loaded = 1;
}
