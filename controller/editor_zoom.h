#pragma once
// The zooms a user can choose for the editor, kept per instance in the controller's own
// state and, as the default for new instances, in the user's settings file.

#include <array>

namespace Steinberg::Vst {

constexpr double kDefaultEditorZoom = 1.0;
constexpr std::array<double, 7> kEditorZooms = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

// The zoom as a whole percentage (125 for 1.25), as stored.
constexpr int zoomPercent(double zoom) { return static_cast<int>(zoom * 100 + 0.5); }

// The zoom of a stored percentage, or false when it is not one of the choices.
inline bool zoomOfPercent(long percent, double& zoom) {
  for (double choice : kEditorZooms) {
    if (zoomPercent(choice) == percent) {
      zoom = choice;
      return true;
    }
  }
  return false;
}

// What keeps an instance's zoom for its editors (the edit controller): the editor asks it
// through this, so the editor's code does not depend on the controller's.
class EditorZoomKeeper {
 public:
  virtual double editorZoom() const = 0;
  // The user picked a zoom: kept, and shown by every open view (PlugIn_ViewTarget::updateZoom).
  virtual void chooseEditorZoom(double zoom) = 0;

 protected:
  virtual ~EditorZoomKeeper() = default;
};

}  // namespace Steinberg::Vst
