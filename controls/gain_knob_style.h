#pragma once
// What every gain knob of the editor shares: the filmstrip knob itself and the font of
// its value readout.

#include "controls/custom_anim_knob.h"
#include "toolkit/controls/cparamdisplay.h"

namespace lobeshift {

// A knob drawn from "poti.png", 31 frames of 24 pixels; the caller owns the one reference.
VSTGUI::CustomAnimKnob* makeGainKnob(const VSTGUI::CRect& size, VSTGUI::CControlListener* listener,
                                     int32_t tag);
// "Verdana" at 10 points, plain.
void setReadoutFont(VSTGUI::CParamDisplay* label);

}  // namespace lobeshift
