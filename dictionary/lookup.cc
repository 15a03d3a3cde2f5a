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

void CLemmatizer::ApplyCutRules(int32_t length, int32_t& cut, int32_t& lemcode) {
  if (cut == length && lemcode == 0) cut = 0;  // keep the whole word rather than nothing
  if (cut > length) {
    cut = 0;
    lemcode = 0;
  }
}

void CLemmatizer::BuildLemma(const char* word, const char* key, int32_t length, int32_t cut,
                             int32_t lemcode, std::string& lemma) {
  // Room for the longest stem and the most any handler adds to it.
  char stem[kWorkBufferSize + kStemGrowthReserve + 1];
  const int32_t stemLength = length - cut;
  std::memcpy(stem, key, static_cast<size_t>(stemLength));
  stem[stemLength] = '\0';
  m_handler(stem, stemLength, lemcode, m_handlerArg);
  m_normalizer->MakeLemma(word, stem, lemma);
}

void CLemmatizer::DecodeResult(int32_t value, int32_t length, std::vector<int32_t>& out) {
  const lemmatizer::HsqResult result = lemmatizer::DecodeHsqResult(value);
  int32_t cut = result.cut;
  int32_t lemcode = result.lemcode;
  ApplyCutRules(length, cut, lemcode);
  out.push_back(result.rawTag);
  out.push_back(cut);
  out.push_back(lemcode);
}

void CLemmatizer::CollectCandidates(const char* key, int32_t length,
                                    std::vector<int32_t>& out) const {
  bool exact = false;
  int64_t r = m_trie.FindResult(key, length, &exact);
  if (r == 0) return;
  DecodeResult(m_trie.Value(r), length, out);
  if (!exact) return;  // reached through the wildcard: one reading only
  // Further readings of the same key: neighbouring result records with the
  // same key byte.
  const unsigned char wanted = m_trie.Key(r);
  while (r + 1 <= m_trie.Count() && m_trie.Key(r + 1) == wanted && m_trie.Value(r + 1) <= 0) {
    ++r;
    DecodeResult(m_trie.Value(r), length, out);
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

  std::string lemma;
  for (size_t i = 0; i + 2 < m_candidates.size(); i += 3) {
    tags.push_back(GetTagSet(m_candidates[i]));
    BuildLemma(word, key + 1, length, m_candidates[i + 1], m_candidates[i + 2], lemma);
    lemmas.push_back(lemma);
  }
}
