// The latching peak LEDs: what lights them, that they stay lit, that a click clears
// them all, and the LED's own Return key, drawn with the editor's bitmap.

#include <gtest/gtest.h>

#include <limits>

#include "controls/controller_session.h"
#include "editor/peak2_frame.h"

namespace {

using namespace controls_test;
using Steinberg::Vst::Peak2Frame;
using Log = std::vector<std::string>;

const CRect kFrameSize(0, 0, 140, 40);

// The LEDs lit, as a string of 0 and 1 in LED order.
std::string lit(const Peak2Frame& peaks) {
  std::string pattern;
  for (int32_t i = 0; i < peaks.ledCount(); ++i) pattern += peaks.led(i)->isLit() ? '1' : '0';
  return pattern;
}

// The stereo frame where the editor puts it.
class StereoPeaks : public ::testing::Test {
 protected:
  StereoPeaks() {
    peaks = new Peak2Frame(CRect(17, 10, 131, 23), 25);
    frame->addView(peaks);
  }
  // Whether the LED at `x` (frame coordinates) shows its lit or its unlit image, by pixels.
  bool showsImage(CCoord x, bool lit) {
    const CRect area(x, 10, x + 21, 23);
    ReferenceImage image(kFrameSize, area, "peakLED.png", CPoint(0, lit ? 13 : 0));
    return sameRegion(frame, area, image.frame, area);
  }
  bool showsLit(CCoord x) { return showsImage(x, true); }
  bool showsUnlit(CCoord x) { return showsImage(x, false); }

  toolkit_test::OffscreenFrame frame{kFrameSize};
  Peak2Frame* peaks = nullptr;
};

TEST_F(StereoPeaks, FourLedsSitAboveTheMetersOfEachColumn) {
  ASSERT_EQ(peaks->ledCount(), 4);
  const CCoord expected[] = {0, 25, 68, 93};
  for (int32_t i = 0; i < 4; ++i) {
    EXPECT_EQ(peaks->led(i)->getViewSize(), CRect(expected[i], 0, expected[i] + 21, 13)) << i;
    EXPECT_TRUE(showsUnlit(17 + expected[i])) << i;
  }
  EXPECT_EQ(peaks->led(4), nullptr);
  EXPECT_EQ(peaks->led(-1), nullptr);
}

TEST_F(StereoPeaks, FullScaleLightsTheLedOfItsCapsuleAndItStaysLit) {
  const float almost[] = {0.999f, 0.999f, 0.999f, 0.999f};
  peaks->setPeaks(almost);
  EXPECT_EQ(lit(*peaks), "0000");
  // The levels come as MicL omni, MicL eight, MicR omni, MicR eight.
  const float micLEight[] = {0.f, 1.f, 0.f, 0.f};
  peaks->setPeaks(micLEight);
  EXPECT_EQ(lit(*peaks), "0010");
  EXPECT_TRUE(showsLit(17 + 68));
  const float micROmni[] = {0.f, 0.f, 2.f, 0.f};
  peaks->setPeaks(micROmni);
  EXPECT_EQ(lit(*peaks), "0110");
  const float quiet[] = {0.f, 0.f, 0.f, 0.f};
  peaks->setPeaks(quiet);
  EXPECT_EQ(lit(*peaks), "0110");
  EXPECT_TRUE(showsLit(17 + 25));
  EXPECT_TRUE(showsUnlit(17));
}

TEST_F(StereoPeaks, NoLevelFromTheControllerReadsOrLightsWrongly) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float odd[] = {nan, -std::numeric_limits<float>::infinity(), nan, 0.5f};
  peaks->setPeaks(odd);
  EXPECT_EQ(lit(*peaks), "0000");
  peaks->setPeaks(nullptr);
  const float loud[] = {std::numeric_limits<float>::infinity(), 1.f, 1.f, 1.f};
  peaks->setPeaks(loud);
  EXPECT_EQ(lit(*peaks), "1111");
}

TEST_F(StereoPeaks, AClickOnAnyLedClearsThemAll) {
  const float loud[] = {1.f, 1.f, 1.f, 0.f};
  peaks->setPeaks(loud);
  ASSERT_EQ(lit(*peaks), "1110");
  click(frame.get(), CPoint(17 + 93 + 5, 15));  // the one that is not lit
  EXPECT_EQ(lit(*peaks), "0000");
  for (CCoord x : {17, 42, 85, 110}) EXPECT_TRUE(showsUnlit(x)) << x;
  peaks->setPeaks(loud);
  click(frame.get(), CPoint(17 + 5, 15), kRButton);  // only the left button clears
  EXPECT_EQ(lit(*peaks), "1110");
  click(frame.get(), CPoint(17 + 5, 15));
  EXPECT_EQ(lit(*peaks), "0000");
}

TEST(MonoPeaks, TwoLedsAtTheFrameEdgesForOmniAndEight) {
  toolkit_test::OffscreenFrame frame(CRect(0, 0, 140, 40));
  auto* peaks = new Peak2Frame(CRect(30, 10, 117, 23));
  frame->addView(peaks);
  ASSERT_EQ(peaks->ledCount(), 2);
  EXPECT_EQ(peaks->led(0)->getViewSize(), CRect(0, 0, 21, 13));
  EXPECT_EQ(peaks->led(1)->getViewSize(), CRect(66, 0, 87, 13));
  const float eight[] = {0.5f, 1.f};
  peaks->setPeaks(eight);
  EXPECT_EQ(lit(*peaks), "01");
  const float omni[] = {1.f, 0.f};
  peaks->setPeaks(omni);
  EXPECT_EQ(lit(*peaks), "11");
  click(frame.get(), CPoint(35, 15));
  EXPECT_EQ(lit(*peaks), "00");
}

TEST(PeakLed, ReturnTogglesItAsOneEditAndOtherKeysAreNotHandled) {
  Log log;
  toolkit_test::RecordingListener listener(&log);
  toolkit_test::OffscreenFrame frame(CRect(0, 0, 40, 40));
  auto* bitmap = new CBitmap("peakLED.png");
  auto* led = new CPeakLED(CRect(5, 5, 26, 18), &listener, 0, bitmap);
  bitmap->forget();
  frame->addView(led);
  click(frame.get(), CPoint(10, 10));  // reports, changes nothing, takes the focus
  EXPECT_EQ(log, (Log{"valueChanged 0"}));
  EXPECT_FALSE(led->isLit());
  ASSERT_EQ(frame->getFocusView(), led);
  log.clear();
  EXPECT_EQ(key(frame.get(), VKEY_RETURN), 1);
  EXPECT_TRUE(led->isLit());
  EXPECT_EQ(log, (Log{"listener begin 0", "valueChanged 0", "listener end 0"}));
  EXPECT_EQ(key(frame.get(), VKEY_RETURN), 1);
  EXPECT_FALSE(led->isLit());
  EXPECT_EQ(key(frame.get(), VKEY_RETURN, MODIFIER_SHIFT), -1);
  EXPECT_EQ(key(frame.get(), VKEY_SPACE), -1);
  EXPECT_FALSE(led->isLit());
}

TEST(PeakLed, WithoutItsBitmapItDrawsNothingAndStillWorks) {
  Log log;
  toolkit_test::RecordingListener listener(&log);
  toolkit_test::OffscreenFrame frame(CRect(0, 0, 40, 40));
  auto* led = new CPeakLED(CRect(5, 5, 26, 18), &listener, 0, nullptr);
  frame->addView(led);
  led->setValue(1);
  EXPECT_EQ(frame.pixel(10, 10), toolkit_test::kBackground);
  click(frame.get(), CPoint(10, 10));
  EXPECT_EQ(listener.valueChangedCount, 1);
}

}  // namespace
