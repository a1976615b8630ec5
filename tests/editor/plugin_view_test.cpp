// The editor view of this test's build, open offscreen on a real edit controller:
// its size and lifecycle, the routing of parameter and level values to the controls,
// and the edits its controls send the host, every one inside a gesture.

#include <cmath>
#include <limits>

#include "editor/editor_layout.h"
#include "editor_session_fixture.h"

namespace editor_test {
namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;
using VSTGUI::CColor;

constexpr int kLevels = 2 * kPairCount;

// The middle of the first LED and of the top segment of the first meter (MicL omni,
// or the mono build's omni meter), and where the same points lie in their bitmaps.
const int kLedX = static_cast<int>(layout::kPeakFrame.left) + 10;
const int kLedY = static_cast<int>(layout::kPeakFrame.top) + 6;
const int kMeterX = static_cast<int>(layout::kMeters[0].left) + 10;
const int kMeterTopY = static_cast<int>(layout::kMeters[0].top) + 4;
const int kMeterBottomY = static_cast<int>(layout::kMeters[0].bottom) - 4;

bool ledLit(EditorTest& test) {
  return near(test.pixel(kLedX, kLedY), bitmapPixel("peakLED.png", 10, 13 + 6));
}
bool ledUnlit(EditorTest& test) {
  return near(test.pixel(kLedX, kLedY), bitmapPixel("peakLED.png", 10, 6));
}
bool meterTopLit(EditorTest& test) {
  return near(test.pixel(kMeterX, kMeterTopY), bitmapPixel("meterOn.png", 10, 4));
}
bool meterTopUnlit(EditorTest& test) {
  return near(test.pixel(kMeterX, kMeterTopY), bitmapPixel("meterOff.png", 10, 4));
}

void sendFirstLevel(EditorTest& test, float level) {
  float levels[kLevels] = {};
  levels[0] = level;
  ASSERT_TRUE(test.session->sendLevels(levels, kLevels).ok());
}

using PlugInView = EditorTest;

TEST_F(PlugInView, IsAFixed780By380PanelThatOpensOnce) {
  ViewRect size;
  ASSERT_EQ(session->view().getSize(&size), kResultOk);
  EXPECT_EQ(size.getWidth(), 780);
  EXPECT_EQ(size.getHeight(), 380);
  EXPECT_EQ(session->view().canResize(), kResultFalse);
  VSTGUI::CFrame* frame = &this->frame();
  const int32_t views = frame->getNbViews();
  EXPECT_FALSE(session->view().open(nullptr, VSTGUI::kOffscreen));
  EXPECT_EQ(&this->frame(), frame);
  EXPECT_EQ(this->frame().getNbViews(), views);
  // Frame, solo, peaks, the gains, the meters, graph, switch, two hotspots, two selectors.
  EXPECT_EQ(views, 2 + 2 * kLevels + 6);
}

TEST_F(PlugInView, FullScaleLightsTheMeterAndLatchesTheLed) {
  ASSERT_TRUE(ledUnlit(*this));
  ASSERT_TRUE(meterTopUnlit(*this));
  sendFirstLevel(*this, 0.999f);
  EXPECT_TRUE(ledUnlit(*this));
  sendFirstLevel(*this, 1.0f);
  EXPECT_TRUE(ledLit(*this));
  EXPECT_TRUE(meterTopLit(*this));
  sendFirstLevel(*this, 0.0f);
  EXPECT_TRUE(ledLit(*this)) << "the LED latches";
  // The meter falls by one step per redraw: its lowest segment is still lit after the
  // first, and the whole meter is dark in the end.
  auto bottomLit = [this] {
    return near(pixel(kMeterX, kMeterBottomY), bitmapPixel("meterOn.png", 10, 171 - 4));
  };
  EXPECT_TRUE(bottomLit());
  for (int i = 0; i < 20; ++i) session->idle();
  EXPECT_TRUE(meterTopUnlit(*this));
  EXPECT_FALSE(bottomLit());
  // A click on any LED clears them all.
  click(kLedX, kLedY);
  EXPECT_TRUE(ledUnlit(*this));
}

TEST_F(PlugInView, LevelsThatAreNoLevelsShowSilence) {
  for (float broken :
       {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(),
        -std::numeric_limits<float>::infinity(), -2.0f}) {
    sendFirstLevel(*this, broken);
    for (int i = 0; i < 20; ++i) session->idle();
    EXPECT_TRUE(ledUnlit(*this)) << broken;
    EXPECT_TRUE(meterTopUnlit(*this)) << broken;
  }
  sendFirstLevel(*this, 2.0f);
  EXPECT_TRUE(meterTopLit(*this)) << "a level above full scale fills the meter";
}

TEST_F(PlugInView, ParameterValuesMoveTheControls) {
  const CColor switchOff = pixel(103, 334);
  session->setNormalized(kProximityCompensation, 1.0);
  const CColor switchOn = pixel(103, 334);
  EXPECT_FALSE(near(switchOn, switchOff)) << "the proximity switch shows on";
  session->setNormalized(kProximityCompensation, 0.0);
  EXPECT_TRUE(near(pixel(103, 334), switchOff));

  // The selector shows the entry's label; 1.9 reads as entry 1.
  auto labelRow = [this] {
    std::vector<CColor> row;
    for (int x = 12; x < 64; ++x) row.push_back(pixel(x, 62));
    return row;
  };
  const auto first = labelRow();
  session->view().updateParameter(kMicOmniType, 1.9f);
  const auto second = labelRow();
  EXPECT_NE(first, second);
  session->setNormalized(kMicOmniType, 0.0);
  EXPECT_EQ(labelRow(), first);
  session->setNormalized(kMicOmniType, 1.0);
  EXPECT_EQ(labelRow(), second);
}

TEST_F(PlugInView, IgnoresTagsBeyondItsParametersAndEverythingOnceClosed) {
  session->view().updateParameter(kParameterCount, 1.0f);
  session->view().updateParameter(1000, 1.0f);
  session->view().updateLevels(12345, nullptr);
  session->close();
  EXPECT_FALSE(session->view().isOpen());
  // Values that still arrive, from the host or the processor, reach no control.
  session->setNormalized(kSoloState, 1.0);
  session->view().updateParameter(kMicOmniType, 1.0f);
  float levels[kLevels] = {1.f, 1.f};
  EXPECT_TRUE(session->sendLevels(levels, kLevels).ok());
  session->view().updateLevels(kLevelTag, levels);
  // Opened again, the panel starts afresh.
  EXPECT_TRUE(session->view().open(nullptr, VSTGUI::kOffscreen));
  session->controller().editorAttached(&session->view());
  EXPECT_TRUE(ledUnlit(*this));
  session->view().close();
  session->controller().editorRemoved(&session->view());
}

TEST_F(PlugInView, TheProximitySwitchIsOneGestureForTheHost) {
  click(103, 336);
  const auto edits = editsOf(kProximityCompensation);
  ASSERT_EQ(edits.size(), 3u);
  EXPECT_EQ(edits[0].kind, EditKind::kBegin);
  EXPECT_EQ(edits[1].kind, EditKind::kPerform);
  EXPECT_EQ(edits[1].value, 1.0);
  EXPECT_EQ(edits[2].kind, EditKind::kEnd);
  click(103, 336);
  EXPECT_EQ(editsOf(kProximityCompensation).back().kind, EditKind::kEnd);
  EXPECT_EQ(session->controller().getParamNormalized(kProximityCompensation), 0.0);
  expectBalancedGestures();
}

TEST_F(PlugInView, ASelectorPicksAModelInOneGesture) {
  // Press on the closed label, release on the second entry of the open list.
  const double left = layout::kEightSelector.left, top = layout::kEightSelector.top;
  drag(left + 20, top + 8, left + 20, top + 5 + 2 * 16 + 8);
  auto edits = editsOf(kMicEightType);
  ASSERT_EQ(edits.size(), 3u);
  EXPECT_EQ(edits[1].kind, EditKind::kPerform);
  EXPECT_EQ(normalizedToPlain(kMicEightType, edits[1].value), 1.0);
  EXPECT_EQ(
      normalizedToPlain(kMicEightType, session->controller().getParamNormalized(kMicEightType)),
      1.0);
  // Released on the header row: nothing changes and the host hears nothing.
  session->handler().clearRecord();
  drag(left + 20, top + 8, left + 20, top + 10);
  EXPECT_TRUE(session->handler().edits().empty());
  expectBalancedGestures();
}

TEST_F(PlugInView, ShiftClickOnTheRightPreButtonSolosBothPreSignals) {
  const double x = layout::kSoloFrameOrigin.x + 68 + 26, y = layout::kSoloFrameOrigin.y + 9;
  click(x, y, VSTGUI::kShift);
  const auto edits = editsOf(kSoloState);
  ASSERT_FALSE(edits.empty());
  EXPECT_NEAR(normalizedToPlain(kSoloState, session->controller().getParamNormalized(kSoloState)),
              2.0, 1e-6);
  expectBalancedGestures();
}

TEST_F(PlugInView, AGainKnobDragIsOneGestureAndReachesFullGain) {
  session->controller().setKnobMode(kLinearMode);
  // The first gain control's knob: 24 x 24, five pixels in from a DisplayKnob's left edge.
  const layout::GainPlace& place = layout::kGainControls[0];
  const double knobX = place.origin.x + (LOBESHIFT_STEREO ? 5 : 0) + 12;
  const double knobY = place.origin.y + 12;
  drag(knobX, knobY, knobX, knobY - 100);
  const auto edits = editsOf(place.parameter);
  ASSERT_GE(edits.size(), 3u);
  EXPECT_EQ(edits.front().kind, EditKind::kBegin);
  EXPECT_EQ(edits.back().kind, EditKind::kEnd);
  EXPECT_EQ(session->controller().getParamNormalized(place.parameter), 1.0) << "+6 dB";
  // One wheel step down is a gesture of its own: 1.2 dB.
  session->handler().clearRecord();
  VSTGUI::CPoint where(knobX, knobY);
  frame().onMouseMoved(where, VSTGUI::CButtonState(0));
  EXPECT_TRUE(frame().onWheel(VSTGUI::CPoint(knobX, knobY), -1.f, VSTGUI::CButtonState(0)));
  EXPECT_NEAR(
      normalizedToPlain(place.parameter, session->controller().getParamNormalized(place.parameter)),
      4.8, 1e-4);
  EXPECT_EQ(editsOf(place.parameter).size(), 3u);
  expectBalancedGestures();
}

TEST_F(PlugInView, HelpAndCreditsOverlaysShowAndHide) {
  const CColor before = pixel(400, 200);
  click(20, 366);  // the help hotspot
  const CColor help = pixel(400, 200);
  EXPECT_TRUE(near(help, bitmapPixel(layout::kHelpBitmap, 400, 200)));
  click(400, 200);  // any click hides it
  EXPECT_TRUE(near(pixel(400, 200), before));
  click(700, 20);  // the credits hotspot
  EXPECT_TRUE(near(pixel(400, 200), bitmapPixel(layout::kCreditsBitmap, 400, 200)));
  click(10, 10);
  EXPECT_TRUE(near(pixel(400, 200), before));
  EXPECT_TRUE(session->handler().edits().empty());
}

}  // namespace
}  // namespace editor_test
