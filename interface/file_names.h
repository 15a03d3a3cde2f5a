// The names of a language's files as the creation entry points form them.
//
// LemmatizeCreate(code, base) opens "<base>lemm/<code>-cwd.hsq" and the
// rest of that family for every language; LemmatizerCreateEx(code, dir)
// opens "<dir>\<code>.swd" and "<dir>\<code>-cwd.hsq", and only the extra
// files the language's row says it reads ("<dir>\<code>1.pwd",
// "<dir>\<code>2.pwd", "<dir>\<code>-all.txt", "<dir>\<code>-prfx.hsq",
// "<dir>\<code>-ss.hsq"); names it does not need stay empty. The base path
// ends with its own separator; a directory is followed by a backslash,
// which the platform layer reads as a separator. The dictionary compiler
// writes every file either entry point opens for its language.
#ifndef LEMMATIZER_INTERFACE_FILE_NAMES_H_
#define LEMMATIZER_INTERFACE_FILE_NAMES_H_

#include <string>
#include <vector>

#include "registry/languages.h"

namespace lemmatizer {

struct LanguageFileNames {
  std::string dictionary;  // main dictionary
  std::string swd;
  std::string pwd1;
  std::string pwd2;
  std::string prefix;
  std::string sharpS;
  std::string extension;  // the Russian extension file
  std::string words;      // the word list, read by the UTF-8 interface only
  std::string context;    // the context model of text analysis, the same
};

// The names LemmatizeCreate forms from a base path and a lower-case code,
// and the name of the word list beside them, which it does not read.
LanguageFileNames NamesBelowBase(const std::string& basePath, const std::string& code);

// The names LemmatizerCreateEx forms from a directory and a lower-case code
// of the language `row` (null: an unknown code, which reads no extra file).
// The reentrant interface forms the same names with '/' as `separator`,
// and reads the word list ("<dir>/<code>-words.bin") of the rows that list
// their words and the context model ("<dir>/<code>-context.txt") of any
// language, where they are present.
LanguageFileNames NamesInDirectory(const std::string& directory, const std::string& code,
                                   const Language* row, char separator = '\\');

// The file names (without directory) that either entry point opens for
// the language, each once: what a dictionary directory must hold.
std::vector<std::string> FileNamesOfLanguage(const Language& row);

}  // namespace lemmatizer

#endif  // LEMMATIZER_INTERFACE_FILE_NAMES_H_
