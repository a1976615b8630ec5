#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "toolkit_fixture.h"

namespace {

using namespace toolkit_test;
using Log = std::vector<std::string>;

constexpr CColor kLit{0, 220, 0, 255};
constexpr CColor kUnlit{60, 60, 60, 255};

// A meter of 17 segments, 10 pixels each, lit from the bottom.
class Meter : public ::testing::Test {
 protected:
  void SetUp() override {
    CBitmap* on = solidBitmap(21, 170, kLit);
    CBitmap* off = solidBitmap(21, 170, kUnlit);
    meter = new CVuMeter(CRect(0, 0, 21, 170), on, off, 17, kVertical);
    on->forget();
    off->forget();
    meter->setDecreaseStepValue(0.06f);
    meter->setValue(0);
    frame->addView(meter);
  }
  // Segments are counted from the pixels, one sample in the middle of each.
  int litSegments() {
    int lit = 0;
    for (int segment = 0; segment < 17; ++segment) {
      const CColor colour = OffscreenPlatformFrame::of(frame.get())->getPixel(10, segment * 10 + 5);
      EXPECT_TRUE(colour == kLit || colour == kUnlit);
      if (colour == kLit) ++lit;
    }
    return lit;
  }
  int redrawAndCount() {
    frame->idle();
    return litSegments();
  }

  OffscreenFrame frame{CRect(0, 0, 30, 180)};
  CVuMeter* meter = nullptr;
};

TEST_F(Meter, HalfLevelLightsTheLowerEightOfSeventeenSegments) {
  meter->setValue(0.5f);
  EXPECT_EQ(redrawAndCount(), 8);
  EXPECT_EQ(frame.pixel(10, 89), kUnlit);
  EXPECT_EQ(frame.pixel(10, 90), kLit);
  EXPECT_EQ(frame.pixel(10, 169), kLit);
}

TEST_F(Meter, TheShownLevelFallsBySixHundredthsPerRedrawAndRisesAtOnce) {
  meter->setValue(0.5f);
  redrawAndCount();
  meter->setValue(0);
  const int expected[] = {7, 6, 5, 4, 3, 2, 1};  // 0.44, 0.38, 0.32, 0.26, 0.20, 0.14, 0.08
  for (int lit : expected) {
    EXPECT_EQ(redrawAndCount(), lit);
    EXPECT_TRUE(meter->isDirty());
  }
  EXPECT_NEAR(meter->getShownValue(), 0.08f, 1e-5);
  meter->setValue(0.3f);
  EXPECT_EQ(redrawAndCount(), 5);
  EXPECT_FLOAT_EQ(meter->getShownValue(), 0.3f);
  EXPECT_FALSE(meter->isDirty());
}

TEST_F(Meter, FromFullToSilenceTakesSeventeenRedraws) {
  meter->setValue(1);
  EXPECT_EQ(redrawAndCount(), 17);
  meter->setValue(0);
  for (int redraw = 1; redraw <= 16; ++redraw)
    ASSERT_GT(redrawAndCount(), 0) << "after redraw " << redraw;
  EXPECT_EQ(redrawAndCount(), 0);
  EXPECT_FALSE(meter->isDirty());
}

TEST_F(Meter, LevelsAreClampedToTheMetersRange) {
  meter->setValue(2.0f);
  EXPECT_EQ(meter->getValue(), 1.f);
  EXPECT_EQ(redrawAndCount(), 17);
  meter->setValue(-3.f);
  EXPECT_EQ(meter->getValue(), 0.f);
  meter->setValue(std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(meter->getValue(), 0.f);
}

TEST(MovieButton, ALeftClickFlipsTheValueReportsItAndShowsTheLowerImage) {
  Log log;
  RecordingEditor editor(&log);
  OffscreenFrame frame(CRect(0, 0, 100, 100), &editor);
  RecordingListener listener(&log);
  auto* bitmap = new CBitmap("stackedImages.png");
  auto* button = new CMovieButton(CRect(10, 10, 18, 18), &listener, 9, bitmap);
  bitmap->forget();
  frame->addView(button);
  EXPECT_EQ(frame.pixel(14, 14), kStackRed);

  CPoint where(14, 14);
  EXPECT_EQ(frame->platformOnMouseDown(where, kLButton),
            kMouseDownEventHandledButDontNeedMovedOrUpEvents);
  EXPECT_EQ(button->getValue(), 1.f);
  EXPECT_EQ(listener.lastValue, 1.f);
  EXPECT_EQ(log, (Log{"editor begin 9", "listener begin 9", "valueChanged 9", "editor end 9",
                      "listener end 9"}));
  EXPECT_EQ(frame.pixel(14, 14), kStackGreen);

  frame->platformOnMouseDown(where, kLButton);
  EXPECT_EQ(button->getValue(), 0.f);
  EXPECT_EQ(listener.valueChangedCount, 2);
  EXPECT_EQ(frame.pixel(14, 14), kStackRed);

  EXPECT_EQ(frame->platformOnMouseDown(where, kRButton), kMouseEventNotHandled);
  EXPECT_EQ(button->getValue(), 0.f);
  EXPECT_EQ(listener.valueChangedCount, 2);
}

TEST(MovieButton, AnImageHeightOtherThanTheViewsSelectsTheImageBelow) {
  OffscreenFrame frame;
  auto* bitmap = new CBitmap("stackedImages.png");
  auto* button = new CMovieButton(CRect(0, 0, 8, 4), nullptr, 0, 16, bitmap);
  bitmap->forget();
  button->setValue(1);
  frame->addView(button);
  EXPECT_EQ(frame.pixel(4, 2), kStackBlue);
}

TEST(SplashScreen, AClickShowsTheBitmapOverItsAreaUntilTheNextClick) {
  Log log;
  OffscreenFrame frame;
  RecordingListener listener(&log);
  auto* bitmap = new CBitmap("stackedImages.png");
  auto* hotspot = new CSplashScreen(CRect(0, 0, 10, 10), nullptr, 30, bitmap, CRect(40, 40, 48, 48),
                                    CPoint(0, 8));
  bitmap->forget();
  auto* button = new CMovieButton(CRect(40, 40, 48, 48), &listener, 5, nullptr);
  frame->addView(hotspot);
  frame->addView(button);
  EXPECT_EQ(frame.pixel(5, 5), kBackground);  // the hotspot draws nothing itself
  EXPECT_EQ(frame.pixel(44, 44), kBackground);

  CPoint onHotspot(5, 5);
  EXPECT_EQ(frame->platformOnMouseDown(onHotspot, kLButton),
            kMouseDownEventHandledButDontNeedMovedOrUpEvents);
  EXPECT_TRUE(hotspot->isSplashed());
  EXPECT_EQ(hotspot->getValue(), 1.f);
  EXPECT_EQ(frame.pixel(44, 44), kStackGreen);  // on top of the button

  CPoint onButton(44, 44);
  frame->platformOnMouseDown(onButton, kLButton);  // hides the splash, nothing else
  EXPECT_FALSE(hotspot->isSplashed());
  EXPECT_EQ(hotspot->getValue(), 0.f);
  EXPECT_EQ(button->getValue(), 0.f);
  EXPECT_EQ(frame.pixel(44, 44), kBackground);

  frame->platformOnMouseDown(onButton, kLButton);
  EXPECT_EQ(button->getValue(), 1.f);
}

TEST(SplashScreen, ClosingTheFrameWhileSplashedReleasesEverything) {
  OffscreenFrame frame;
  auto* bitmap = new CBitmap("stackedImages.png");
  frame->addView(
      new CSplashScreen(CRect(0, 0, 10, 10), nullptr, 31, bitmap, CRect(0, 0, 100, 100)));
  bitmap->forget();
  CPoint where(5, 5);
  frame->platformOnMouseDown(where, kLButton);
  ASSERT_NE(frame->getModalView(), nullptr);
  frame.close();  // the sanitizer run checks that nothing leaks or is freed twice
}

TEST(TextLabel, ShowsItsTextOnItsBackgroundUnlessHiddenOrTransparent) {
  OffscreenFrame frame;
  auto* label = new CTextLabel(CRect(10, 10, 60, 26), "+6.00");
  label->setBackColor(CColor(180, 180, 180, 255));
  label->setFontColor(CColor(10, 10, 10, 255));
  label->setFrameColor(kRedCColor);
  frame->addView(label);
  EXPECT_EQ(frame.pixel(10, 10), kRedCColor);  // the frame around the back colour
  EXPECT_EQ(frame.pixel(12, 12), CColor(180, 180, 180, 255));
  int dark = 0;
  for (int x = 11; x < 59; ++x)
    for (int y = 11; y < 25; ++y) dark += frame.pixel(x, y).red < 90 ? 1 : 0;
  EXPECT_GT(dark, 20);
  EXPECT_STREQ(label->getText(), "+6.00");

  label->setStyle(kNoFrame);
  EXPECT_EQ(frame.pixel(10, 10), CColor(180, 180, 180, 255));
  label->setTransparency(true);
  label->setText("");
  label->invalid();
  EXPECT_EQ(frame.pixel(12, 12), kBackground);
  label->setTransparency(false);
  label->setVisible(false);
  EXPECT_EQ(frame.pixel(12, 12), kBackground);
  label->setVisible(true);
  EXPECT_EQ(frame.pixel(12, 12), CColor(180, 180, 180, 255));
}

TEST(Control, EditsReachTheFrameFirstAndThenTheListener) {
  Log log;
  RecordingEditor editor(&log, kLinearMode);
  OffscreenFrame frame(CRect(0, 0, 100, 100), &editor);
  RecordingListener listener(&log);
  auto* control = new CControl(CRect(0, 0, 10, 10), &listener, 42);
  frame->addView(control);
  control->beginEdit();
  EXPECT_TRUE(control->isEditing());
  control->valueChanged();
  control->endEdit();
  EXPECT_FALSE(control->isEditing());
  EXPECT_EQ(log, (Log{"editor begin 42", "listener begin 42", "valueChanged 42", "editor end 42",
                      "listener end 42"}));
  EXPECT_EQ(frame->getKnobMode(), kLinearMode);
}

TEST(Control, ValuesStayInRangeAndAChangedValueMakesTheControlDirty) {
  auto* control = new CControl(CRect(0, 0, 10, 10));
  EXPECT_EQ(control->getDefaultValue(), 0.5f);
  EXPECT_FLOAT_EQ(control->getWheelInc(), 0.1f);
  control->setMin(-6);
  control->setMax(6);
  control->setValue(9);
  EXPECT_EQ(control->getValue(), 6.f);
  control->setValueNormalized(0.25f);
  EXPECT_EQ(control->getValue(), -3.f);
  EXPECT_EQ(control->getValueNormalized(), 0.25f);
  control->setDirty(false);
  EXPECT_FALSE(control->isDirty());
  control->setValue(1);
  EXPECT_TRUE(control->isDirty());
  control->forget();
}

TEST(Control, WithoutAnEditorTheKnobModeIsCircular) {
  OffscreenFrame frame;
  EXPECT_EQ(frame->getKnobMode(), kCircularMode);
}

}  // namespace
