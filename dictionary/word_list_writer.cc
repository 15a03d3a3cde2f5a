#include "dictionary/word_list_writer.h"

#include <algorithm>
#include <cstdio>

#include "dictionary/word_list.h"
#include "platform/checksum.h"

namespace lemmatizer {

std::string WordListBytes(const std::vector<std::string>& forms) {
  const uint64_t bits = std::max<uint64_t>(64, forms.size() * kWordListBitsPerForm);
  std::string body((bits + 7) / 8, '\0');
  for (const std::string& form : forms) {
    const uint64_t digest = WordListDigest(form);
    for (int i = 0; i < kWordListHashes; ++i) {
      const uint64_t bit = WordListBit(digest, i, bits);
      body[bit / 8] = static_cast<char>(body[bit / 8] | 1 << (bit % 8));
    }
  }
  char checksum[16];
  std::snprintf(checksum, sizeof(checksum), "%08x",
                static_cast<unsigned>(Crc32(body.data(), body.size())));
  return "lemmatizer word list (Bloom filter)\nformat: 1\nhashes: " +
         std::to_string(kWordListHashes) + "\nbits: " + std::to_string(bits) +
         "\nforms: " + std::to_string(forms.size()) + "\nchecksum: crc32 " + checksum + "\n\n" +
         body;
}

}  // namespace lemmatizer
