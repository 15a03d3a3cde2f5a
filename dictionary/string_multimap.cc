#include "dictionary/string_multimap.h"

#include <algorithm>

namespace lemmatizer {
namespace {

uint32_t Hash(std::string_view text) {
  uint32_t hash = 2166136261u;
  for (const char c : text) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
  return hash;
}

}  // namespace

void StringMultimap::Add(std::string_view key, std::string_view value) {
  Pair pair;
  pair.key = static_cast<uint32_t>(m_text.size());
  pair.keyLength = static_cast<uint32_t>(key.size());
  m_text.append(key);
  pair.value = static_cast<uint32_t>(m_text.size());
  pair.valueLength = static_cast<uint32_t>(value.size());
  m_text.append(value);
  m_pairs.push_back(pair);
}

void StringMultimap::Clear() {
  m_text.clear();
  m_pairs.clear();
  m_slots.clear();
}

void StringMultimap::Freeze() {
  std::stable_sort(m_pairs.begin(), m_pairs.end(), [this](const Pair& a, const Pair& b) {
    return View(a.key, a.keyLength) < View(b.key, b.keyLength);
  });
  size_t slots = 16;
  while (slots < m_pairs.size() * 2) slots *= 2;
  m_slots.assign(slots, 0);
  for (size_t i = 0; i < m_pairs.size(); ++i) {
    if (i > 0 && Key(i) == Key(i - 1)) continue;
    size_t s = Hash(Key(i)) & (slots - 1);
    while (m_slots[s] != 0) s = (s + 1) & (slots - 1);
    m_slots[s] = static_cast<uint32_t>(i + 1);
  }
}

StringMultimap::Range StringMultimap::Find(std::string_view key) const {
  Range range;
  if (m_slots.empty()) return range;
  const size_t mask = m_slots.size() - 1;
  for (size_t s = Hash(key) & mask; m_slots[s] != 0; s = (s + 1) & mask) {
    const size_t first = m_slots[s] - 1;
    if (Key(first) != key) continue;
    range.begin = first;
    range.end = first + 1;
    while (range.end < m_pairs.size() && Key(range.end) == key) ++range.end;
    return range;
  }
  return range;
}

}  // namespace lemmatizer
