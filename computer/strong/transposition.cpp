#include "computer/strong/transposition.h"

#include <algorithm>
#include <cstdint>

namespace brenvolt::strong {

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
  std::fill(buckets_.get(), buckets_.get() + bucket_count_, Bucket{});
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

const Entry* TranspositionTable::probe(std::uint64_t key) const {
  const Bucket& b = bucket(key);
  for (const Entry& e : b.entries) {
    if (e.key == key && current(e)) return &e;
  }
  return nullptr;
}

void TranspositionTable::store(std::uint64_t key, Move move, int score, int depth, Bound bound) {
  Bucket& b = bucket(key);
  // The entry of this position, else an empty one, else the shallowest.
  Entry* slot = nullptr;
  for (Entry& e : b.entries) {
    if (current(e) && e.key == key) {
      slot = &e;
      break;
    }
  }
  if (slot == nullptr) {
    for (Entry& e : b.entries) {
      if (!current(e)) {
        slot = &e;
        break;
      }
    }
  }
  if (slot == nullptr) {
    slot = &b.entries[0];
    for (Entry& e : b.entries) {
      if (e.depth < slot->depth) slot = &e;
    }
  }
  // Keep a known best move when the new result brings none.
  if (!move && current(*slot) && slot->key == key) move = Move::from_bits(slot->move);
  slot->key = key;
  slot->move = move.bits();
  slot->score = static_cast<std::int16_t>(score);
  slot->depth = static_cast<std::int8_t>(std::clamp(depth, -100, 100));
  slot->flags = static_cast<std::uint8_t>(static_cast<int>(bound) | generation_ << 2);
}
}  // namespace brenvolt::strong
