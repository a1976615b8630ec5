#include "controls/gain_knob_style.h"

namespace lobeshift {

using namespace VSTGUI;

CustomAnimKnob* makeGainKnob(const CRect& size, CControlListener* listener, int32_t tag) {
  constexpr int32_t kFrames = 31;
  constexpr CCoord kFrameHeight = 24;
  auto* filmstrip = new CBitmap("poti.png");
  auto* knob = new CustomAnimKnob(size, listener, tag, kFrames, kFrameHeight, filmstrip);
  filmstrip->forget();
  return knob;
}

void setReadoutFont(CParamDisplay* label) {
  auto* font = new CFontDesc("Verdana", 10, kNormalFace);
  label->setFont(font);
  font->forget();
}

}  // namespace lobeshift
