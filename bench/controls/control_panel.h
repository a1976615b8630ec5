#pragma once
// A 780 x 380 panel holding every control of the editor's left columns with the
// editor's bitmaps (the stereo layout), and the mono build's gain frames and LEDs
// beside it, for timing full repaints and for looking at.

#include "toolkit/cframe.h"

namespace bench_controls {

// Builds the panel in an open offscreen frame; the caller closes the frame.
VSTGUI::CFrame* openControlPanel();

}  // namespace bench_controls
