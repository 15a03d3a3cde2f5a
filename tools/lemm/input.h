// lemm's input: a file read in pieces of whole lines, each small enough to
// lemmatize on its own and large enough to be worth a thread's time, with
// the checks the command line promises: binary input (a NUL byte) is
// refused, and a line that is not valid UTF-8 is reported as FILE:LINE:BYTE
// and skipped.
#ifndef LEMMATIZER_TOOLS_LEMM_INPUT_H_
#define LEMMATIZER_TOOLS_LEMM_INPUT_H_

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace lemmatizer {

// Whole lines: the first word of a piece, the first of a line, begins a
// sentence as every line's does (tokenizer.h).
struct Piece {
  std::string text;   // whole lines, with their line ends
  size_t offset = 0;  // of its first byte in the file
};

class PieceReader {
 public:
  // Reads `file` (not owned), called `name` in messages.
  PieceReader(FILE* file, std::string name);

  // The next piece; false at the end of the input, or when it turned out
  // to be binary (binary() tells; the message has been printed).
  bool Next(Piece& piece);

  bool binary() const { return m_binary; }
  bool invalid() const { return m_invalid; }  // some line was not valid UTF-8
  bool readError() const { return m_readError; }
  size_t bytesRead() const { return m_consumed; }

 private:
  // The next line with its line end into `line`; false at the end.
  bool NextLine(std::string& line);
  bool Fill();

  FILE* m_file;
  std::string m_name;
  std::vector<char> m_buffer;
  size_t m_begin = 0, m_end = 0;  // unread bytes of m_buffer
  size_t m_consumed = 0;          // bytes of the file handed out as lines
  size_t m_line = 0;
  bool m_eof = false, m_binary = false, m_invalid = false, m_readError = false;
};

}  // namespace lemmatizer

#endif  // LEMMATIZER_TOOLS_LEMM_INPUT_H_
