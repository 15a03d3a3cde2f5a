#include "tools/lemm/output.h"

#include <cstdio>

namespace lemmatizer {

namespace {

void AppendReadingsJson(const lemm_readings* readings, const Options& options, std::string& out) {
  out += ",\"readings\":[";
  const size_t count = lemm_readings_count(readings);
  for (size_t i = 0; i < count && (i == 0 || !options.first); ++i) {
    if (i > 0) out += ',';
    const char* tag = lemm_reading_tag_name(readings, i);
    out += "{\"lemma\":" + JsonString(lemm_reading_lemma(readings, i)) + ",\"tag\":" +
           JsonString(tag == nullptr ? std::to_string(lemm_reading_tag(readings, i)) : tag) +
           ",\"known\":" + (lemm_reading_known(readings, i) ? "true" : "false") + "}";
  }
  out += ']';
}

void AppendWordText(std::string_view form, const lemm_readings* readings, const Options& options,
                    std::string& out) {
  const size_t count = lemm_readings_count(readings);
  if (count == 0 || options.first) {
    out.append(form);
    out += '\t';
    if (count > 0) out += lemm_reading_lemma(readings, 0);
    out += options.first ? "\n" : "\t\n";
    return;
  }
  for (size_t i = 0; i < count; ++i) {
    const char* tag = lemm_reading_tag_name(readings, i);
    out.append(form);
    out += '\t';
    out += lemm_reading_lemma(readings, i);
    out += '\t';
    out += tag == nullptr ? std::to_string(lemm_reading_tag(readings, i)) : tag;
    out += '\n';
  }
}

void AppendWord(std::string_view form, const lemm_readings* readings, size_t offset,
                bool sentenceStart, const Options& options, Output& out) {
  const bool unwritable = lemm_readings_status(readings) == LEMM_UNWRITABLE;
  if (unwritable) out.unwritable.emplace_back(form);
  if (!options.json) {
    AppendWordText(form, readings, options, out.text);
    return;
  }
  out.text += "{\"offset\":" + std::to_string(offset) + ",\"form\":" + JsonString(form) +
              ",\"kind\":\"word\",\"sentence_start\":" + (sentenceStart ? "true" : "false");
  if (unwritable) out.text += ",\"status\":\"unwritable\"";
  AppendReadingsJson(readings, options, out.text);
  out.text += "}\n";
}

}  // namespace

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (b < 0x20) {
      char escape[8];
      std::snprintf(escape, sizeof(escape), "\\u%04x", b);
      out += escape;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

void FormatAnalysis(const lemm_analysis* analysis, std::string_view text, size_t base,
                    const Options& options, Output& out) {
  const size_t count = lemm_analysis_count(analysis);
  for (size_t i = 0; i < count; ++i) {
    const size_t offset = lemm_token_offset(analysis, i);
    const std::string_view form = text.substr(offset, lemm_token_length(analysis, i));
    const int kind = lemm_token_kind(analysis, i);
    if (kind == LEMM_WORD) {
      AppendWord(form, lemm_token_readings(analysis, i), base + offset,
                 lemm_token_sentence_start(analysis, i) != 0, options, out);
    } else if (options.json) {
      out.text += "{\"offset\":" + std::to_string(base + offset) + ",\"form\":" + JsonString(form) +
                  ",\"kind\":\"" + lemm_kind_name(kind) + "\"}\n";
    }
  }
}

void FormatWord(std::string_view word, const lemm_readings* readings, size_t offset,
                const Options& options, Output& out) {
  AppendWord(word, readings, offset, false, options, out);
}

}  // namespace lemmatizer
