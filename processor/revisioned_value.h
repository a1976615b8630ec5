#pragma once
// A normalized value and the revision it belongs to, packed into one 64-bit word so
// that both cross between the main thread and the audio thread in one atomic step.

#include <bit>
#include <cstdint>

struct RevisionedValue {
  std::uint32_t revision = 0;
  float value = 0.0f;

  static RevisionedValue unpack(std::uint64_t word) {
    return {static_cast<std::uint32_t>(word >> 32),
            std::bit_cast<float>(static_cast<std::uint32_t>(word))};
  }
  std::uint64_t pack() const {
    return static_cast<std::uint64_t>(revision) << 32 | std::bit_cast<std::uint32_t>(value);
  }
};
