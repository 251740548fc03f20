// The transposition table: buckets of four entries, one cache line each, allocated when the
// size is set and never during a search. Each search has a generation of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "computer/strong/move.h"

namespace brenvolt::strong {

enum class Bound : std::uint8_t { kNone = 0, kUpper = 1, kLower = 2, kExact = 3 };

struct Entry {
  std::uint64_t key = 0;
  std::uint32_t move = 0;
  std::int16_t score = 0;
  std::int8_t depth = 0;
  std::uint8_t flags = 0;  // the bound in the low two bits, the search's generation above
  Bound bound() const { return static_cast<Bound>(flags & 3); }
  int generation() const { return flags >> 2; }
};

static_assert(sizeof(Entry) == 16, "four entries to a cache line");

class TranspositionTable {
 public:
  explicit TranspositionTable(std::size_t megabytes);
  void resize(std::size_t megabytes);
  void clear();
  // Starts a new search that sees nothing of the earlier ones, exactly as after clear(), but
  // without writing the whole table: entries of another generation count as empty.
  void new_search();
  std::size_t bytes() const { return bucket_count_ * sizeof(Bucket); }

  // The entry for key, or nullptr.
  const Entry* probe(std::uint64_t key) const;
  void store(std::uint64_t key, Move move, int score, int depth, Bound bound);

 private:
  static constexpr int kWays = 4;
  struct alignas(64) Bucket {
    Entry entries[kWays];
  };
  Bucket& bucket(std::uint64_t key) const { return buckets_[key & (bucket_count_ - 1)]; }

  static constexpr int kGenerations = 64;
  bool current(const Entry& e) const {
    return e.bound() != Bound::kNone && e.generation() == generation_;
  }

  std::unique_ptr<Bucket[]> buckets_;
  std::size_t bucket_count_ = 0;
  int generation_ = 0;
};

}  // namespace brenvolt::strong
