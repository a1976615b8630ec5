#pragma once
// Where the editor puts its views, in pixels from the editor's top-left corner, for
// the build being compiled. The background artwork is drawn to match these places.

#include "controller/parameters.h"
#include "toolkit/crect.h"

namespace Steinberg::Vst::layout {

using VSTGUI::CCoord;
using VSTGUI::CPoint;
using VSTGUI::CRect;

constexpr int kEditorWidth = 780;
constexpr int kEditorHeight = 380;
constexpr int kIdleMilliseconds = 50;

constexpr int kMeterSegments = 17;
constexpr float kMeterDecreaseStep = 0.06f;
constexpr int kLevelCount = 2 * kPairCount;

// Shared by both builds.
constexpr CPoint kSoloFrameOrigin{8.5, 292};
constexpr CRect kFrequencyGraph{181, 54, 761, 344};
constexpr CRect kProximitySwitch{77, 328, 129, 345.5};
constexpr CRect kCreditsHotspot{642, 0, 770, 46};
constexpr CRect kHelpHotspot{0, 356, 60, 378};
constexpr CRect kOverlayArea{0, 0, kEditorWidth, kEditorHeight};
constexpr CRect kOmniSelector{10, 52, 66, 257};
constexpr CRect kEightSelector{79, 52, 135, 257};
constexpr int kSelectorEntries = 2;
constexpr CCoord kSelectorListTop = 5;
constexpr CCoord kSelectorLabelTop = 2;
constexpr int32_t kCreditsTag = 30;
constexpr int32_t kHelpTag = 31;

// Two meters, LEDs and knobs per column in the stereo build, one in the mono build.
// Meters are listed in the order of the level values they show.
#if LOBESHIFT_STEREO
constexpr CRect kPeakFrame{17, 73, 131, 86};
constexpr CCoord kPeakSpacing = 25;
struct GainPlace {
  CPoint origin;
  ParameterId parameter;
};
// In the order they are added: MicL omni, MicR omni, MicL eight, MicR eight.
constexpr GainPlace kGainControls[] = {{{9, 258}, kMicLOmniGain},
                                       {{35, 258}, kMicROmniGain},
                                       {{77, 258}, kMicLEightGain},
                                       {{103, 258}, kMicREightGain}};
// MicL omni, MicL eight, MicR omni, MicR eight: level value k belongs to gain 10 + k.
constexpr CRect kMeters[] = {
    {17, 86, 38, 257}, {85, 86, 106, 257}, {42, 86, 63, 257}, {110, 86, 131, 257}};
// The order in which the meters are added (left to right): entries of kMeters.
constexpr int kMeterAddOrder[] = {0, 2, 1, 3};
constexpr const char* kHelpBitmap = "helpStereo.png";
constexpr const char* kCreditsBitmap = "creditsStereo.png";
#else
constexpr CRect kPeakFrame{30, 73, 117, 86};
struct GainPlace {
  CPoint origin;
  ParameterId parameter;
};
constexpr GainPlace kGainControls[] = {{{10, 258}, kMicLOmniGain}, {{78, 258}, kMicLEightGain}};
constexpr CRect kMeters[] = {{30, 86, 51, 257}, {96, 86, 117, 257}};
constexpr int kMeterAddOrder[] = {0, 1};
constexpr const char* kHelpBitmap = "helpMono.png";
constexpr const char* kCreditsBitmap = "creditsMono.png";
#endif

static_assert(sizeof(kMeters) / sizeof(kMeters[0]) == kLevelCount);
static_assert(sizeof(kGainControls) / sizeof(kGainControls[0]) == kLevelCount);

}  // namespace Steinberg::Vst::layout
