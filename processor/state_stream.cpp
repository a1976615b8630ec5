#include "processor/state_stream.h"

#include <bit>
#include <cstdint>

namespace {
constexpr Steinberg::int32 kValueSize = 4;
}

bool readStateValue(Steinberg::IBStream* stream, float& value) {
  if (stream == nullptr) return false;
  unsigned char bytes[kValueSize] = {};
  Steinberg::int32 bytesRead = 0;
  if (stream->read(bytes, kValueSize, &bytesRead) != Steinberg::kResultOk ||
      bytesRead != kValueSize)
    return false;
  const std::uint32_t bits =
      static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
      static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
  value = std::bit_cast<float>(bits);
  return true;
}

bool readStateValues(Steinberg::IBStream* stream, float* values, unsigned count) {
  for (unsigned i = 0; i < count; ++i)
    if (!readStateValue(stream, values[i])) return false;
  return true;
}

bool writeStateValue(Steinberg::IBStream* stream, float value) {
  if (stream == nullptr) return false;
  const auto bits = std::bit_cast<std::uint32_t>(value);
  unsigned char bytes[kValueSize] = {
      static_cast<unsigned char>(bits), static_cast<unsigned char>(bits >> 8),
      static_cast<unsigned char>(bits >> 16), static_cast<unsigned char>(bits >> 24)};
  Steinberg::int32 bytesWritten = 0;
  return stream->write(bytes, kValueSize, &bytesWritten) == Steinberg::kResultOk &&
         bytesWritten == kValueSize;
}
