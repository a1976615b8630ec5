#pragma once
// What the engine does with samples a host should never send, or that the arithmetic
// could carry past what a 32-bit float holds. Whatever arrives, nothing non-finite goes
// into the gains, the filter, the meters or the rings, and nothing non-finite leaves:
//  - a NaN or infinite input sample is silence (0), exactly as if the host had sent 0;
//  - a finite value beyond the float range (a huge input with gain) is held at the
//    largest finite float of its sign.
// Finite values within range pass bit for bit. The tests are written on the bits and
// as plain selects, so they hold under any floating-point options and vectorise.

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

// A finite or infinite value held within the float range; not for NaN.
constexpr float withinFloatRange(float x) {
  return x > kLargestFloat ? kLargestFloat : (x < -kLargestFloat ? -kLargestFloat : x);
}
constexpr float withinFloatRange(double x) {
  return x > kLargestFloat ? kLargestFloat
                           : (x < -kLargestFloat ? -kLargestFloat : static_cast<float>(x));
}

// An output sample as the host may receive it: an infinity becomes the largest finite
// float of its sign, a NaN (which nothing upstream should produce) silence.
constexpr float finiteOutput(float x) {
  if (isFinite(x)) return x;
  const std::uint32_t bits = std::bit_cast<std::uint32_t>(x);
  if ((bits & 0x007FFFFFu) != 0) return 0.0f;
  return (bits >> 31) != 0 ? -kLargestFloat : kLargestFloat;
}

}  // namespace sample_limits
