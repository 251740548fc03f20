// splitmix64: a small random sequence, the same from every seed on every platform and
// library, for the random openings of self-play, the benchmarks and matches.
#pragma once

#include <cstddef>
#include <cstdint>

namespace brenvolt {

class SplitMix64 {
 public:
  explicit SplitMix64(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  // One of 0 .. n - 1, for n > 0.
  std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }

 private:
  std::uint64_t state_;
};

}  // namespace brenvolt
