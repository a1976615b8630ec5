#pragma once
// The assembled editor panel for looking at the artwork as a whole: every bitmap at
// the place the editor puts it, with example settings, levels and a curve standing
// in for what the live views draw.

#include <string>

namespace artwork {

enum class Overlay { None, Help, Credits };

struct PreviewOptions {
  bool stereo = true;
  Overlay overlay = Overlay::None;
  bool selectorOpen = false;  // show the omni selector's list, second entry under the pointer
};

// Writes the panel as a PNG to `path`; false with a message on failure.
bool writePreview(const PreviewOptions& options, const std::string& path, std::string& error);

}  // namespace artwork
