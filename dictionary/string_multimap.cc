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

unsigned char MarkOf(uint32_t hash) { return static_cast<unsigned char>(hash & 0xFF); }

size_t SlotOf(uint32_t hash, size_t slots) {
  return static_cast<size_t>((static_cast<uint64_t>(hash) * slots) >> 32);
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
  std::vector<uint32_t>().swap(m_slots);
  std::vector<unsigned char>().swap(m_marks);
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
  m_slots.assign(2 * Size() + 1, 0);
  m_marks.assign(m_slots.size(), 0);
  for (size_t i = 0; i < Size(); ++i) {
    if (i > 0 && Key(i) == Key(i - 1)) continue;
    const uint32_t hash = Hash(Key(i));
    size_t s = SlotOf(hash, m_slots.size());
    while (m_slots[s] != 0) s = s + 1 == m_slots.size() ? 0 : s + 1;
    m_slots[s] = static_cast<uint32_t>(i + 1);
    m_marks[s] = MarkOf(hash);
  }
}

StringMultimap::Range StringMultimap::Find(std::string_view key) const {
  Range range;
  if (m_slots.empty()) return range;
  const uint32_t hash = Hash(key);
  for (size_t s = SlotOf(hash, m_slots.size()); m_slots[s] != 0;
       s = s + 1 == m_slots.size() ? 0 : s + 1) {
    const size_t first = m_slots[s] - 1;
    if (m_marks[s] != MarkOf(hash) || Key(first) != key) continue;
    range.begin = first;
    range.end = first + 1;
    while (range.end < Size() && Key(range.end) == key) ++range.end;
    return range;
  }
  return range;
}

}  // namespace lemmatizer
