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

std::string_view CLemmatizer::BuildLemmaOf(const char* word, const char* key, int32_t length,
                                           int32_t cut, int32_t lemcode,
                                           const NormalizerState& state, char* stem,
                                           std::string& storage) const {
  const int32_t stemLength = length - cut;
  std::memcpy(stem, key, static_cast<size_t>(stemLength));
  stem[stemLength] = '\0';
  m_handler(stem, stemLength, lemcode, m_handlerArg);
  return m_normalizer->MakeLemmaOf(word, stem, state, storage);
}

lemmatizer::HsqResult CLemmatizer::DecodeResult(int32_t value, int32_t length) {
  lemmatizer::HsqResult result = lemmatizer::DecodeHsqResult(value);
  ApplyCutRules(length, result.cut, result.lemcode);
  return result;
}

template <typename OnResult>
bool CLemmatizer::CollectCandidates(const char* key, int32_t length, OnResult&& onResult) const {
  const lemmatizer::RecordTrie::Hit hit = m_trie.FindResult(key, length);
  if (hit.record == 0) return hit.wildcard;
  int64_t r = hit.record;
  onResult(DecodeResult(m_trie.Value(r), length), hit.wildcard);
  if (!hit.exact) return hit.wildcard;  // reached through the wildcard: one reading only
  // Further readings of the same key: neighbouring result records with the
  // same key byte.
  const unsigned char wanted = m_trie.Key(r);
  while (r + 1 <= m_trie.Count() && m_trie.Key(r + 1) == wanted && m_trie.Value(r + 1) <= 0) {
    ++r;
    onResult(DecodeResult(m_trie.Value(r), length), hit.wildcard);
  }
  return hit.wildcard;
}

template <typename OnTag, typename OnLemma>
void CLemmatizer::WalkReadings(const char* word, size_t wordLength, LookupScratch& scratch,
                               OnTag&& onTag, OnLemma&& onLemma) const {
  if (m_loaded == 0) lemmatizer::RaiseText("Lemmatizer object is not initialised !");
  char key[kWorkBufferSize];
  key[0] = lemmatizer::kHsqWordStart;
  const int64_t normalized =
      m_normalizer->NormalizeWord(word, wordLength, key + 1, sizeof(key) - 1, scratch.normalizer);
  if (normalized < 0) return;
  const auto length = static_cast<int32_t>(normalized);
  // Room for the longest stem and the most any handler adds to it.
  char stem[kStemBufferSize];
  // Each reading's tag is known before its lemma is built, which may fail.
  CollectCandidates(key, length, [&](const lemmatizer::HsqResult& result, bool guessed) {
    onTag(GetTagSet(result.rawTag));
    onLemma(BuildLemmaOf(word, key + 1, length, result.cut, result.lemcode, scratch.normalizer,
                         stem, scratch.lemma),
            guessed);
  });
}

void CLemmatizer::FindReadings(const char* word, size_t length, LookupScratch& scratch,
                               lemmatizer::ReadingList& out) const {
  int32_t tag = 0;
  WalkReadings(
      word, length, scratch, [&tag](int32_t t) { tag = t; },
      [&](std::string_view lemma, bool guessed) {
        out.Add(lemma, tag,
                guessed ? lemmatizer::ReadingSource::kTrieGuess : lemmatizer::ReadingSource::kTrie);
      });
}

void CLemmatizer::FindLemmas(const char* word, std::vector<std::string>& lemmas,
                             std::vector<int32_t>& tags) {
  if (m_loaded == 0) lemmatizer::RaiseText("Lemmatizer object is not initialised !");
  lemmas.clear();
  tags.clear();
  if (word == nullptr) word = "";
  WalkReadings(
      word, std::strlen(word), m_scratch, [&tags](int32_t tag) { tags.push_back(tag); },
      [&lemmas](std::string_view lemma, bool /*guessed*/) { lemmas.emplace_back(lemma); });
}
