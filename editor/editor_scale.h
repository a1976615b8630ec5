#pragma once
// The factor the editor is drawn at: the host's content scale times the user's zoom,
// kept within 1 to 4, and the view's size at that factor, round(780 f) x round(380 f).

#include <algorithm>
#include <cmath>

#include "editor/editor_layout.h"
#include "toolkit/device_scale.h"

namespace Steinberg::Vst {

class EditorScale {
 public:
  static constexpr double kSmallest = 1.0;
  static constexpr double kLargest = 4.0;

  // A host's factor, clamped to 1 to 4; false, changing nothing, when it is not a number
  // or infinite.
  bool setHostFactor(double factor) {
    if (!std::isfinite(factor)) return false;
    hostFactor_ = std::clamp(factor, kSmallest, kLargest);
    return true;
  }
  void setUserZoom(double zoom) {
    if (std::isfinite(zoom) && zoom > 0) userZoom_ = zoom;
  }
  double hostFactor() const { return hostFactor_; }
  double userZoom() const { return userZoom_; }

  double factor() const { return std::clamp(hostFactor_ * userZoom_, kSmallest, kLargest); }
  int width() const { return VSTGUI::deviceExtent(layout::kEditorWidth, factor()); }
  int height() const { return VSTGUI::deviceExtent(layout::kEditorHeight, factor()); }

 private:
  double hostFactor_ = 1.0;
  double userZoom_ = 1.0;
};

}  // namespace Steinberg::Vst
