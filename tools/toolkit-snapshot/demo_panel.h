#pragma once
// A panel that shows every toolkit control in its typical states, built from the
// editor's embedded bitmaps.

#include "toolkit/vstgui.h"

namespace snapshot {

constexpr VSTGUI::CCoord kPanelWidth = 700;
constexpr VSTGUI::CCoord kPanelHeight = 400;

// Adds the demo views to an open frame of kPanelWidth x kPanelHeight and brings them
// into the states shown (a meter part-way through its fall, a splash opened).
void buildDemoPanel(VSTGUI::CFrame* frame);

}  // namespace snapshot
