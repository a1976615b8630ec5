#pragma once

#include <bit>

namespace fftdetail {
namespace {

// Walks the bit reversals of 0, 1, 2, ... for indices of `points` (a power of two).
// Adding one to an index flips its trailing ones and the zero above them; in the
// mirror that is the same number of bits from the top down, flipped at once
// rather than carried bit by bit, so the walk has no data-dependent branch.
template <int points>
class MirrorCounter {
 public:
  int value() const { return value_; }

  void advance() {
    const int flipped = std::countr_one(static_cast<unsigned>(index_)) + 1;
    value_ = (value_ ^ (points - (points >> flipped))) & (points - 1);
    ++index_;
  }

 private:
  int index_ = 0;
  int value_ = 0;
};

// Given r = reversal of n (0 < n < points), the reversal of points - n. Negating n
// keeps its lowest set bit and inverts every bit above it; reversed, that keeps the
// highest set bit of r and inverts every bit below it. As r is never zero, finding
// that bit needs none of the test for zero that std::bit_floor makes.
constexpr int mirrorOfNegative(int r) {
  const unsigned highest = 1u << (31 - __builtin_clz(static_cast<unsigned>(r)));
  return r ^ static_cast<int>(highest - 1);
}

}  // namespace
}  // namespace fftdetail
