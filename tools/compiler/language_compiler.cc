#include "tools/compiler/language_compiler.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <memory>

#include "dictionary/lemmatizer.h"
#include "dictionary/main_file_writer.h"
#include "dictionary/scrambled_file.h"
#include "dictionary/sharp_s_writer.h"
#include "dictionary/word_list_writer.h"
#include "interface/file_names.h"
#include "platform/codepage.h"
#include "platform/file.h"
#include "platform/text.h"
#include "registry/language_objects.h"
#include "rules/ending_tables.h"
#include "rules/german_prefix_writer.h"
#include "swd/swd.h"
#include "swd/swd_writer.h"
#include "tools/compiler/compile_passes.h"
#include "tools/compiler/german_data.h"
#include "tools/compiler/lexicon.h"
#include "tools/compiler/reading_encoder.h"
#include "tools/compiler/russian_cases.h"
#include "tools/compiler/russian_data.h"

namespace lemmatizer {

namespace {

// The language's dictionary object, built over an empty main file so that
// its normalizer, handler and handler argument can encode readings. Null
// when this build does not offer the language.
std::unique_ptr<CLemmatizer> MakeDictionaryObject(const Language& row, const std::string& dir) {
  if (!IsOffered(row)) return nullptr;
  const LanguageFileNames names = NamesBelowBase(dir, row.code);
  if (!WriteFileBytes(names.dictionary, MainDictionaryBytes(MainFileHeader(), "", {}))) {
    return nullptr;
  }
  return BuildDictionary(row, names.dictionary.c_str(), names.prefix.c_str(), names.sharpS.c_str());
}

std::string FormatSeconds(double seconds) {
  char text[32];
  std::snprintf(text, sizeof(text), "%.1f s", seconds);
  return text;
}

std::string Today() {
  const std::time_t now = std::time(nullptr);
  char date[16];
  std::strftime(date, sizeof(date), "%Y-%m-%d", std::gmtime(&now));
  return date;
}

// The description lines of the main dictionary's header.
std::string Description(const std::string& code, const CompileOptions& options,
                        const CompileSummary& summary) {
  std::string text;
  text += "code: " + code + "\n";
  text += "source: " + std::filesystem::path(options.lexiconPath).filename().string() + "\n";
  text += "built: " + Today() + "\n";
  text += "keys: " + std::to_string(summary.trieKeys) + "\n";
  text += "readings in the trie: " + std::to_string(summary.trieReadings) + "\n";
  text += "readings in the SWD file: " + std::to_string(summary.swdReadings) + "\n";
  text += "records: " + std::to_string(summary.records) + "\n";
  text += std::string("unknown words: ") +
          (options.unknownWords == UnknownWords::kGuess ? "guess" : "strict") + "\n";
  return text;
}

// The files the dictionary object reads while it is built: the German
// extra files.
bool WriteGermanFiles(const std::vector<LexiconForm>& forms, const LanguageFileNames& names,
                      std::string& error) {
  const GermanFileData german = LearnGermanFileData(forms);
  if (!WriteFileBytes(names.sharpS, SharpSTrieBytes(german.sharpS, german.defaultClass)) ||
      !WriteFileBytes(names.prefix, PrefixCellBytes(german.prefixes))) {
    error = "cannot write " + names.sharpS + " or " + names.prefix;
    return false;
  }
  return true;
}

}  // namespace

bool CompileLanguage(const CompileOptions& options, CompileSummary& summary, std::string& error) {
  const auto started = std::chrono::steady_clock::now();
  const std::string code = LowerCopy(options.code.c_str());
  const Language* row = FindLanguage(code);
  if (row == nullptr) {
    error = "unknown language code: " + options.code;
    return false;
  }
  std::error_code ignored;
  std::filesystem::create_directories(options.outDir + "lemm/", ignored);
  const LanguageFileNames names = NamesBelowBase(options.outDir, code);

  std::vector<LexiconForm> forms;
  LexiconStats stats;
  if (!ReadLexicon(options.lexiconPath, row->codePage, forms, stats, error)) return false;
  const CSWD swdKeys(code.c_str(), 0);
  OrderCaseVariants(forms, swdKeys);
  summary.lexiconLines = stats.lines;
  summary.readings = stats.readings;
  summary.dropped = stats.droppedCodePage + stats.droppedTag + stats.droppedMalformed;
  summary.forms = static_cast<int64_t>(forms.size());
  if (options.progress) {
    std::cerr << code << ": " << stats.readings << " readings of " << forms.size()
              << " forms read\n";
  }

  // The extra files come first: the dictionary object reads them.
  if (row->Reads(kPrefixFile) && !WriteGermanFiles(forms, names, error)) return false;
  if (row->Reads(kPwdFiles)) {
    std::vector<ExtensionRow> extensionRows;
    if (!options.casesPath.empty() && row->Reads(kExtensionFile)) {
      std::vector<CaseReading> cases;
      int64_t skipped = 0;
      if (!ReadCaseReadings(options.casesPath, row->codePage, cases, skipped, error)) return false;
      extensionRows = LearnExtensionRows(cases);
    }
    summary.extensionRows = static_cast<int64_t>(extensionRows.size());
    if (!WriteRussianFiles(forms, extensionRows, *row, options.outDir, error)) return false;
  }

  std::unique_ptr<CLemmatizer> dictionary;
  try {
    dictionary = MakeDictionaryObject(*row, options.outDir);
  } catch (const char* text) {
    error = text;
    return false;
  }
  if (dictionary == nullptr) {
    error = "no rules for language " + code + " in this build";
    return false;
  }
  ReadingEncoder encoder(*row, *dictionary);

  std::vector<FormEncoding> encodings =
      EncodeForms(forms, encoder, options.progress ? code.c_str() : nullptr);
  KeepHiddenFormsInSwd(forms, swdKeys, encodings);
  const CompiledForms compiled = GatherKeysAndSwdLines(forms, encodings, swdKeys);
  summary.trieReadings = compiled.trieReadings;
  summary.swdReadings = compiled.swdReadings;
  summary.swdForms = compiled.swdForms;
  summary.unwritable = compiled.unwritable;

  TrieBuilder trie;
  for (const auto& entry : compiled.keys) trie.Add(entry.first, entry.second);
  const std::vector<TrieRecord> records = trie.Build(options.unknownWords);
  summary.trieKeys = static_cast<int64_t>(compiled.keys.size());
  summary.records = static_cast<int64_t>(records.size());

  MainFileHeader checked;
  if (const CompiledEndingTable* table = FindEndingTable(code.c_str())) {
    checked.hasEndings = true;
    checked.endings = table->digest;
  }
  const std::string mainBytes =
      MainDictionaryBytes(checked, Description(code, options, summary), records);
  dictionary.reset();
  if (!WriteFileBytes(names.dictionary, mainBytes)) {
    error = "cannot write " + names.dictionary;
    return false;
  }
  summary.mainBytes = static_cast<int64_t>(mainBytes.size());

  // In source order, which the loader then finds sorted; lines with equal
  // sources keep their order, so the table is the same.
  std::vector<SwdLine> swdLines = compiled.swd;
  std::stable_sort(swdLines.begin(), swdLines.end(),
                   [](const SwdLine& a, const SwdLine& b) { return a.source < b.source; });
  std::string swdText, bad;
  SwdText(swdLines, swdText, bad);
  AppendSwdChecksum(swdText);
  if (!WriteScrambledFile(names.swd, swdText)) {
    error = "cannot write " + names.swd;
    return false;
  }
  summary.swdBytes = static_cast<int64_t>(swdText.size());

  if (row->ListsWords()) {
    std::vector<std::string> words;
    words.reserve(forms.size());
    for (const LexiconForm& form : forms) words.push_back(CodePageToUtf8(form.form, row->codePage));
    const std::string list = WordListBytes(words);
    if (!WriteFileBytes(names.words, list)) {
      error = "cannot write " + names.words;
      return false;
    }
    summary.wordListBytes = static_cast<int64_t>(list.size());
  }
  summary.seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return true;
}

std::string DescribeSummary(const std::string& code, const CompileSummary& s) {
  return code + ": " + std::to_string(s.readings) + " readings of " + std::to_string(s.forms) +
         " forms (" + std::to_string(s.dropped) + " lexicon lines dropped); " +
         std::to_string(s.trieReadings) + " encoded in the trie under " +
         std::to_string(s.trieKeys) + " keys, " + std::to_string(s.swdReadings) + " sent to SWD (" +
         std::to_string(s.swdForms) + " forms), " + std::to_string(s.unwritable) + " unwritable; " +
         std::to_string(s.records) + " records, " + std::to_string(s.mainBytes) + " + " +
         std::to_string(s.swdBytes) + " bytes" +
         (s.extensionRows > 0 ? "; " + std::to_string(s.extensionRows) + " extension rows" : "") +
         (s.wordListBytes > 0 ? "; a word list of " + std::to_string(s.wordListBytes) + " bytes"
                              : "") +
         "; " + FormatSeconds(s.seconds);
}

}  // namespace lemmatizer
