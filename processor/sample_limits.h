#pragma once
// What the engine does with samples a host should never send, or that the arithmetic
// could carry past what a 32-bit float holds. Whatever arrives, nothing non-finite goes
// into the gains, the filter, the meters or the rings, and nothing non-finite leaves:
//  - a NaN or infinite input sample is silence (0), exactly as if the host had sent 0;
//  - a finite value beyond the float range (a huge input with gain) is held at the
//    largest finite float of its sign.
// Finite values within range pass bit for bit. The tests are written on the bits and
// as plain selects, so they hold under any floating-point options and vectorise.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <limits>

namespace sample_limits {

constexpr float kLargestFloat = std::numeric_limits<float>::max();

// Exponent bits all set: an infinity or a NaN.
constexpr bool isFinite(float x) {
  return (std::bit_cast<std::uint32_t>(x) & 0x7F800000u) != 0x7F800000u;
}
constexpr bool isFinite(double x) {
  return (std::bit_cast<std::uint64_t>(x) & 0x7FF0000000000000u) != 0x7FF0000000000000u;
}

// The input sample a host sent, or silence where it is not a number.
constexpr float finiteOrSilence(float x) { return isFinite(x) ? x : 0.0f; }

// The largest finite float with the sign of x.
constexpr float largestWithSignOf(float x) {
  return std::bit_cast<float>((std::bit_cast<std::uint32_t>(x) & 0x80000000u) |
                              std::bit_cast<std::uint32_t>(kLargestFloat));
}

// A product that overflowed to an infinity held at the largest finite float of its sign;
// not for NaN.
constexpr float withinFloatRange(float x) { return isFinite(x) ? x : largestWithSignOf(x); }
// A double rounded to float, held within the float range.
constexpr float withinFloatRange(double x) {
  return static_cast<float>(std::min<double>(std::max<double>(x, -kLargestFloat), kLargestFloat));
}

// An output sample as the host may receive it: an infinity becomes the largest finite
// float of its sign, a NaN (which nothing upstream should produce) silence.
constexpr float finiteOutput(float x) {
  const bool notANumber = (std::bit_cast<std::uint32_t>(x) & 0x007FFFFFu) != 0;
  return isFinite(x) ? x : (notANumber ? 0.0f : largestWithSignOf(x));
}

}  // namespace sample_limits
