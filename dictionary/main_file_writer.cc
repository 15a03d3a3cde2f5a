#include "dictionary/main_file_writer.h"

#include "dictionary/hsq_format.h"
#include "platform/checksum.h"

namespace lemmatizer {

std::string MainDictionaryBytes(const MainFileHeader& checked, const std::string& description,
                                const std::vector<TrieRecord>& records) {
  const std::string recordBytes = RecordTrieBytes(records, kHsqRecordSize, 1);
  MainFileHeader header = checked;
  header.format = kMainFileFormat;
  header.hasChecksum = true;
  header.checksum = Crc32(recordBytes.data(), recordBytes.size());
  std::string bytes =
      "lemmatizer main dictionary (HSQ trie)\n" + MainFileHeaderLines(header) + description;
  bytes.resize(kHsqHeaderSize, '\0');
  return bytes + recordBytes;
}

}  // namespace lemmatizer
