#include "swd/swd_table.h"

#include <algorithm>
#include <cstring>
#include <iterator>

#include "platform/case_tables.h"
#include "platform/coding.h"

namespace lemmatizer {
namespace {

unsigned char Fold(char c) { return kLatin1Upper(static_cast<unsigned char>(c)); }

// Whether the two have the same folded form: the same length and equal
// ignoring case. (Equal ignoring case allows trailing NUL bytes on one side
// as well; the folded forms do not, and a word is looked up only among the
// sources whose folded form is its key's.)
bool SameFoldedForm(std::string_view a, std::string_view b) {
  return a.size() == b.size() && EqualIgnoringCase(a, b);
}

uint32_t FoldHash(std::string_view text) {
  uint32_t hash = 2166136261u;
  for (const char c : text) hash = (hash ^ Fold(c)) * 16777619u;
  return hash;
}

unsigned char* Copy(unsigned char* to, std::string_view bytes) {
  std::memcpy(to, bytes.data(), bytes.size());
  return to + bytes.size();
}

}  // namespace

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  const size_t length = a.size() > b.size() ? a.size() : b.size();
  for (size_t i = 0; i < length; ++i) {
    const char x = i < a.size() ? a[i] : '\0';
    const char y = i < b.size() ? b[i] : '\0';
    if (Fold(x) != Fold(y)) return false;
  }
  return true;
}

void SwdTable::Builder::Reserve(size_t entries, size_t bytes) {
  m_pending.reserve(entries);
  m_tags.reserve(entries * 2);
  m_bytes = bytes;
}

void SwdTable::Builder::Add(std::string_view source, std::string_view lemma, const uint16_t* tags,
                            size_t count) {
  m_pending.push_back(
      Pending{source, lemma, static_cast<uint32_t>(m_tags.size()), static_cast<uint32_t>(count)});
  m_tags.insert(m_tags.end(), tags, tags + count);
}

void SwdTable::Builder::Build(SwdTable& table) {
  const auto bySource = [](const Pending& a, const Pending& b) { return a.source < b.source; };
  if (!std::is_sorted(m_pending.begin(), m_pending.end(), bySource)) {
    std::stable_sort(m_pending.begin(), m_pending.end(), bySource);
  }
  table.Clear();
  std::vector<unsigned char>& arena = table.m_arena;
  arena.resize(m_bytes);
  size_t used = 0;  // of the arena
  table.m_offsets.reserve(m_pending.size());
  std::vector<uint16_t> united;
  for (size_t i = 0; i < m_pending.size();) {
    // The run of neighbours with this entry's source and lemma.
    const Pending& first = m_pending[i];
    united.assign(m_tags.begin() + first.tags, m_tags.begin() + first.tags + first.tagCount);
    size_t next = i + 1;
    for (; next < m_pending.size() && m_pending[next].source == first.source &&
           m_pending[next].lemma == first.lemma;
         ++next) {
      const uint16_t* tags = m_tags.data() + m_pending[next].tags;
      std::vector<uint16_t> both;
      std::set_union(united.begin(), united.end(), tags, tags + m_pending[next].tagCount,
                     std::back_inserter(both));
      united.swap(both);
    }
    const bool lemmaIsSource = first.lemma == first.source;
    const uint64_t lemmaCode = lemmaIsSource ? 0 : first.lemma.size() + 1;
    const uint64_t tagCode = united.size() * 2;  // the fold bit is set by the index
    const size_t size = VarintLength(first.source.size()) + VarintLength(lemmaCode) +
                        VarintLength(tagCode) + 2 * united.size() + first.source.size() +
                        (lemmaIsSource ? 0 : first.lemma.size());
    if (used + size > arena.size()) arena.resize(std::max(2 * arena.size(), used + size));
    table.m_offsets.push_back(static_cast<uint32_t>(used));
    unsigned char* at = arena.data() + used;
    at = EncodeVarint(at, first.source.size());
    at = EncodeVarint(at, lemmaCode);
    at = EncodeVarint(at, tagCode);
    for (const uint16_t tag : united) {
      *at++ = static_cast<unsigned char>(tag & 0xFF);
      *at++ = static_cast<unsigned char>(tag >> 8);
    }
    at = Copy(at, first.source);
    if (!lemmaIsSource) Copy(at, first.lemma);
    used += size;
    i = next;
  }
  std::vector<Pending>().swap(m_pending);
  std::vector<uint16_t>().swap(m_tags);
  arena.resize(used);
  arena.shrink_to_fit();
  table.m_offsets.shrink_to_fit();
  table.BuildFoldIndex();
}

void SwdTable::Clear() {
  std::vector<unsigned char>().swap(m_arena);
  std::vector<uint32_t>().swap(m_offsets);
  m_index.Clear();
  std::vector<std::pair<uint32_t, uint32_t>>().swap(m_moreOfFold);
}

SwdTable::Entry SwdTable::At(size_t i) const {
  const unsigned char* p = m_arena.data() + m_offsets[i];
  const uint64_t sourceLength = GetVarint(p);
  const uint64_t lemmaCode = GetVarint(p);
  const uint64_t tagCode = GetVarint(p);
  Entry entry;
  entry.tagCount = static_cast<uint32_t>(tagCode >> 1);
  entry.tags = p;
  p += 2 * entry.tagCount;
  entry.source = std::string_view(reinterpret_cast<const char*>(p), sourceLength);
  p += sourceLength;
  entry.lemma = lemmaCode == 0 ? entry.source
                               : std::string_view(reinterpret_cast<const char*>(p), lemmaCode - 1);
  return entry;
}

std::string_view SwdTable::Source(size_t i) const {
  const unsigned char* p = m_arena.data() + m_offsets[i];
  const uint64_t sourceLength = GetVarint(p);
  GetVarint(p);
  const uint64_t tagCode = GetVarint(p);
  p += 2 * (tagCode >> 1);
  return std::string_view(reinterpret_cast<const char*>(p), sourceLength);
}

void SwdTable::BuildFoldIndex() {
  m_index.Reset(Size());
  std::vector<std::pair<uint32_t, uint32_t>> links;
  for (size_t i = 0; i < Size(); ++i) {
    const std::string_view source = Source(i);
    const int64_t first =
        m_index.FindOrInsert(FoldHash(source), static_cast<uint32_t>(i),
                             [&](uint32_t other) { return SameFoldedForm(source, Source(other)); });
    // Another entry of this form: linked behind the last one.
    if (first >= 0) links.emplace_back(static_cast<uint32_t>(first), static_cast<uint32_t>(i));
  }
  // The links of each form in entry order: first -> second -> ...
  std::sort(links.begin(), links.end());
  for (size_t k = 0; k < links.size(); ++k) {
    const uint32_t previous =
        k > 0 && links[k - 1].first == links[k].first ? links[k - 1].second : links[k].first;
    m_moreOfFold.emplace_back(previous, links[k].second);
  }
  std::sort(m_moreOfFold.begin(), m_moreOfFold.end());
  m_moreOfFold.shrink_to_fit();
  // Mark the entries that have a next one.
  for (const auto& link : m_moreOfFold) {
    const unsigned char* p = m_arena.data() + m_offsets[link.first];
    GetVarint(p);
    GetVarint(p);
    // The tag number's low bit, in its first byte.
    m_arena[p - m_arena.data()] |= 1;
  }
}

int64_t SwdTable::FirstOfFold(std::string_view key) const {
  return m_index.Find(FoldHash(key),
                      [&](uint32_t entry) { return SameFoldedForm(key, Source(entry)); });
}

int64_t SwdTable::NextOfFold(size_t i) const {
  const unsigned char* p = m_arena.data() + m_offsets[i];
  GetVarint(p);
  GetVarint(p);
  if ((*p & 1) == 0) return -1;
  const auto it = std::lower_bound(m_moreOfFold.begin(), m_moreOfFold.end(),
                                   std::make_pair(static_cast<uint32_t>(i), uint32_t{0}));
  return it != m_moreOfFold.end() && it->first == i ? it->second : -1;
}

}  // namespace lemmatizer
