#include "engine/bench_positions.h"

#include <stdexcept>
#include <string>

#include "engine/move_judge.h"
#include "notation/position_text.h"

namespace brenvolt::engine {
namespace {

constexpr std::string_view kLines[] = {
    "3s1S3/9/9/9/6p2/9/4L2G1/7g1/9 b KRB2NL2Pkrb2n2lp 7",
    "6p2/3B2n2/5P3/9/6L2/6R2/9/3p5/1k7 b KGS2NLPrbgsn2l 9",
    "7K1/1L5pk/9/9/9/4s2bp/4R4/1G7/7B1 b S2NL2Prg2n2l 11",
    "5r1S1/9/9/2L3n1l/9/5s3/2B1K4/3p5/3R5 b G2NL2Pkbgnlp 13",
    "1g3b3/3R3sP/9/6N2/2p1l4/2l1G4/1k7/1S1P5/9 b KBN2Lr2np 15",
    "3Kl4/2g6/7n1/1B4N2/3lG1Pk1/3S4+R/b8/s2p5/9 b N2LPrnp 17",
    "1p2l2p1/9/1N1r5/L2sKkB2/9/2R1l4/P8/3S5/1Gg6 b NLPb2n 19",
    "9/4r4/9/L8/3Nk1L2/K1S6/1l3GR2/2l6/g3Nb2P b BPs2n2p 21",
    "7B1/p3P3n/4k1K2/1l7/6s1l/r1N1N4/2L2g1n1/2R2S1LG/1b7 b Pp 23",
    "bsp1l1r2/5GR2/1N1l5/2n6/8g/1p1PK3L/2L2P1k1/7B1/2N5S b n 25",
    "1sK1b4/7k1/p2L5/9/1N1BNg2P/6n1l/3nGR2L/3rp1S2/9 b Pl 27",
    "l1r6/P5G2/2S1+B3+L/6L2/5l3/2pp3n1/1n1N1K1Rb/1g1k3N1/4s4 b P 29",
    "9/3p3gn/1b7/5l1p1/2Rk5/3N4P/n1G+B2Ks1/L2P2+lr1/S1L2N3 b - 31",
    "9/9/1gN5K/9/1pp1+RnbP1/2n2N3/L3SlG1s/3l1PB2/3L1+r2k b - 33",
    "1Gg5K/1L+B3P2/9/1S1Nn4/7Pn/2k+l1l2b/p4R+rN1/4s2p1/4L4 b - 35",
    "9/+N+Rb1K4/5p3/s4lk2/9/n4n3/1p5g1/rP3SGL1/1B1+lNPL2 b - 37",
    "6kRb/+N3pl3/6l1n/2s2r2P/1G3gP2/5p3/B6L1/S4K3/1+nLN5 b - 39",
    "+L8/5P3/1p2lS1k1/2p1G1l2/2L1P4/7g1/2+s2B1nN/1+n2N1K2/3R1+r2+b b - 41",
    "8n/7P1/kp4N2/1b3R+rB1/2K1L3l/1sS2l2n/3P5/G4p1g1/3LN4 b - 43",
    "1+N1lp2k1/1n5L1/5+Rg1+B/PK1s5/8G/1brn5/2S1l1p2/3NL4/2P6 b - 45",
    "1rn2+S3/L7l/3P3b1/2k3NGL/3s1B1n1/4g4/5Kl2/N5pp1/5R1P1 b - 47",
    "1+N7/b5+LL1/4p4/2N1P1B2/2S6/lG1pn4/k1+n4+r1/P8/1R+l3+sgK b - 49",
    "4+N4/s2n4L/1L4K1P/1Rb+S5/1P1G5/4nB3/3+r3+l1/+l3p2kp/1Ng6 b - 51",
    "1+N3G1+L1/9/1+S7/3+Rp1BgP/5KP1n/9/n1+s6/l1+l3p2/k+rN3L+b1 b - 53",
};

std::vector<対局状態> read_lines() {
  std::vector<対局状態> positions;
  for (const std::string_view line : kLines) {
    Game game = start_game();
    std::string error;
    // A line that does not read is a fault of this file, which the tests catch.
    if (!notation::parse_position(line, game.局, error)) {
      throw std::logic_error("bench position " + std::string(line) + ": " + error);
    }
    positions.push_back(game.局);
  }
  return positions;
}

}  // namespace

std::span<const std::string_view> bench_position_lines() {
  return kLines;
}

const std::vector<対局状態>& bench_positions() {
  static const std::vector<対局状態> positions = read_lines();
  return positions;
}

}  // namespace brenvolt::engine
