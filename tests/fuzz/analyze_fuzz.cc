// Fuzz target: the text analysis of the UTF-8 interface (lemm_analyze), on
// arbitrary bytes in every language, over the small dictionaries that the
// build compiles from tests/fuzz/lexicons/ (fuzzing::DictionaryDir).
//
// Input: a byte choosing the language (its index in the language table,
// modulo the table's size), a byte of options (its low bit:
// LEMM_CONTINUES_SENTENCE), then the text. Besides not crashing, every call
// must keep what lemm.h promises: it fails only for invalid UTF-8, with the
// message "invalid UTF-8 at byte N" naming a byte of the text; otherwise its
// tokens are non-empty, in order, inside the text and start on a character;
// only word tokens have readings, and every reading has a lemma in valid
// UTF-8 and a named tag; and each word token looked up on its own with
// lemm_lemmatize succeeds with the same status.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "interface/lemm.h"
#include "registry/languages.h"
#include "tests/fuzz/fuzz_files.h"

namespace {

[[noreturn]] void Fail(const std::string& code, const std::string& what) {
  std::fprintf(stderr, "analyze_fuzz: %s: %s\n", code.c_str(), what.c_str());
  std::abort();
}

struct Opened {
  std::string code;
  lemm_language* language;
};

// Opens every language once per process, in table order.
const std::vector<Opened>& Languages() {
  static const std::vector<Opened> all = [] {
    const std::string dir = fuzzing::DictionaryDir(LEMMATIZER_FUZZ_DICTIONARY_DIR);
    std::vector<Opened> opened;
    size_t count = 0;
    const lemmatizer::Language* table = lemmatizer::Languages(&count);
    for (size_t i = 0; i < count; ++i) {
      char* error = nullptr;
      lemm_language* language = lemm_open(table[i].code, dir.c_str(), &error);
      if (language == nullptr) Fail(table[i].code, std::string("cannot be opened: ") + error);
      opened.push_back({table[i].code, language});
    }
    return opened;
  }();
  // A host closes its languages before it ends (leak detection looks).
  static const bool closing = std::atexit([] {
    for (const Opened& opened : Languages()) lemm_close(opened.language);
  }) == 0;
  (void)closing;
  return all;
}

// The length of the valid UTF-8 sequence at text[i], or 0.
size_t SequenceLength(const std::string& text, size_t i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  size_t n = 0;
  uint32_t cp = 0;
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF)
    n = 2, cp = lead & 0x1F;
  else if (lead >= 0xE0 && lead <= 0xEF)
    n = 3, cp = lead & 0x0F;
  else if (lead >= 0xF0 && lead <= 0xF4)
    n = 4, cp = lead & 0x07;
  else
    return 0;
  if (i + n > text.size()) return 0;
  for (size_t k = 1; k < n; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  const bool overlong = (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000);
  if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return n;
}

// The offset of the first byte that is not valid UTF-8, or npos.
size_t FirstInvalid(const std::string& text) {
  for (size_t i = 0; i < text.size();) {
    const size_t n = SequenceLength(text, i);
    if (n == 0) return i;
    i += n;
  }
  return std::string::npos;
}

void CheckReadings(const std::string& code, const lemm_readings* readings) {
  const size_t count = lemm_readings_count(readings);
  if (lemm_readings_status(readings) == LEMM_UNWRITABLE && count != 0) {
    Fail(code, "an unwritable word has readings");
  }
  for (size_t i = 0; i < count; ++i) {
    const char* lemma = lemm_reading_lemma(readings, i);
    if (lemma == nullptr || FirstInvalid(lemma) != std::string::npos) {
      Fail(code, "a lemma that is not UTF-8");
    }
    if (lemm_reading_tag_name(readings, i) == nullptr) Fail(code, "an unnamed tag");
  }
  if (lemm_reading_lemma(readings, count) != nullptr) Fail(code, "a lemma past the count");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  const std::vector<Opened>& languages = Languages();
  const Opened& opened = languages[data[0] % languages.size()];
  const int options = (data[1] & 1) != 0 ? LEMM_CONTINUES_SENTENCE : 0;
  const std::string text(reinterpret_cast<const char*>(data) + 2, size - 2);
  const std::string& code = opened.code;

  char* error = nullptr;
  lemm_analysis* analysis =
      lemm_analyze(opened.language, text.data(), text.size(), options, &error);
  const size_t invalid = FirstInvalid(text);
  if (analysis == nullptr) {
    const std::string expected = "invalid UTF-8 at byte " + std::to_string(invalid);
    if (invalid == std::string::npos || error == nullptr || expected != error) {
      Fail(code, std::string("failed: ") + (error == nullptr ? "(no message)" : error));
    }
    lemm_free(error);
    return 0;
  }
  if (invalid != std::string::npos) Fail(code, "invalid UTF-8 accepted");
  if (error != nullptr) Fail(code, "a message on success");

  size_t end = 0;
  for (size_t i = 0; i < lemm_analysis_count(analysis); ++i) {
    const size_t offset = lemm_token_offset(analysis, i);
    const size_t length = lemm_token_length(analysis, i);
    if (length == 0 || offset < end || offset + length > text.size()) {
      Fail(code, "a token out of order or outside the text");
    }
    if (SequenceLength(text, offset) == 0) Fail(code, "a token that starts inside a character");
    end = offset + length;
    const int kind = lemm_token_kind(analysis, i);
    if (kind < LEMM_WORD || kind > LEMM_SYMBOL || lemm_kind_name(kind) == nullptr) {
      Fail(code, "a token of no kind");
    }
    const lemm_readings* readings = lemm_token_readings(analysis, i);
    if ((kind == LEMM_WORD) != (readings != nullptr)) Fail(code, "readings of a non-word");
    if (readings == nullptr) continue;
    CheckReadings(code, readings);
    lemm_readings* alone = lemm_lemmatize(
        opened.language, text.data() + offset, length,
        lemm_token_sentence_start(analysis, i) != 0 ? LEMM_SENTENCE_START : 0, &error);
    if (alone == nullptr) Fail(code, std::string("a word token fails alone: ") + error);
    CheckReadings(code, alone);
    if (lemm_readings_status(alone) != lemm_readings_status(readings)) {
      Fail(code, "a word token alone has another status");
    }
    lemm_readings_destroy(alone);
  }
  lemm_analysis_destroy(analysis);
  return 0;
}
