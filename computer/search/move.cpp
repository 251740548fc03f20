#include "computer/search/move.h"

#include "computer/search/zobrist.h"

namespace brenvolt::strong {

namespace {

// The 先手 code of each kind; 後手's is the negation.
constexpr std::array<int, kKinds> kBlackCode = {
    空,      先手_歩, 先手_香,   先手_桂,   先手_銀,   先手_金,   先手_角,  先手_飛,
    先手_王, 先手_と, 先手_香成, 先手_桂成, 先手_銀成, 先手_角成, 先手_飛成};

// splitmix64: a fixed, portable sequence.
std::uint64_t next_random(std::uint64_t& state) {
  std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
  return z ^ (z >> 31);
}

Zobrist build_zobrist() {
  Zobrist z;
  std::uint64_t state = 0x42726e766f6c74ULL;
  for (auto& colour : z.piece) {
    for (auto& kind : colour) {
      for (auto& key : kind) key = next_random(state);
    }
  }
  for (auto& colour : z.hand) {
    for (auto& kind : colour) {
      for (auto& key : kind) key = next_random(state);
    }
  }
  for (auto& key : z.side) key = next_random(state);
  return z;
}

}  // namespace

int code_of(Colour c, Kind k) {
  return c == kBlack ? kBlackCode[k] : -kBlackCode[k];
}

Kind kind_of_code(int code) {
  const int black = code < 0 ? code : -code;
  for (int k = 1; k < kKinds; ++k) {
    if (kBlackCode[k] == black) return static_cast<Kind>(k);
  }
  return kNoKind;
}

Colour colour_of_code(int code) {
  if (code <= 先手_歩) return kBlack;
  if (code >= 後手_歩) return kWhite;
  return kNone;
}

const Zobrist& zobrist() {
  static const Zobrist keys = build_zobrist();
  return keys;
}

}  // namespace brenvolt::strong
