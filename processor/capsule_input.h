#pragma once
// Where the engine takes a capsule's samples from the host: the gain and the meter in
// one pass. The ordinary case, every gained sample a number of a size any signal has,
// costs nothing beyond them; only a stretch with something else in it (a NaN, an
// infinity, a gained value beyond 1e30) is taken again on the careful path, on which a
// sample that is not a number is silence and a gained value is held within the float
// range.
//
// Peaks are kept as the bits of a magnitude, compared as integers: for numbers that is
// their order, a NaN's bits lie above every number's, and an integer maximum vectorises
// where a float maximum, with a float's rules for NaN, does not. So on the ordinary path
// the one maximum is both the meter and the check.

#include <emmintrin.h>

#include <algorithm>
#include <bit>
#include <cstdint>

#include "processor/sample_limits.h"

namespace capsule_input {

// Beyond any recording by hundreds of dB. Values up to it, through the proximity shelf
// and the weighting, stay far inside the float range, so output samples can only leave
// that range after a stretch beyond it.
constexpr float kOrdinaryLimit = 1e30f;

constexpr std::int32_t magnitudeBits(float x) {
  return std::bit_cast<std::int32_t>(x) & 0x7FFFFFFF;
}

// peak = max(peak, |gained[k]|) for gained values that are numbers.
inline void raisePeak(float& peak, const float* gained, std::int32_t count) {
  std::int32_t largest = magnitudeBits(peak);
  for (std::int32_t k = 0; k < count; ++k) {
    const std::int32_t magnitude = magnitudeBits(gained[k]);
    largest = magnitude > largest ? magnitude : largest;
  }
  peak = std::bit_cast<float>(largest);
}

// gained[k] = gain * samples[k] and the peak raised by them, if every gained value is
// ordinary; otherwise false, with the peak untouched: take the stretch again with
// gainCarefully.
inline bool gainOrdinary(const float* samples, float gain, float* gained, std::int32_t count,
                         float& peak) {
  std::int32_t largest = magnitudeBits(peak);
  for (std::int32_t k = 0; k < count; ++k) {
    const float value = gain * samples[k];
    gained[k] = value;
    const std::int32_t magnitude = magnitudeBits(value);
    largest = magnitude > largest ? magnitude : largest;
  }
  if (largest > magnitudeBits(kOrdinaryLimit)) return false;
  peak = std::bit_cast<float>(largest);
  return true;
}

// One value of the careful path: a sample that is not a number is silence; a number's
// product held in range.
inline float takenCarefully(float sample, float gain) {
  return sample_limits::isFinite(sample) ? sample_limits::withinFloatRange(gain * sample) : 0.0f;
}

// gained[k] = takenCarefully(samples[k], gain) and the peak raised by them; whether the
// peak is now beyond the ordinary, that is, whether a number in the stretch was huge.
// Four at a time in SSE2 (every x86-64 processor has it), as the compiler does not
// vectorise the selects together with the maximum; the same bits as takenCarefully.
inline bool gainCarefully(const float* samples, float gain, float* gained, std::int32_t count,
                          float& peak) {
  const __m128 gains = _mm_set1_ps(gain);
  const __m128i exponent = _mm_set1_epi32(0x7F800000);
  const __m128i sign = _mm_set1_epi32(static_cast<std::int32_t>(0x80000000u));
  const __m128i magnitude = _mm_set1_epi32(0x7FFFFFFF);
  const __m128i largestFinite = _mm_set1_epi32(magnitudeBits(sample_limits::kLargestFloat));
  __m128i largest = _mm_set1_epi32(magnitudeBits(peak));
  std::int32_t k = 0;
  for (; k + 4 <= count; k += 4) {
    const __m128 x = _mm_loadu_ps(samples + k);
    const __m128i xNotFinite =
        _mm_cmpeq_epi32(_mm_and_si128(_mm_castps_si128(x), exponent), exponent);
    const __m128i product = _mm_castps_si128(_mm_mul_ps(gains, x));
    const __m128i overflowed = _mm_cmpeq_epi32(_mm_and_si128(product, exponent), exponent);
    const __m128i held = _mm_or_si128(_mm_and_si128(product, sign), largestFinite);
    const __m128i inRange =
        _mm_or_si128(_mm_and_si128(overflowed, held), _mm_andnot_si128(overflowed, product));
    const __m128i value = _mm_andnot_si128(xNotFinite, inRange);
    _mm_storeu_ps(gained + k, _mm_castsi128_ps(value));
    const __m128i size = _mm_and_si128(value, magnitude);
    const __m128i larger = _mm_cmpgt_epi32(size, largest);
    largest = _mm_or_si128(_mm_and_si128(larger, size), _mm_andnot_si128(larger, largest));
  }
  alignas(16) std::int32_t lanes[4];
  _mm_store_si128(reinterpret_cast<__m128i*>(lanes), largest);
  std::int32_t result = std::max({lanes[0], lanes[1], lanes[2], lanes[3]});
  for (; k < count; ++k) {
    gained[k] = takenCarefully(samples[k], gain);
    result = std::max(result, magnitudeBits(gained[k]));
  }
  peak = std::bit_cast<float>(result);
  return result > magnitudeBits(kOrdinaryLimit);
}

}  // namespace capsule_input
