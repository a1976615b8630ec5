#pragma once
// The embedded bitmaps come in two resolutions: "name.png" drawn for one device pixel per
// unit, and "name_2x.png", the same drawing at twice the resolution, for frames drawn at a
// device scale above 1. This is the one place that names the second.

#include <string>

namespace VSTGUI {

constexpr double kDoubleResolution = 2.0;

// "back.png" -> "back_2x.png"; a name without an extension gains "_2x".
inline std::string doubleResolutionName(const std::string& name) {
  const std::string::size_type dot = name.rfind('.');
  if (dot == std::string::npos) return name + "_2x";
  return name.substr(0, dot) + "_2x" + name.substr(dot);
}

}  // namespace VSTGUI
