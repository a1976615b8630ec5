#include "controller/controller_state.h"

#include <cstdint>

#include "controller/editor_zoom.h"

namespace Steinberg::Vst {
namespace {

constexpr std::uint32_t kMagic = 0x6465534C;  // "LSed" read as a little-endian word
constexpr std::uint32_t kVersion = 1;
constexpr int kWords = 3;

bool readWords(IBStream* stream, std::uint32_t (&words)[kWords]) {
  unsigned char bytes[4 * kWords] = {};
  int32 read = 0;
  if (stream->read(bytes, sizeof bytes, &read) != kResultOk || read != sizeof bytes) return false;
  for (int i = 0; i < kWords; ++i)
    words[i] = static_cast<std::uint32_t>(bytes[4 * i]) |
               static_cast<std::uint32_t>(bytes[4 * i + 1]) << 8 |
               static_cast<std::uint32_t>(bytes[4 * i + 2]) << 16 |
               static_cast<std::uint32_t>(bytes[4 * i + 3]) << 24;
  return true;
}

}  // namespace

bool writeControllerState(IBStream* stream, const ControllerState& state) {
  if (stream == nullptr) return false;
  const std::uint32_t words[kWords] = {kMagic, kVersion,
                                       static_cast<std::uint32_t>(zoomPercent(state.editorZoom))};
  unsigned char bytes[4 * kWords];
  for (int i = 0; i < kWords; ++i)
    for (int b = 0; b < 4; ++b) bytes[4 * i + b] = static_cast<unsigned char>(words[i] >> (8 * b));
  int32 written = 0;
  return stream->write(bytes, sizeof bytes, &written) == kResultOk && written == sizeof bytes;
}

bool readControllerState(IBStream* stream, ControllerState& state) {
  std::uint32_t words[kWords];
  if (stream == nullptr || !readWords(stream, words)) return false;
  double zoom = kDefaultEditorZoom;
  if (words[0] != kMagic || words[1] != kVersion || !zoomOfPercent(words[2], zoom)) return false;
  state.editorZoom = zoom;
  return true;
}

}  // namespace Steinberg::Vst
