#pragma once
// What the host's editor windows of every window system share: the modifier keys a user
// holds and the pixels a window shows.

#include <cstdint>
#include <vector>

namespace host {

enum class Key { kShift, kControl, kAlt };

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  bool operator==(const Rgb&) const = default;
};

// Pixels as the screen shows them, row by row.
struct Screenshot {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;
  Rgb at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace host
