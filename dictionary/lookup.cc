// The lookup of CLemmatizer: the trie walk and the rebuilding of lemmas.
#include <cstring>

#include "dictionary/errors.h"
#include "dictionary/lemmatizer.h"
#include "dictionary/tag_table.h"

int32_t CLemmatizer::GetTagSet(int32_t raw) {
  const int32_t tag = raw + 1;
  if (tag < 0 || tag > CTagTable::kCountMarker) {
    lemmatizer::RaiseText("GetTagSet: out of bounds : %d", tag);
  }
  return tag;
}

void CLemmatizer::DecodeResult(int32_t value, int32_t length, std::vector<int32_t>& out) {
  const lemmatizer::HsqResult result = lemmatizer::DecodeHsqResult(value);
  int32_t cut = result.cut;
  int32_t lemcode = result.lemcode;
  if (cut == length && lemcode == 0) cut = 0;  // keep the whole word rather than nothing
  if (cut > length) {
    cut = 0;
    lemcode = 0;
  }
  out.push_back(result.rawTag);
  out.push_back(cut);
  out.push_back(lemcode);
}

void CLemmatizer::CollectCandidates(const char* key, int32_t length,
                                    std::vector<int32_t>& out) const {
  const auto count = static_cast<int64_t>(m_values.size());
  int32_t p = length;
  int64_t r = 1;
  while (p >= 0) {
    // A child index outside the records, or a node scan that runs off the
    // end, only occurs in a malformed file: the walk ends without a reading.
    if (r < 1 || r > count) return;
    const unsigned char c = m_chars[r - 1];
    const auto wanted = static_cast<unsigned char>(key[p]);
    if (c == wanted || c == lemmatizer::kHsqWildcard) {
      const int32_t value = m_values[r - 1];
      if (value <= 0) {
        DecodeResult(value, length, out);
        if (c != wanted) return;  // reached through the wildcard: one reading only
        // Further readings of the same key: neighbouring result records with
        // the same character.
        while (r + 1 <= count && m_chars[r] == wanted && m_values[r] <= 0) {
          ++r;
          DecodeResult(m_values[r - 1], length, out);
        }
        return;
      }
      --p;
      r = value;
    } else {
      ++r;
    }
  }
}

void CLemmatizer::FindLemmas(const char* word, std::vector<std::string>& lemmas,
                             std::vector<int32_t>& tags) {
  if (m_loaded == 0) lemmatizer::RaiseText("Lemmatizer object is not initialised !");
  lemmas.clear();
  tags.clear();
  if (word == nullptr) word = "";

  char key[kWorkBufferSize];
  key[0] = lemmatizer::kHsqWordStart;
  if (!m_normalizer->Normalize(word, key + 1, sizeof(key) - 1)) return;
  const auto length = static_cast<int32_t>(std::strlen(key + 1));

  m_candidates.clear();
  CollectCandidates(key, length, m_candidates);

  // Room for the longest stem and the most any handler adds to it.
  char stem[kWorkBufferSize + kStemGrowthReserve + 1];
  std::string lemma;
  for (size_t i = 0; i + 2 < m_candidates.size(); i += 3) {
    tags.push_back(GetTagSet(m_candidates[i]));
    const int32_t stemLength = length - m_candidates[i + 1];
    std::memcpy(stem, key + 1, static_cast<size_t>(stemLength));
    stem[stemLength] = '\0';
    m_handler(stem, stemLength, m_candidates[i + 2], m_handlerArg);
    m_normalizer->MakeLemma(word, stem, lemma);
    lemmas.push_back(lemma);
  }
}
