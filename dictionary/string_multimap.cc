#include "dictionary/string_multimap.h"

#include <algorithm>
#include <cstring>

#include "platform/coding.h"

namespace lemmatizer {
namespace {

uint32_t Hash(std::string_view text) {
  uint32_t hash = 2166136261u;
  for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return hash;
}

}  // namespace

void StringMultimap::Add(std::string_view key, std::string_view value) {
  m_offsets.push_back(static_cast<uint32_t>(m_arena.size()));
  PutVarint(m_arena, key.size());
  PutVarint(m_arena, value.size());
  const size_t at = m_arena.size();
  m_arena.resize(at + key.size() + value.size());
  std::memcpy(m_arena.data() + at, key.data(), key.size());
  std::memcpy(m_arena.data() + at + key.size(), value.data(), value.size());
}

std::string_view StringMultimap::Key(size_t i) const {
  const unsigned char* p = m_arena.data() + m_offsets[i];
  const uint64_t keyLength = GetVarint(p);
  GetVarint(p);
  return std::string_view(reinterpret_cast<const char*>(p), keyLength);
}

std::string_view StringMultimap::Value(size_t i) const {
  const unsigned char* p = m_arena.data() + m_offsets[i];
  const uint64_t keyLength = GetVarint(p);
  const uint64_t valueLength = GetVarint(p);
  return std::string_view(reinterpret_cast<const char*>(p) + keyLength, valueLength);
}

void StringMultimap::Clear() {
  std::vector<unsigned char>().swap(m_arena);
  std::vector<uint32_t>().swap(m_offsets);
  m_index.Clear();
}

void StringMultimap::Freeze() {
  const auto byKey = [this](uint32_t a, uint32_t b) {
    const unsigned char* p = m_arena.data() + a;
    const unsigned char* q = m_arena.data() + b;
    const uint64_t la = GetVarint(p);
    GetVarint(p);
    const uint64_t lb = GetVarint(q);
    GetVarint(q);
    return std::string_view(reinterpret_cast<const char*>(p), la) <
           std::string_view(reinterpret_cast<const char*>(q), lb);
  };
  if (!std::is_sorted(m_offsets.begin(), m_offsets.end(), byKey)) {
    std::stable_sort(m_offsets.begin(), m_offsets.end(), byKey);
  }
  m_arena.shrink_to_fit();
  m_offsets.shrink_to_fit();
  m_index.Reset(Size());
  for (size_t i = 0; i < Size(); ++i) {
    if (i > 0 && Key(i) == Key(i - 1)) continue;
    // Each distinct key once: no entry on its path is equal.
    m_index.FindOrInsert(Hash(Key(i)), static_cast<uint32_t>(i), [](uint32_t) { return false; });
  }
}

StringMultimap::Range StringMultimap::Find(std::string_view key) const {
  Range range;
  const int64_t first = m_index.Find(Hash(key), [&](uint32_t entry) { return Key(entry) == key; });
  if (first < 0) return range;
  range.begin = static_cast<size_t>(first);
  range.end = range.begin + 1;
  while (range.end < Size() && Key(range.end) == key) ++range.end;
  return range;
}

}  // namespace lemmatizer
