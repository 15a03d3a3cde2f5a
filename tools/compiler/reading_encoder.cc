#include "tools/compiler/reading_encoder.h"

#include <algorithm>
#include <cstring>

#include "rules/ending_tables.h"
#include "rules/german.h"
#include "rules/russian.h"
#include "rules/spanish.h"

namespace lemmatizer {

ReadingEncoder::ReadingEncoder(const Language& language, const CLemmatizer& dictionary)
    : m_dictionary(dictionary), m_searchCutLimit(0) {
  // The rules' special codes are never appended as endings.
  std::vector<int32_t> special;
  if (language.rules == RulesKind::kRussian) special = RussianSpecialLemcodes(false);
  int32_t size = 0;
  const char* const* table = EndingTable(language.code, &size);
  if (table != nullptr) {
    for (int32_t i = size - 1; i >= 1; --i) {
      if (std::find(special.begin(), special.end(), i) == special.end())
        m_endingIndex[table[i]] = i;
    }
  }
  // Rules that rewrite the stem are searched on small cuts.
  constexpr int32_t kSearchCutLimit = 12;
  switch (language.rules) {
    case RulesKind::kRussian:
      m_searchCodes = special;
      break;
    case RulesKind::kR4:
      m_searchCodes = RussianSpecialLemcodes(true);
      break;
    case RulesKind::kGerman:
      for (int32_t c = 1; c <= kGermanLastLemcode; ++c) m_searchCodes.push_back(c);
      break;
    case RulesKind::kSpanish:
      for (int32_t c = 1; c <= kSpanishLastLemcode; ++c) m_searchCodes.push_back(c);
      break;
    case RulesKind::kTable:
    case RulesKind::kFrench:
    case RulesKind::kAlbanian:
      break;
  }
  if (!m_searchCodes.empty()) m_searchCutLimit = kSearchCutLimit;
}

bool ReadingEncoder::KeyOf(const std::string& form, std::string& key) {
  char buffer[CLemmatizer::kWorkBufferSize];
  if (m_dictionary.Normalizer()->NormalizeWord(form.c_str(), std::strlen(form.c_str()), buffer,
                                               sizeof(buffer) - 1, m_state) < 0) {
    return false;
  }
  key = buffer;
  return key.find_first_of("#+") == std::string::npos;
}

bool ReadingEncoder::Rebuild(const std::string& form, const std::string& key, int32_t cut,
                             int32_t lemcode, std::string& lemma) {
  const auto length = static_cast<int32_t>(key.size());
  CLemmatizer::ApplyCutRules(length, cut, lemcode);
  try {
    char stem[CLemmatizer::kStemBufferSize];
    std::string storage;
    lemma.assign(m_dictionary.BuildLemmaOf(form.c_str(), key.c_str(), length, cut, lemcode, m_state,
                                           stem, storage));
  } catch (...) {
    return false;
  }
  return true;
}

bool ReadingEncoder::Encode(const std::string& form, const std::string& key,
                            const std::string& lemma, int32_t& cut, int32_t& lemcode) {
  const auto length = static_cast<int32_t>(key.size());
  std::string rebuilt;
  for (int32_t c = 0; c <= length && c <= 255; ++c) {
    if (!m_endingIndex.empty() || m_searchCodes.empty()) {
      // What the handler leaves of the stem with no ending (a prefix may go).
      if (!Rebuild(form, key, c, 0, rebuilt)) continue;
      if (c != length && rebuilt == lemma) {
        cut = c;
        lemcode = 0;
        return true;
      }
      const std::string stem = c == length ? std::string() : rebuilt;
      if (lemma.size() > stem.size() && lemma.compare(0, stem.size(), stem) == 0) {
        const auto it = m_endingIndex.find(lemma.substr(stem.size()));
        if (it != m_endingIndex.end() && Rebuild(form, key, c, it->second, rebuilt) &&
            rebuilt == lemma) {
          cut = c;
          lemcode = it->second;
          return true;
        }
      }
    }
    if (c > m_searchCutLimit) continue;
    if (m_endingIndex.empty() && c != length && Rebuild(form, key, c, 0, rebuilt) &&
        rebuilt == lemma) {
      cut = c;
      lemcode = 0;
      return true;
    }
    for (int32_t code : m_searchCodes) {
      if (Rebuild(form, key, c, code, rebuilt) && rebuilt == lemma) {
        cut = c;
        lemcode = code;
        return true;
      }
    }
  }
  return false;
}

}  // namespace lemmatizer
