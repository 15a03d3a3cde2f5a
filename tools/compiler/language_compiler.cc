#include "tools/compiler/language_compiler.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <iterator>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "dictionary/lemmatizer.h"
#include "dictionary/tag_table.h"
#include "platform/codepage.h"
#include "platform/text.h"
#include "registry/language_table.h"
#include "swd/swd.h"
#include "tools/compiler/file_writers.h"
#include "tools/compiler/german_data.h"
#include "tools/compiler/lexicon.h"
#include "tools/compiler/reading_encoder.h"
#include "tools/compiler/russian_data.h"

namespace lemmatizer {

namespace {

// The language's dictionary object, built over an empty main file so that
// its normalizer, handler and handler argument can encode readings. Null
// when this build does not offer the language.
std::unique_ptr<CLemmatizer> MakeDictionaryObject(const std::string& code, const std::string& dir) {
  const LanguageEntry* entry = FindLanguageEntry(code);
  if (entry == nullptr || !IsOffered(*entry)) return nullptr;
  const std::string main = dir + code + "-cwd.hsq";
  if (!WriteBytes(main, MainDictionaryBytes("", {}))) return nullptr;
  return BuildDictionary(*entry, main.c_str(), (dir + code + "-prfx.hsq").c_str(),
                         (dir + code + "-ss.hsq").c_str());
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

// The tag of readings whose source gives no part of speech.
constexpr const char* kUntaggedTag = "ANYC";

// Order of case variants: tagged before untagged, then lower case first.
int CaseVariantRank(const LexiconForm& form, const CSWD& swdKeys, int32_t untagged) {
  const bool allUntagged =
      std::all_of(form.readings.begin(), form.readings.end(),
                  [untagged](const LexiconReading& r) { return r.tag == untagged; });
  const bool lower = swdKeys.LookupKey(form.form.c_str())[0] == form.form[0];
  return (allUntagged ? 2 : 0) + (lower ? 0 : 1);
}

}  // namespace

bool CompileLanguage(const CompileOptions& options, CompileSummary& summary, std::string& error) {
  const auto started = std::chrono::steady_clock::now();
  const std::string code = LowerCopy(options.code.c_str());
  const int codePage = CodePageForLanguage(code);
  if (codePage == 0) {
    error = "unknown language code: " + options.code;
    return false;
  }
  const std::string dir = options.outDir + "lemm/";
  std::error_code ignored;
  std::filesystem::create_directories(dir, ignored);

  std::vector<LexiconForm> forms;
  LexiconStats stats;
  if (!ReadLexicon(options.lexiconPath, codePage, forms, stats, error)) return false;
  // Forms that differ only in case share a key in the trie and a run in
  // the SWD file, where readings keep the order forms come in. Lower-case
  // forms (those whose first letter the SWD lookup does not lower) go
  // first, so that "is" answers with "be" before the name "Is". A form
  // whose readings are all untagged (a word list's guess at its lemma)
  // goes after every form with tagged readings, so that the untagged
  // "kinder" of a spelling list does not answer before the noun "Kinder".
  CSWD swdKeys(code.c_str(), 0);
  const int32_t untagged = CTagTable::GetTagNumber(kUntaggedTag);
  {
    std::vector<std::vector<LexiconForm>> byRank(4);
    for (LexiconForm& form : forms) {
      byRank[CaseVariantRank(form, swdKeys, untagged)].push_back(std::move(form));
    }
    forms.clear();
    for (auto& rank : byRank) {
      std::move(rank.begin(), rank.end(), std::back_inserter(forms));
    }
  }
  summary.lexiconLines = stats.lines;
  summary.readings = stats.readings;
  summary.dropped = stats.droppedCodePage + stats.droppedTag + stats.droppedMalformed;
  summary.forms = static_cast<int64_t>(forms.size());
  if (options.progress) {
    std::cerr << code << ": " << stats.readings << " readings of " << forms.size()
              << " forms read\n";
  }

  // The extra files come first: the dictionary object reads them.
  if (code == "de") {
    const GermanFileData german = LearnGermanFileData(forms);
    if (!WriteBytes(dir + "de-ss.hsq", SharpSTrieBytes(german.sharpS, german.defaultClass)) ||
        !WriteBytes(dir + "de-prfx.hsq", PrefixCellBytes(german.prefixes))) {
      error = "cannot write the German files in " + dir;
      return false;
    }
  }
  if (code == "ru") {
    if (!WriteRussianFiles(forms, dir, error)) return false;
  }

  std::unique_ptr<CLemmatizer> dictionary;
  try {
    dictionary = MakeDictionaryObject(code, dir);
  } catch (const char* text) {
    error = text;
    return false;
  }
  if (dictionary == nullptr) {
    error = "no rules for language " + code + " in this build";
    return false;
  }
  ReadingEncoder encoder(code, dictionary->Normalizer(), dictionary->Handler(),
                         dictionary->HandlerArg());

  // Pass 1: which forms the trie can rebuild.
  struct Encoding {
    bool inTrie = false;
    std::string key;
    std::vector<HsqResult> readings;
  };
  std::vector<Encoding> encodings(forms.size());
  for (size_t f = 0; f < forms.size(); ++f) {
    if (options.progress && (f + 1) % 200000 == 0) {
      std::cerr << code << ": " << f + 1 << " of " << forms.size() << " forms encoded\n";
    }
    const LexiconForm& form = forms[f];
    Encoding& encoding = encodings[f];
    bool encodable =
        form.form.find(' ') == std::string::npos && encoder.KeyOf(form.form, encoding.key);
    for (size_t i = 0; encodable && i < form.readings.size(); ++i) {
      HsqResult r{form.readings[i].tag - 1, 0, 0};
      encodable = encoder.Encode(form.form, encoding.key, form.readings[i].lemma, r.cut, r.lemcode);
      encoding.readings.push_back(r);
    }
    encoding.inTrie = encodable;
  }

  // The SWD answer is final and matches sources without regard to case, so
  // a form in the trie whose SWD key meets an SWD source would be hidden by
  // it ("is" behind the name "Is"): such forms go to the SWD file as well,
  // where the order of forms decides the order of readings.
  std::unordered_set<std::string> swdSources;
  for (size_t f = 0; f < forms.size(); ++f) {
    if (!encodings[f].inTrie)
      swdSources.insert(CSWD::FoldedSource(swdKeys.LookupKey(forms[f].form.c_str())));
  }
  for (size_t f = 0; f < forms.size(); ++f) {
    if (encodings[f].inTrie &&
        swdSources.count(CSWD::FoldedSource(swdKeys.LookupKey(forms[f].form.c_str()))) != 0) {
      encodings[f].inTrie = false;
    }
  }

  // Pass 2: keys with their readings in the order keys were first seen, and
  // SWD lines in the order of the forms.
  std::unordered_map<std::string, size_t> keyIndex;
  std::vector<std::pair<std::string, std::vector<HsqResult>>> keys;
  std::vector<SwdLine> swd;
  for (size_t f = 0; f < forms.size(); ++f) {
    const LexiconForm& form = forms[f];
    const Encoding& encoding = encodings[f];
    if (encoding.inTrie) {
      auto it = keyIndex.find(encoding.key);
      if (it == keyIndex.end()) {
        keyIndex.emplace(encoding.key, keys.size());
        keys.emplace_back(encoding.key, encoding.readings);
      } else {
        auto& readings = keys[it->second].second;
        for (const HsqResult& r : encoding.readings) {
          bool present = false;
          for (const HsqResult& p : readings) {
            present = present || (p.rawTag == r.rawTag && p.cut == r.cut && p.lemcode == r.lemcode);
          }
          if (!present) readings.push_back(r);
        }
      }
      summary.trieReadings += static_cast<int64_t>(encoding.readings.size());
      continue;
    }
    // One SWD line per lemma with all its tags.
    const std::string source = swdKeys.LookupKey(form.form.c_str());
    std::vector<SwdLine> lines;
    for (const LexiconReading& reading : form.readings) {
      SwdLine* line = nullptr;
      for (SwdLine& l : lines) line = l.lemma == reading.lemma ? &l : line;
      if (line == nullptr) {
        lines.push_back(SwdLine{source, reading.lemma, {}});
        line = &lines.back();
      }
      line->tags.push_back(reading.tag);
    }
    std::string text, bad;
    if (!SwdText(lines, text, bad)) {
      summary.unwritable += static_cast<int64_t>(form.readings.size());
      continue;
    }
    swd.insert(swd.end(), lines.begin(), lines.end());
    summary.swdReadings += static_cast<int64_t>(form.readings.size());
    ++summary.swdForms;
  }

  TrieBuilder trie;
  for (const auto& entry : keys) trie.Add(entry.first, entry.second);
  const std::vector<TrieRecord> records = trie.Build(options.unknownWords);
  summary.trieKeys = static_cast<int64_t>(keys.size());
  summary.records = static_cast<int64_t>(records.size());

  std::string header = "lemmatizer main dictionary (HSQ trie)\n";
  header += "code: " + code + "\n";
  header += "source: " + std::filesystem::path(options.lexiconPath).filename().string() + "\n";
  header += "built: " + Today() + "\n";
  header += "keys: " + std::to_string(keys.size()) + "\n";
  header += "readings in the trie: " + std::to_string(summary.trieReadings) + "\n";
  header += "readings in the SWD file: " + std::to_string(summary.swdReadings) + "\n";
  header += "records: " + std::to_string(records.size()) + "\n";
  header += std::string("unknown words: ") +
            (options.unknownWords == UnknownWords::kGuess ? "guess" : "strict") + "\n";
  const std::string mainBytes = MainDictionaryBytes(header, records);
  dictionary.reset();
  if (!WriteBytes(dir + code + "-cwd.hsq", mainBytes)) {
    error = "cannot write " + dir + code + "-cwd.hsq";
    return false;
  }
  summary.mainBytes = static_cast<int64_t>(mainBytes.size());

  std::string swdText, bad;
  SwdText(swd, swdText, bad);
  if (!WriteScrambled(dir + code + ".swd", swdText)) {
    error = "cannot write " + dir + code + ".swd";
    return false;
  }
  summary.swdBytes = static_cast<int64_t>(swdText.size());
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
         std::to_string(s.swdBytes) + " bytes; " + FormatSeconds(s.seconds);
}

}  // namespace lemmatizer
