// A benchmark stream: the tokens of build/bench/streams/<code>.txt (UTF-8,
// one per line, in text order), read once and kept in two contiguous
// buffers, as UTF-8 for the peers and in the language's code page for the
// library. A token the code page cannot write is left out of both and
// counted, so that every engine works on the same words.
#ifndef LEMMATIZER_BENCH_STREAM_H_
#define LEMMATIZER_BENCH_STREAM_H_

#include <cstddef>
#include <string>
#include <vector>

#include "registry/languages.h"

namespace lemmbench {

// A NUL-terminated word inside one of the stream's buffers.
struct Word {
  const char* text;
  int size;
};

class Stream {
 public:
  Stream() = default;
  Stream(const Stream&) = delete;
  Stream& operator=(const Stream&) = delete;

  // Reads the token file and converts its words to `codePage`. False with
  // a message when the file cannot be read or holds no token.
  bool Read(const std::string& path, int codePage, std::string& error);

  // Keeps only the first `words` words (the tokens' counts stay).
  void Truncate(size_t words);

  size_t Tokens() const { return m_tokens; }
  size_t Unwritable() const { return m_unwritable; }
  const std::vector<Word>& Utf8() const { return m_utf8; }
  const std::vector<Word>& CodePage() const { return m_codePage; }

 private:
  size_t m_tokens = 0;
  size_t m_unwritable = 0;
  std::string m_utf8Bytes;      // the file, each newline turned into a NUL
  std::string m_codePageBytes;  // reserved once: the words never move
  std::vector<Word> m_utf8;
  std::vector<Word> m_codePage;
};

// Reads <streamDir><code>.txt for `language`, keeping its first `words`
// words (0: all).
bool ReadLanguageStream(const std::string& streamDir, const lemmatizer::Language& language,
                        size_t words, Stream& stream, std::string& error);

}  // namespace lemmbench

#endif  // LEMMATIZER_BENCH_STREAM_H_
