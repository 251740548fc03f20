// The transposition table: buckets of four entries, one cache line each, allocated when the
// size is set and never during a search. Each search has a generation of its own.
//
// Several threads may probe and store at once. Each slot is two atomic words, the entry packed
// in one and the key xor that word in the other: a slot torn by two threads writing together
// no longer matches its key and reads as empty, so a probe never returns an entry that mixes
// two positions. Relaxed order suffices, as nothing else is published through the table.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "computer/strong/move.h"

namespace brenvolt::strong {

enum class Bound : std::uint8_t { kNone = 0, kUpper = 1, kLower = 2, kExact = 3 };

struct Entry {
  std::uint32_t move = 0;
  std::int16_t score = 0;
  std::int8_t depth = 0;
  std::uint8_t flags = 0;  // the bound in the low two bits, the search's generation above
  Bound bound() const { return static_cast<Bound>(flags & 3); }
  int generation() const { return flags >> 2; }
};

class TranspositionTable {
 public:
  explicit TranspositionTable(std::size_t megabytes);
  // resize(), clear() and new_search() only while no search uses the table.
  void resize(std::size_t megabytes);
  void clear();
  // Starts a new search that sees nothing of the earlier ones, exactly as after clear(), but
  // without writing the whole table: entries of another generation count as empty.
  void new_search();
  std::size_t bytes() const { return bucket_count_ * sizeof(Bucket); }

  // The entry for key into found; false when there is none.
  bool probe(std::uint64_t key, Entry& found) const;
  // Starts bringing key's bucket into the cache, for a probe soon after.
  void prefetch(std::uint64_t key) const { __builtin_prefetch(&bucket(key)); }
  void store(std::uint64_t key, Move move, int score, int depth, Bound bound);

 private:
  struct Slot {
    std::atomic<std::uint64_t> check{0};  // the key xor data
    std::atomic<std::uint64_t> data{0};   // the entry, packed
  };
  static constexpr int kWays = 4;
  struct alignas(64) Bucket {
    Slot slots[kWays];
  };
  static_assert(sizeof(Bucket) == 64, "four entries to a cache line");
  Bucket& bucket(std::uint64_t key) const { return buckets_[key & (bucket_count_ - 1)]; }

  // A slot's entry, and its key, as one consistent reading.
  struct Reading {
    std::uint64_t key;
    Entry entry;
  };
  static Reading read(const Slot& slot);

  static constexpr int kGenerations = 64;
  bool current(const Entry& e) const {
    return e.bound() != Bound::kNone && e.generation() == generation_;
  }

  std::unique_ptr<Bucket[]> buckets_;
  std::size_t bucket_count_ = 0;
  int generation_ = 0;
};

}  // namespace brenvolt::strong
