#include "engine/bench_positions.h"

#include <stdexcept>
#include <string>

#include "engine/move_judge.h"
#include "notation/position_text.h"

namespace brenvolt::engine {
namespace {

// Chosen from games of random moves and the standard computer by
// tools/rules_check/bench_positions.py --seed 1, and kept as it printed them.
constexpr std::string_view kLines[] = {
    // openings of a few moves
    "8R/9/9/9/9/7P1/9/9/2k3b2 b KBGS2N2LPrgs2n2l2p 5",
    "9/9/6S2/5s3/9/9/9/5N3/9 w KRBGN2L2Pkrbg2n2l2p 4",
    "3S3g1/P8/R4k3/9/9/9/9/9/9 w KBG2N2LPrbs2n2l2p 6",
    "9/2sS5/9/9/9/7n1/2K6/9/8B w RG2N2L2Pkrbgn2l2p 6",
    // middle games, neither side a move from five
    "5B3/3gG4/1PLb5/3N1kps1/1r4L2/2P6/3S5/9/9 b KRN2n2lp 21",
    "3p3n1/1Lb5s/1PrP5/1NLg5/Rk6N/2Snl2G1/9/4p4/9 w KBl 24",
    "2B6/k8/9/3N5/7g1/9/1P2s4/1S7/2r6 b KRGN2LPb2n2l2p 9",
    "4l4/2n6/1NLgN2L1/4pP1r1/3Ps2b1/4k4/6B2/9/8S w KRGnlp 20",
    // the other side threatens five: the side to move must stop it
    "2BG+L1S2/1sP2n3/1PR6/1Lb6/g8/2p4k1/3r5/4N3p/9 w KNn2l 24",
    "7l1/9/9/6l2/Lb2G4/1P1k1K3/2R6/3P5/9 w BS2NLrgs2n2p 12",
    "9/kr7/pbg3P2/PLLK5/7s1/9/9/9/7R1 w BGS2N2n2lp 14",
    "9/9/1rP2R3/2k2S3/2gbP3G/4s4/6N2/9/9 b KBN2L2n2l2p 15",
    "KG2k4/1+L2S4/3r5/2bPP1n2/3g1N2l/1l2L4/1s1N5/2B6/9 w Rn2p 22",
    "4p4/9/9/3k5/3P5/3S5/r2G5/3L5/9 w KRB2NLPbgs2n2lp 8",
    // the side to move can make five
    "9/3b5/9/2pgL4/1P1B5/1kP4s1/1S1K5/r8/9 b RG2NL2n2lp 21",
    "9/5b3/p4S3/1KL1r1N2/5Rpn1/1B1Pk1l2/1P2gG3/1N1L+n4/s1+l6 b - 51",
    "Ssrnn4/1kPK5/1Pb5G/1g1L5/9/9/9/9/9 w RB2NL2l2p 16",
    "p2r5/4PP3/5K3/5NL2/5k1L1/9/5b3/9/9 b RBGSNgs2n2lp 17",
    // later games with promoted pieces
    "1n+P1+N1pR1/2k2lK2/1+NB1sL3/1nGLSP+r2/1g4b2/l4p3/9/9/9 w - 64",
    "1p1+LS+P3/4p4/4LkNB1/R8/1l4l2/2g1P1snN/2r2K3/2b1+n1G2/9 w - 62",
    "1+N1r5/Rp+LS4k/Pbp1n3P/1ll1L3K/N2s5/G2Bn4/1g7/9/9 w - 46",
    "9/2bL5/P1rl+S+B3/1P1k5/nNKgLp3/p2n5/3R2G2/7N1/4+l3s w - 58",
    "9/9/KlbpkP2+S/2L3P1n/1lpnB2N1/3L5/3G3R1/1sgN+r4/9 w - 46",
    "9/4L3l/r2n5/4bBPR1/2G1p1N1g/3NlK1s1/2+n1L1p1S/5k3/5P3 b - 45",
};

std::vector<対局状態> read_lines() {
  std::vector<対局状態> positions;
  for (const std::string_view line : kLines) {
    対局状態 position;
    std::string error;
    // A line that does not read is a fault of this file, which the tests catch.
    if (!notation::parse_position(line, position, error)) {
      throw std::logic_error("bench position " + std::string(line) + ": " + error);
    }
    positions.push_back(position);
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
