#pragma once

#include <bit>

namespace fftdetail {

// Walks the bit reversals of 0, 1, 2, ... for indices of `points` (a power of two):
// advancing adds one at the top bit and carries down towards the bottom bit.
template <int points>
class MirrorCounter {
 public:
  int value() const { return value_; }

  void advance() {
    int bit = points >> 1;
    while (value_ & bit) {
      value_ ^= bit;
      bit >>= 1;
    }
    value_ |= bit;
  }

 private:
  int value_ = 0;
};

// Given r = reversal of n (0 < n < points), the reversal of points - n. Negating n
// keeps its lowest set bit and inverts every bit above it; reversed, that keeps the
// highest set bit of r and inverts every bit below it.
inline int mirrorOfNegative(int r) {
  return r ^ static_cast<int>(std::bit_floor(static_cast<unsigned>(r)) - 1);
}

}  // namespace fftdetail
