#pragma once
// The latching peak LEDs above the level meters: an LED lights when its capsule's
// level reaches full scale and stays lit until the user clicks any of them, which
// clears them all.

#include "editor/cpeak_led.h"
#include "toolkit/cviewcontainer.h"

namespace Steinberg::Vst {

class Peak2Frame : public VSTGUI::CViewContainer, public VSTGUI::CControlListener {
 public:
  // Four LEDs (MicL omni, MicR omni, MicL eight, MicR eight): the pair of each capsule
  // `spacing` apart, the two pairs at the frame's edges.
  Peak2Frame(const VSTGUI::CRect& size, VSTGUI::CCoord spacing);
  // Two LEDs (omni, eight) at the frame's edges.
  explicit Peak2Frame(const VSTGUI::CRect& size);

  // Linear levels in the controller's level layout: four (MicL omni, MicL eight, MicR
  // omni, MicR eight) or two (omni, eight). Full scale or more lights an LED.
  void setPeaks(const float* values);

  void valueChanged(VSTGUI::CControl* control) override;

  int32_t ledCount() const { return count_; }
  VSTGUI::CPeakLED* led(int32_t index) const;

  CLASS_METHODS_NOCOPY(Peak2Frame, VSTGUI::CViewContainer)

 private:
  static constexpr int32_t kMaxLeds = 4;

  void addLeds(const VSTGUI::CCoord* xOffsets, int32_t count);

  int32_t count_ = 0;
  VSTGUI::CPeakLED* leds_[kMaxLeds] = {};
};

}  // namespace Steinberg::Vst
