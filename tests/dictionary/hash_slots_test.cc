#include "dictionary/hash_slots.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using lemmatizer::HashSlots;

// Keys are their own hashes here: entry i has the key keys[i].
struct Keys {
  std::vector<uint32_t> keys;
  HashSlots slots;

  explicit Keys(std::vector<uint32_t> k) : keys(std::move(k)) {
    slots.Reset(keys.size());
    for (uint32_t i = 0; i < keys.size(); ++i) {
      EXPECT_EQ(Insert(keys[i], i), -1) << "key " << keys[i] << " was there before";
    }
  }
  int64_t Insert(uint32_t key, uint32_t entry) {
    return slots.FindOrInsert(key, entry, [&](uint32_t other) { return keys[other] == key; });
  }
  int64_t Find(uint32_t key) const {
    return slots.Find(key, [&](uint32_t other) { return keys[other] == key; });
  }
};

TEST(HashSlots, FindsEveryKeyAlsoWhenProbesWrapAround) {
  // High bits all set: every probe starts at the last slot and wraps.
  Keys table({0xFFFFFFF0u, 0xFFFFFFF1u, 0xFFFFFFF2u, 0xFFFFFFF3u, 7u});
  for (uint32_t i = 0; i < table.keys.size(); ++i) EXPECT_EQ(table.Find(table.keys[i]), i);
  EXPECT_EQ(table.Find(0xFFFFFFF4u), -1);
  EXPECT_EQ(table.Find(8u), -1);
  // An equal key finds the entry there and takes no slot.
  EXPECT_EQ(table.Insert(0xFFFFFFF2u, 99), 2);
  EXPECT_EQ(table.Find(0xFFFFFFF2u), 2);
}

TEST(HashSlots, KeysOfOtherMarksAreNotCompared) {
  HashSlots slots;
  slots.Reset(2);
  // Same high bits (same first slot), different low bits.
  const uint32_t a = 0x80000001u, b = 0x80000002u;
  slots.FindOrInsert(a, 0, [](uint32_t) { return false; });
  slots.FindOrInsert(b, 1, [](uint32_t) { return false; });
  std::vector<uint32_t> compared;
  const int64_t found = slots.Find(b, [&](uint32_t entry) {
    compared.push_back(entry);
    return entry == 1;
  });
  EXPECT_EQ(found, 1);
  EXPECT_EQ(compared, std::vector<uint32_t>({1}));
}

TEST(HashSlots, LargeEntryNumbersKeepEveryBit) {
  // Entry numbers of 21 bits leave 11 bits of mark.
  const uint32_t room = (1u << 21) - 1;
  HashSlots slots;
  slots.Reset(room);
  const std::vector<uint32_t> entries = {0, 1, 1u << 20, room - 1};
  for (const uint32_t entry : entries) {
    slots.FindOrInsert(entry * 2654435761u, entry, [](uint32_t) { return false; });
  }
  for (const uint32_t entry : entries) {
    EXPECT_EQ(slots.Find(entry * 2654435761u, [&](uint32_t e) { return e == entry; }), entry);
  }
  EXPECT_EQ(slots.Find(12345u, [](uint32_t) { return true; }), -1);
}

TEST(HashSlots, AnEmptyOrClearedIndexFindsNothing) {
  HashSlots slots;
  EXPECT_EQ(slots.Find(1u, [](uint32_t) { return true; }), -1);
  slots.Reset(0);
  EXPECT_EQ(slots.Find(1u, [](uint32_t) { return true; }), -1);
  slots.Reset(4);
  slots.FindOrInsert(1u, 3, [](uint32_t) { return false; });
  slots.Clear();
  EXPECT_EQ(slots.Find(1u, [](uint32_t) { return true; }), -1);
}

}  // namespace
