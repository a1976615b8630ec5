#include "editor/peak2_frame.h"

namespace Steinberg::Vst {

using namespace VSTGUI;

namespace {
constexpr CCoord kLedWidth = 21;
}  // namespace

Peak2Frame::Peak2Frame(const CRect& rect, CCoord spacing) : CViewContainer(rect) {
  const CCoord secondPair = spacing + (rect.getWidth() - 2 * spacing - kLedWidth);
  const CCoord offsets[] = {0, spacing, secondPair, secondPair + spacing};
  addLeds(offsets, 4);
}

Peak2Frame::Peak2Frame(const CRect& rect) : CViewContainer(rect) {
  const CCoord offsets[] = {0, rect.getWidth() - kLedWidth};
  addLeds(offsets, 2);
}

void Peak2Frame::addLeds(const CCoord* xOffsets, int32_t count) {
  setTransparency(true);
  auto* bitmap = new CBitmap("peakLED.png");
  // Two images stacked: one LED is the bitmap's width by half its height.
  const CCoord ledHeight = bitmap->isLoaded() ? bitmap->getHeight() / 2 : 13;
  for (int32_t i = 0; i < count; ++i) {
    auto* led =
        new CPeakLED(CRect(xOffsets[i], 0, xOffsets[i] + kLedWidth, ledHeight), this, 0, bitmap);
    led->setValue(led->getMin());
    leds_[i] = led;
    addView(led);
  }
  count_ = count;
  bitmap->forget();
}

CPeakLED* Peak2Frame::led(int32_t index) const {
  return index >= 0 && index < count_ ? leds_[index] : nullptr;
}

void Peak2Frame::setPeaks(const float* values) {
  if (!values) return;
  // The level layout lists each pair's capsules together; the LEDs go by capsule.
  constexpr int32_t kStereoLevelOfLed[] = {0, 2, 1, 3};
  for (int32_t i = 0; i < count_; ++i) {
    const float level = values[count_ == 4 ? kStereoLevelOfLed[i] : i];
    if (level >= 1.f) leds_[i]->setValue(leds_[i]->getMax());  // never unlit here: it latches
  }
}

void Peak2Frame::valueChanged(CControl* /*control*/) {
  for (int32_t i = 0; i < count_; ++i) leds_[i]->setValue(leds_[i]->getMin());
}

}  // namespace Steinberg::Vst
