#include "tools/compiler/reading_encoder.h"

#include <cstring>

#include "dictionary/lemmatizer.h"
#include "rules/table_handlers.h"

namespace lemmatizer {

namespace {

// The special codes of the two Russian editions, which strip a prefix
// before appending an adjective ending; they are tried on every cut.
const int32_t kRussianSpecialCodes[] = {40,  64,  75,  94,  159, 160, 167, 168,
                                        169, 174, 175, 211, 212, 223, 224};

}  // namespace

ReadingEncoder::ReadingEncoder(const std::string& code, CWordNormalizer* normalizer,
                               LemcodeHandler handler, intptr_t handlerArg)
    : m_normalizer(normalizer), m_handler(handler), m_handlerArg(handlerArg), m_searchCutLimit(0) {
  int32_t size = 0;
  const char* const* table = EndingTable(code.c_str(), &size);
  const TableMember* member = FindTableMember(code.c_str());
  if (table != nullptr && (member != nullptr || code == "ru" || code == "r4")) {
    const bool russianSpecial = code == "ru";
    for (int32_t i = size - 1; i >= 1; --i) {
      bool special = false;
      for (int32_t s : kRussianSpecialCodes) special = special || (russianSpecial && s == i);
      if (!special) m_endingIndex[table[i]] = i;
    }
  }
  if (code == "ru") {
    m_searchCodes.assign(std::begin(kRussianSpecialCodes), std::end(kRussianSpecialCodes));
    m_searchCutLimit = 12;
  } else if (code == "r4") {
    for (int32_t c = 2000; c <= 2013; ++c) m_searchCodes.push_back(c);
    m_searchCutLimit = 12;
  } else if (code == "de") {
    for (int32_t c = 1; c <= 89; ++c) m_searchCodes.push_back(c);
    m_searchCutLimit = 12;
  } else if (code == "es") {
    for (int32_t c = 1; c <= 99; ++c) m_searchCodes.push_back(c);
    m_searchCutLimit = 12;
  }
}

bool ReadingEncoder::KeyOf(const std::string& form, std::string& key) {
  char buffer[CLemmatizer::kWorkBufferSize];
  if (!m_normalizer->Normalize(form.c_str(), buffer, sizeof(buffer) - 1)) return false;
  key = buffer;
  return key.find_first_of("#+") == std::string::npos;
}

bool ReadingEncoder::Rebuild(const std::string& form, const std::string& key, int32_t cut,
                             int32_t lemcode, std::string& lemma) {
  const auto length = static_cast<int32_t>(key.size());
  // The lookup keeps the whole word for a result that would empty it.
  if (cut == length && lemcode == 0) cut = 0;
  if (cut > length) cut = lemcode = 0;
  char stem[CLemmatizer::kWorkBufferSize + kStemGrowthReserve + 1];
  const int32_t stemLength = length - cut;
  std::memcpy(stem, key.data(), static_cast<size_t>(stemLength));
  stem[stemLength] = '\0';
  try {
    m_handler(stem, stemLength, lemcode, m_handlerArg);
  } catch (...) {
    return false;
  }
  m_normalizer->MakeLemma(form.c_str(), stem, lemma);
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
