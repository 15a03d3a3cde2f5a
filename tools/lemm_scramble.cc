// lemm-scramble: scrambles or unscrambles a text data file (SWD, PWD and
// Russian extension files) with the library's own key sequence.
//
//   lemm-scramble INPUT OUTPUT     write INPUT scrambled (or unscrambled) to OUTPUT
//   lemm-scramble INPUT            write the result to standard output
//
// Scrambling and unscrambling are the same operation, so the tool both
// writes data files and shows their content.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "dictionary/scrambled_file.h"

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3 || std::strcmp(argv[1], "--help") == 0 ||
      std::strcmp(argv[1], "-h") == 0) {
    std::fprintf(argc == 2 ? stdout : stderr,
                 "usage: lemm-scramble INPUT [OUTPUT]\n"
                 "Scrambles a plain text data file, or unscrambles a stored one (the same\n"
                 "operation). Without OUTPUT the result goes to standard output.\n"
                 "Example: lemm-scramble de.swd.txt lemm/de.swd\n"
                 "         lemm-scramble lemm/de.swd | less\n");
    return argc == 2 ? 0 : 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "lemm-scramble: cannot open %s\n", argv[1]);
    return 1;
  }
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  lemmatizer::ScrambleBytes(bytes);
  if (argc == 3) {
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out) {
      std::fprintf(stderr, "lemm-scramble: cannot write %s\n", argv[2]);
      return 1;
    }
  } else {
    std::cout << bytes;
  }
  return 0;
}
