#pragma once
// The colours of the artwork: a light, calm theme. It is light because the editor
// draws its own texts dark on top of the bitmaps (the drag hint in the graph, the
// gain value of the mono build, the knob readouts) and its plot lines in greys and
// blues, which all need a bright ground to read.

#include "tools/artwork/canvas.h"

namespace artwork::palette {

// Window and panels.
constexpr Colour kWindow = rgb(0xCDD1D6);
constexpr Colour kWindowShade = rgb(0xBFC4CA);
constexpr Colour kPanel = rgb(0xE5E8EB);
constexpr Colour kPanelBorder = rgb(0xA9AFB7);
constexpr Colour kHeader = rgb(0x2B3036);
constexpr Colour kHeaderRule = rgb(0x4A525C);
constexpr Colour kHeaderText = rgb(0xF3F5F7);
constexpr Colour kHeaderDim = rgb(0x9BA4AE);

// Text on light ground.
constexpr Colour kText = rgb(0x2E343B);
constexpr Colour kTextDim = rgb(0x4F5762);
constexpr Colour kTextFaint = rgb(0x737B86);

// The frequency graph.
constexpr Colour kPlot = rgb(0xF8F9FA);
constexpr Colour kPlotBorder = rgb(0x8E959E);
constexpr Colour kGridMinor = rgb(0xE3E6EA);
constexpr Colour kGridMajor = rgb(0xC6CBD2);
constexpr Colour kGridCentre = rgb(0xAFB5BD);
constexpr Colour kPolarDisc = rgb(0xEEF1F4, 0.78);
constexpr Colour kPolarRing = rgb(0xC3C9D0);
constexpr Colour kPolarUnity = rgb(0x9EA6AF);

// The accent of the product (knob arcs, the brand mark).
constexpr Colour kAccent = rgb(0x2F7F8C);
constexpr Colour kAccentLight = rgb(0x58A9B5);

// The lines the plots draw, as the legend shows them.
constexpr Colour kCurveLine = rgb(0x7F7F7F);
constexpr Colour kFreeFieldLine = rgb(0x0000F0, 250 / 255.0);
constexpr Colour kDiffuseLine = rgb(0x3C3CC8, 160 / 255.0);
constexpr Colour kProximityLine = rgb(0x0C0C0C, 40 / 255.0);

// Meters and LEDs.
constexpr Colour kMeterWell = rgb(0x23272C);
constexpr Colour kMeterWellEdge = rgb(0x15181B);
constexpr Colour kSegmentGreen = rgb(0x47C75A);
constexpr Colour kSegmentAmber = rgb(0xF2BE22);
constexpr Colour kSegmentRed = rgb(0xF0443A);
constexpr Colour kSegmentUnlitGreen = rgb(0x31483A);
constexpr Colour kSegmentUnlitAmber = rgb(0x4D4630);
constexpr Colour kSegmentUnlitRed = rgb(0x4F3233);

// Buttons.
constexpr Colour kButtonTop = rgb(0xFAFBFC);
constexpr Colour kButtonBottom = rgb(0xDCE0E5);
constexpr Colour kButtonBorder = rgb(0x8F97A1);
constexpr Colour kSoloTop = rgb(0xFFD75E);
constexpr Colour kSoloBottom = rgb(0xF0AE1C);
constexpr Colour kSoloBorder = rgb(0xA57512);
constexpr Colour kSoloText = rgb(0x3A2A00);
constexpr Colour kLedOff = rgb(0x59636E);
constexpr Colour kLedOn = rgb(0x3FD16A);

}  // namespace artwork::palette
