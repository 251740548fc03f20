#include "computer/strong/move.h"

namespace brenvolt::strong {

namespace {

// The 先手 code of each kind; 後手's is the negation.
constexpr std::array<int, kKinds> kBlackCode = {
    空,      先手_歩, 先手_香,   先手_桂,   先手_銀,   先手_金,   先手_角,  先手_飛,
    先手_王, 先手_と, 先手_香成, 先手_桂成, 先手_銀成, 先手_角成, 先手_飛成};

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

}  // namespace brenvolt::strong
