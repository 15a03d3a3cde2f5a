// make-fuzz-seeds: the seed corpora of the fuzz targets, cut from the small
// dictionaries that lemm-build compiles at build time from the lexicons in
// tests/fuzz/lexicons/.
//
//   make-fuzz-seeds OUTDIR DICTDIR EXTENSION_ROWS CODE=LEXICON...
//
// DICTDIR holds the compiled files (<code>-cwd.hsq, <code>.swd, ...), one
// language per CODE=LEXICON argument. Writes OUTDIR<target>/<name> for
// every target, in the input format the target reads (fuzz_files.h), and
// DICTDIR/ru-extension.txt: the Russian extension file with the rows of
// EXTENSION_ROWS (UTF-8 text), which lemmatize_fuzz registers.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "dictionary/scrambled_file.h"
#include "platform/codepage.h"
#include "platform/file.h"
#include "registry/language_objects.h"
#include "registry/languages.h"
#include "tests/fuzz/fuzz_files.h"
#include "tests/lemm/lexicons.h"
#include "tools/compiler/lexicon.h"

namespace {

constexpr char kExtensionTitle[] = "Online Default for Russian\n";

bool ReadBytes(const std::string& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

std::string Unscrambled(std::string bytes) {
  lemmatizer::ScrambleBytes(bytes);
  return bytes;
}

// Words that the pipeline answers before any dictionary: a semicolon, a
// hyphen at the end, capitals, capitals with "s", and a word too long to
// look up.
std::string SpecialWords() {
  std::string words;
  for (const char* word : {";", "x-", "NATO", "CDs", "CD's"}) {
    words += word;
    words += '\0';
  }
  return words + std::string(120, 'a') + '\0';
}

// Running text that takes the tokenizer's every road: elisions and
// clitics, URLs and e-mail addresses, numbers with separators,
// abbreviations, capitals, letters of every script, a tab-separated column.
constexpr char kTrickyText[] =
    "L'homme d\u2019accord, dell'uomo; user's cars don't. Visit https://example.org/a(b) "
    "or www.example.org, mail me@example.org: 1,000 10 000 3.14 v2.0 U.S.A. z.B. "
    "\u00abATTENTION\u00bb \u2014 \u0414\u0418\u0420\u0415\u041a\u0422\u041e\u0420"
    "\u0418\u0408\u0423\u041c \u039f\u0394\u039f\u03a3 \u20ac5 % J. Smith\tcol\n";

// A form of each lexicon line of UTF-8 `lexicon` (its first column), as
// running text with a sentence end every seventh word.
std::string TextOfForms(const std::string& lexicon) {
  std::string text;
  size_t words = 0;
  for (size_t at = 0; at < lexicon.size() && words < 400;) {
    size_t eol = lexicon.find('\n', at);
    if (eol == std::string::npos) eol = lexicon.size();
    const size_t tab = lexicon.find('\t', at);
    if (tab != std::string::npos && tab < eol && tab > at) {
      text += lexicon.substr(at, tab - at);
      text += ++words % 7 == 0 ? ". " : " ";
    }
    at = eol + 1;
  }
  return text;
}

class SeedMaker {
 public:
  SeedMaker(std::string outDir, std::string dictDir)
      : m_outDir(std::move(outDir)), m_dictDir(std::move(dictDir)) {}

  // The seeds of one language; false when one of its files is missing.
  bool AddLanguage(const std::string& code, const std::string& lexicon, int index) {
    const int codePage = lemmatizer::CodePageForLanguage(code);
    std::vector<lemmatizer::LexiconForm> forms;
    lemmatizer::LexiconStats stats;
    std::string error;
    if (codePage == 0 || !lemmatizer::ReadLexicon(lexicon, codePage, forms, stats, error)) {
      std::fprintf(stderr, "make-fuzz-seeds: %s: %s\n", code.c_str(), error.c_str());
      return false;
    }
    std::string words;
    for (const lemmatizer::LexiconForm& form : forms) words += form.form + '\0';

    std::string main, swd;
    if (!Read(code + "-cwd.hsq", main) || !Read(code + ".swd", swd)) return false;
    // Language, message buffer size, words.
    const std::string language(1, static_cast<char>(index));
    Write("lemmatize_fuzz", code, language + static_cast<char>(200) + words + SpecialWords());
    std::string utf8;
    if (ReadBytes(lexicon, utf8)) {
      // Language, options (a sentence begins), text.
      Write("analyze_fuzz", code, language + '\0' + TextOfForms(utf8) + kTrickyText);
      if (code == "en") {
        Write("context_model_fuzz", code,
              fuzzing::JoinParts(lemm_testing::kEnglishContext, TextOfForms(utf8) + kTrickyText));
      }
    }
    Write("main_dictionary_fuzz", code, fuzzing::JoinParts(language + words, main));
    if (swd.size() > 0) Write("swd_fuzz", code, Unscrambled(swd));

    if (code == "de") {
      std::string sharpS, prefixes;
      if (!Read("de-ss.hsq", sharpS) || !Read("de-prfx.hsq", prefixes)) return false;
      Write("german_files_fuzz", code, fuzzing::JoinParts(sharpS, prefixes));
    }
    if (code == "ru") {
      std::string whole, endings;
      if (!Read("ru1.pwd", whole) || !Read("ru2.pwd", endings)) return false;
      Write("pwd_fuzz", code, fuzzing::JoinParts(Unscrambled(whole), Unscrambled(endings)));
    }
    return true;
  }

  // The extension rows (UTF-8) as the extension target's seed and as the
  // extension file of lemmatize_fuzz.
  bool AddExtensionRows(const std::string& path) {
    std::string utf8, rows;
    if (!ReadBytes(path, utf8) || !lemmatizer::Utf8ToCodePage(utf8, 1251, rows)) {
      std::fprintf(stderr, "make-fuzz-seeds: cannot read %s in code page 1251\n", path.c_str());
      return false;
    }
    Write("extension_fuzz", "rows", rows);
    if (!lemmatizer::WriteScrambledFile(m_dictDir + "ru-extension.txt", kExtensionTitle + rows)) {
      m_failed = true;
    }
    return true;
  }

  bool Failed() const { return m_failed; }

 private:
  bool Read(const std::string& name, std::string& bytes) {
    if (ReadBytes(m_dictDir + name, bytes)) return true;
    std::fprintf(stderr, "make-fuzz-seeds: cannot read %s%s\n", m_dictDir.c_str(), name.c_str());
    return false;
  }

  void Write(const std::string& target, const std::string& name, const std::string& bytes) {
    std::error_code ignored;
    std::filesystem::create_directories(m_outDir + target, ignored);
    const std::string path = m_outDir + target + "/" + name;
    if (!lemmatizer::WriteFileBytes(path, bytes)) {
      std::fprintf(stderr, "make-fuzz-seeds: cannot write %s\n", path.c_str());
      m_failed = true;
    }
  }

  std::string m_outDir;
  std::string m_dictDir;
  bool m_failed = false;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr, "usage: make-fuzz-seeds OUTDIR DICTDIR EXTENSION_ROWS CODE=LEXICON...\n");
    return 2;
  }
  SeedMaker maker(argv[1], argv[2]);
  bool ok = maker.AddExtensionRows(argv[3]);
  size_t count = 0;
  const lemmatizer::Language* table = lemmatizer::Languages(&count);
  for (int i = 4; i < argc; ++i) {
    const std::string arg = argv[i];
    const size_t equals = arg.find('=');
    const std::string code = arg.substr(0, equals);
    int index = -1;
    for (size_t n = 0; n < count; ++n) {
      if (code == table[n].code) index = static_cast<int>(n);
    }
    if (equals == std::string::npos || index < 0) {
      std::fprintf(stderr, "make-fuzz-seeds: not CODE=LEXICON with a known code: %s\n", argv[i]);
      ok = false;
      continue;
    }
    ok = maker.AddLanguage(code, arg.substr(equals + 1), index) && ok;
  }
  return ok && !maker.Failed() ? 0 : 1;
}
