// The functions of lemm.h: each checks its arguments, runs the reentrant
// lookup and tokenizer over the caller's handle, and turns whatever the
// library raises into a message for the caller's error pointer.
#include "interface/lemm.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include <string>

#include "dictionary/errors.h"
#include "dictionary/tag_table.h"
#include "interface/language_handle.h"
#include "interface/lemm_results.h"
#include "interface/tokenizer.h"
#include "interface/word_lookup.h"
#include "lemm_version.h"
#include "platform/unicode.h"
#include "registry/extended_tags.h"

namespace lemmatizer {
namespace {

void SetError(char** errptr, const char* message) {
  if (errptr == nullptr) return;
  std::free(*errptr);
  const size_t size = std::strlen(message) + 1;
  *errptr = static_cast<char*>(std::malloc(size));
  if (*errptr != nullptr) std::memcpy(*errptr, message, size);
}

// Runs `body`, which returns an object, and turns what it raises into a
// message and a null result.
template <typename Body>
auto Catching(char** errptr, Body&& body) -> decltype(body()) {
  try {
    return body();
  } catch (const char* text) {
    SetError(errptr, text);
  } catch (const std::string& text) {
    SetError(errptr, text.c_str());
  } catch (const std::bad_alloc&) {
    SetError(errptr, "out of memory");
  } catch (const std::exception& error) {
    SetError(errptr, error.what());
  } catch (...) {
    SetError(errptr, "unexpected failure inside the library");
  }
  return nullptr;
}

// The text of a word or text argument, checked to be valid UTF-8.
std::string_view CheckedText(const char* text, size_t length, const char* what) {
  if (text == nullptr && length > 0) RaiseText("no %s given", what);
  const std::string_view view(text == nullptr ? "" : text, length);
  const size_t valid = ValidUtf8Prefix(view);
  if (valid < view.size()) RaiseText("invalid UTF-8 at byte %zu", valid);
  return view;
}

// Tags each sentence of an analysed text with the language's context model
// and puts first, in every word with a first reading that does not fit its
// tag, the readings that do (in their order).
void OrderByContext(const ContextModel& model, std::string_view text,
                    const std::vector<Token>& tokens, const std::vector<bool>& title,
                    const std::vector<size_t>& first, const std::vector<lemm_readings>& readings,
                    std::vector<ResultReading>& items) {
  std::vector<std::string_view> sentence;
  std::vector<bool> capitalMeansNothing;
  std::vector<int> tags;
  for (size_t begin = 0, end = 0; begin < tokens.size(); begin = end) {
    sentence.clear();
    capitalMeansNothing.clear();
    for (end = begin; end < tokens.size() && (end == begin || !tokens[end].sentenceStart); ++end) {
      sentence.push_back(text.substr(tokens[end].offset, tokens[end].length));
      capitalMeansNothing.push_back(tokens[end].sentenceStart || title[end]);
    }
    model.TagSentence(sentence, capitalMeansNothing, tags);
    for (size_t at = begin; at < end; ++at) {
      if (tokens[at].kind != TokenKind::kWord || readings[at].count < 2) continue;
      const int tag = tags[at - begin];
      const auto fits = [&](const ResultReading& r) { return model.Fits(tag, r.tag); };
      const auto start = items.begin() + static_cast<std::ptrdiff_t>(first[at]);
      const auto stop = start + static_cast<std::ptrdiff_t>(readings[at].count);
      if (!fits(*start) && std::any_of(start, stop, fits)) std::stable_partition(start, stop, fits);
    }
  }
}

const ResultReading* ReadingAt(const lemm_readings* readings, size_t i) {
  if (readings == nullptr || i >= readings->count) return nullptr;
  return &readings->items[i];
}

const lemmatizer::Token* TokenAt(const lemm_analysis* analysis, size_t i) {
  if (analysis == nullptr || i >= analysis->tokens.size()) return nullptr;
  return &analysis->tokens[i];
}

}  // namespace
}  // namespace lemmatizer

using lemmatizer::Catching;
using lemmatizer::ReadingAt;
using lemmatizer::TokenAt;

extern "C" {

const char* lemm_version(void) { return LEMMATIZER_VERSION; }

lemm_language* lemm_open(const char* code, const char* dictionary_dir, char** errptr) {
  return Catching(errptr, [&]() -> lemm_language* {
    if (code == nullptr) lemmatizer::RaiseText("no language code given");
    if (dictionary_dir == nullptr) lemmatizer::RaiseText("no dictionary directory given");
    return lemmatizer::OpenLanguage(code, dictionary_dir).release();
  });
}

void lemm_close(lemm_language* language) { delete language; }

const char* lemm_language_code(const lemm_language* language) {
  return language == nullptr ? nullptr : language->code.c_str();
}

int lemm_language_code_page(const lemm_language* language) {
  return language == nullptr ? 0 : language->row->codePage;
}

lemm_readings* lemm_lemmatize(const lemm_language* language, const char* word, size_t length,
                              int options, char** errptr) {
  return Catching(errptr, [&]() -> lemm_readings* {
    if (language == nullptr) lemmatizer::RaiseText("no language given");
    const std::string_view text = lemmatizer::CheckedText(word, length, "word");
    lemmatizer::WordLookup lookup(*language);
    lemmatizer::ReadingList list;
    auto result = std::make_unique<lemm_readings>();
    result->owned = true;
    if (lemmatizer::IsWebAddress(text)) {
      // No word's ending is a URL's: the address is its own lemma.
      list.Add(text, lemmatizer::kAnycTag, lemmatizer::ReadingSource::kSpecialForm);
    } else if (!lookup.Lemmatize(text, (options & LEMM_SENTENCE_START) != 0, list)) {
      result->status = LEMM_UNWRITABLE;
    }
    lemmatizer::AppendReadings(list, result->ownItems, result->ownText);
    result->count = result->ownItems.size();
    result->items = result->ownItems.data();
    result->text = result->ownText.data();
    return result.release();
  });
}

void lemm_readings_destroy(lemm_readings* readings) {
  // The readings of an analysis belong to it.
  if (readings != nullptr && readings->owned) delete readings;
}

int lemm_readings_status(const lemm_readings* readings) {
  return readings == nullptr ? LEMM_OK : readings->status;
}

size_t lemm_readings_count(const lemm_readings* readings) {
  return readings == nullptr ? 0 : readings->count;
}

const char* lemm_reading_lemma(const lemm_readings* readings, size_t i) {
  const lemmatizer::ResultReading* reading = ReadingAt(readings, i);
  return reading == nullptr ? nullptr : readings->text + reading->lemmaOffset;
}

int lemm_reading_tag(const lemm_readings* readings, size_t i) {
  const lemmatizer::ResultReading* reading = ReadingAt(readings, i);
  return reading == nullptr ? 0 : reading->tag;
}

const char* lemm_reading_tag_name(const lemm_readings* readings, size_t i) {
  return lemm_tag_name(lemm_reading_tag(readings, i));
}

int lemm_reading_known(const lemm_readings* readings, size_t i) {
  const lemmatizer::ResultReading* reading = ReadingAt(readings, i);
  return reading != nullptr && reading->known ? 1 : 0;
}

lemm_analysis* lemm_analyze(const lemm_language* language, const char* text, size_t length,
                            int options, char** errptr) {
  return Catching(errptr, [&]() -> lemm_analysis* {
    if (language == nullptr) lemmatizer::RaiseText("no language given");
    const std::string_view view = lemmatizer::CheckedText(text, length, "text");
    auto analysis = std::make_unique<lemm_analysis>();
    lemmatizer::WordLookup lookup(*language);
    const lemmatizer::Tokenizer tokenizer(
        language->splitOff, [&lookup](std::string_view word) { return lookup.Knows(word); });
    tokenizer.Tokenize(view, (options & LEMM_CONTINUES_SENTENCE) == 0, analysis->tokens);

    const size_t count = analysis->tokens.size();
    // In a title every word has a capital; only where nouns take one does
    // it still tell something.
    const std::vector<bool> title = language->row->capitalisedNouns
                                        ? std::vector<bool>(count, false)
                                        : lemmatizer::TitleWords(view, analysis->tokens);
    analysis->readings.resize(count);
    std::vector<size_t> first(count, 0);
    lemmatizer::ReadingList list;
    for (size_t i = 0; i < count; ++i) {
      const lemmatizer::Token& token = analysis->tokens[i];
      if (token.kind != lemmatizer::TokenKind::kWord) continue;
      lemm_readings& readings = analysis->readings[i];
      const bool freshStart = token.sentenceStart || title[i];
      if (!lookup.Lemmatize(view.substr(token.offset, token.length), freshStart, list)) {
        readings.status = LEMM_UNWRITABLE;
      }
      first[i] = analysis->items.size();
      lemmatizer::AppendReadings(list, analysis->items, analysis->text);
      readings.count = list.Size();
    }
    if (language->context != nullptr) {
      lemmatizer::OrderByContext(*language->context, view, analysis->tokens, title, first,
                                 analysis->readings, analysis->items);
    }
    // The views, now that the arrays have their final place.
    for (size_t i = 0; i < count; ++i) {
      analysis->readings[i].items = analysis->items.data() + first[i];
      analysis->readings[i].text = analysis->text.data();
    }
    return analysis.release();
  });
}

void lemm_analysis_destroy(lemm_analysis* analysis) { delete analysis; }

size_t lemm_analysis_count(const lemm_analysis* analysis) {
  return analysis == nullptr ? 0 : analysis->tokens.size();
}

size_t lemm_token_offset(const lemm_analysis* analysis, size_t i) {
  const lemmatizer::Token* token = TokenAt(analysis, i);
  return token == nullptr ? 0 : token->offset;
}

size_t lemm_token_length(const lemm_analysis* analysis, size_t i) {
  const lemmatizer::Token* token = TokenAt(analysis, i);
  return token == nullptr ? 0 : token->length;
}

int lemm_token_kind(const lemm_analysis* analysis, size_t i) {
  const lemmatizer::Token* token = TokenAt(analysis, i);
  return token == nullptr ? 0 : static_cast<int>(token->kind);
}

int lemm_token_sentence_start(const lemm_analysis* analysis, size_t i) {
  const lemmatizer::Token* token = TokenAt(analysis, i);
  return token != nullptr && token->sentenceStart ? 1 : 0;
}

const lemm_readings* lemm_token_readings(const lemm_analysis* analysis, size_t i) {
  const lemmatizer::Token* token = TokenAt(analysis, i);
  if (token == nullptr || token->kind != lemmatizer::TokenKind::kWord) return nullptr;
  return &analysis->readings[i];
}

const char* lemm_tag_name(int tag) {
  if (tag >= 1 && tag <= CTagTable::kLastTag) return CTagTable::Entry(tag);
  return lemmatizer::ExtendedTagName(tag);
}

const char* lemm_kind_name(int kind) {
  static const char* const kNames[] = {"word", "number", "url", "email", "punctuation", "symbol"};
  if (kind < LEMM_WORD || kind > LEMM_SYMBOL) return nullptr;
  return kNames[kind - LEMM_WORD];
}

void lemm_free(void* ptr) { std::free(ptr); }

}  // extern "C"
