#include "computer/strong/transposition.h"

#include <algorithm>
#include <cstdint>

namespace brenvolt::strong {

namespace {

std::uint64_t pack(const Entry& e) {
  return static_cast<std::uint64_t>(e.move) |
         static_cast<std::uint64_t>(static_cast<std::uint16_t>(e.score)) << 32 |
         static_cast<std::uint64_t>(static_cast<std::uint8_t>(e.depth)) << 48 |
         static_cast<std::uint64_t>(e.flags) << 56;
}

Entry unpack(std::uint64_t data) {
  Entry e;
  e.move = static_cast<std::uint32_t>(data);
  e.score = static_cast<std::int16_t>(static_cast<std::uint16_t>(data >> 32));
  e.depth = static_cast<std::int8_t>(static_cast<std::uint8_t>(data >> 48));
  e.flags = static_cast<std::uint8_t>(data >> 56);
  return e;
}

}  // namespace

TranspositionTable::TranspositionTable(std::size_t megabytes) {
  resize(megabytes);
}

void TranspositionTable::resize(std::size_t megabytes) {
  const std::size_t wanted = std::max<std::size_t>(megabytes, 1) * 1024 * 1024 / sizeof(Bucket);
  std::size_t count = 1;
  while (count * 2 <= wanted) count *= 2;
  if (count == bucket_count_) {
    clear();
    return;
  }
  buckets_.reset();  // give the old table back before taking the new one
  buckets_ = std::make_unique<Bucket[]>(count);  // every entry empty already
  bucket_count_ = count;
  generation_ = 0;
}

void TranspositionTable::clear() {
  for (std::size_t i = 0; i < bucket_count_; ++i) {
    for (Slot& s : buckets_[i].slots) {
      s.check.store(0, std::memory_order_relaxed);
      s.data.store(0, std::memory_order_relaxed);
    }
  }
  generation_ = 0;
}

void TranspositionTable::new_search() {
  // Entries have six bits for the generation; when it comes round again the old entries of
  // that number must go for real.
  if (generation_ == kGenerations - 1) {
    clear();
  } else {
    ++generation_;
  }
}

TranspositionTable::Reading TranspositionTable::read(const Slot& slot) {
  const std::uint64_t data = slot.data.load(std::memory_order_relaxed);
  const std::uint64_t check = slot.check.load(std::memory_order_relaxed);
  return {check ^ data, unpack(data)};
}

bool TranspositionTable::probe(std::uint64_t key, Entry& found) const {
  for (const Slot& s : bucket(key).slots) {
    const Reading r = read(s);
    if (r.key == key && current(r.entry)) {
      found = r.entry;
      return true;
    }
  }
  return false;
}

void TranspositionTable::store(std::uint64_t key, Move move, int score, int depth, Bound bound) {
  Bucket& b = bucket(key);
  Reading readings[kWays];
  for (int i = 0; i < kWays; ++i) readings[i] = read(b.slots[i]);
  // The entry of this position, else an empty one, else the shallowest.
  int slot = -1;
  for (int i = 0; i < kWays && slot < 0; ++i) {
    if (current(readings[i].entry) && readings[i].key == key) slot = i;
  }
  for (int i = 0; i < kWays && slot < 0; ++i) {
    if (!current(readings[i].entry)) slot = i;
  }
  if (slot < 0) {
    slot = 0;
    for (int i = 1; i < kWays; ++i) {
      if (readings[i].entry.depth < readings[slot].entry.depth) slot = i;
    }
  }
  const Reading& old = readings[slot];
  // Keep a known best move when the new result brings none.
  if (!move && current(old.entry) && old.key == key) move = Move::from_bits(old.entry.move);
  Entry e;
  e.move = move.bits();
  e.score = static_cast<std::int16_t>(score);
  e.depth = static_cast<std::int8_t>(std::clamp(depth, -100, 100));
  e.flags = static_cast<std::uint8_t>(static_cast<int>(bound) | generation_ << 2);
  const std::uint64_t data = pack(e);
  b.slots[slot].data.store(data, std::memory_order_relaxed);
  b.slots[slot].check.store(key ^ data, std::memory_order_relaxed);
}

}  // namespace brenvolt::strong
