// The real bundle's editor drawn at a factor in a host's window (X11 under a virtual X
// server, or Win32 under Wine), used with the system's own pointer and wheel events: the
// host's content scale before and after the editor is attached, the same gestures giving
// the same values at 100 % and 200 %, the zoom list by clicks, and factors that are none.

#include <cmath>
#include <cstdio>
#include <limits>

#include "plots/frequency_axis.h"
#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"
#include "tests/editor/editor_window_fixture.h"
#include "user_settings_folder.h"

namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;
using editor_test::EditorWindowTest;
using editor_test::plainOf;
using host::Key;

constexpr int kGraphLeft = 181, kGraphTop = 54;

struct Scaling {
  double factor;
  bool beforeAttach;  // the host sets its factor before attaching the view
};

// The mean absolute difference in grey levels between what a window shows at 200 %, each
// 2 x 2 block averaged, and what it shows at 100 %.
double meanDifferenceReduced(const host::Screenshot& twice, const host::Screenshot& once) {
  auto grey = [](host::Rgb c) { return (c.red + c.green + c.blue) / 3.0; };
  double sum = 0;
  for (int y = 0; y < once.height; ++y)
    for (int x = 0; x < once.width; ++x) {
      const double reduced =
          (grey(twice.at(2 * x, 2 * y)) + grey(twice.at(2 * x + 1, 2 * y)) +
           grey(twice.at(2 * x, 2 * y + 1)) + grey(twice.at(2 * x + 1, 2 * y + 1))) /
          4;
      sum += std::abs(reduced - grey(once.at(x, y)));
    }
  return sum / (once.width * once.height);
}

class EditorWindowAtAFactor : public EditorWindowTest,
                              public ::testing::WithParamInterface<Scaling> {
 protected:
  void SetUp() override {
    test_support::useSettingsFolder(::testing::TempDir() + "editor_window_scale_settings");
    EditorWindowTest::SetUp();
  }
  void openScaled(double scale, bool beforeAttach) {
    factor = scale;
    IPlugView* view = plugin->createView(ViewType::kEditor);
    ASSERT_NE(view, nullptr);
    FUnknownPtr<IPlugViewContentScaleSupport> scaling(view);
    ASSERT_TRUE(scaling) << "the view takes the host's content scale";
    if (beforeAttach) {
      EXPECT_EQ(scaling->setContentScaleFactor(static_cast<float>(scale)), kResultTrue);
    }
    const auto attached = window->attach(view);
    view->release();
    ASSERT_TRUE(attached.ok()) << attached.error();
    if (!beforeAttach) {
      EXPECT_EQ(scaling->setContentScaleFactor(static_cast<float>(scale)), kResultTrue);
    }
    settle();
  }
  tresult setFactor(float factor) {
    FUnknownPtr<IPlugViewContentScaleSupport> scaling(window->view());
    return scaling ? scaling->setContentScaleFactor(factor) : kNoInterface;
  }
  std::pair<int32, int32> shownSize() {
    ViewRect size;
    window->view()->getSize(&size);
    return {size.getWidth(), size.getHeight()};
  }
};

TEST_P(EditorWindowAtAFactor, GesturesGiveTheValuesTheyGiveAtOneHundredPercent) {
  setHostKnobMode(kLinearMode);
  openScaled(GetParam().factor, GetParam().beforeAttach);
  const int width = at(780), height = at(380);
  if (factor != 1.0) {
    const ViewRect& asked = window->plugFrame().lastRequestedSize();
    EXPECT_EQ(asked.getWidth(), width);
    EXPECT_EQ(asked.getHeight(), height);
  }
  parkPointer();
  const host::Screenshot shown = window->capture();
  EXPECT_EQ(shown.width, width);
  EXPECT_EQ(shown.height, height);

  // The Mid handle dragged by (30, -20) panel pixels, then 50 more with Ctrl: a tenth of that.
  const double centreX = frequencyToX(1000.0), centreY = 2 + 0.5 * (290 - 4);
  const double x = kGraphLeft + std::lround(centreX), y = kGraphTop + std::lround(centreY);
  window->drag(at(x), at(y), at(x + 30), at(y - 20));
  settle();
  window->drag(at(x + 30), at(y - 20), at(x + 80), at(y - 20), {Key::kControl});
  settle();
  // The handle's height came back from the controller after the first drag, through the
  // mapping from a type to a height (2 to 288), and stayed there.
  const float movedX = static_cast<float>(centreX) + 30.f + 5.f;
  const double firstType = 1.0 - (centreY - 20.0 - 3.0) / (290.0 - 6.0);
  const double echoedY = 2 + (1 - firstType) * (290.0 - 4.0);
  EXPECT_NEAR(plainOf(*plugin, kMidFrequency), xToFrequency(movedX), 0.05);
  EXPECT_NEAR(plainOf(*plugin, kMidType), 1.0 - (echoedY - 3.0) / (290.0 - 6.0), 1e-4);

  dragAndWheelTheFirstGainKnob();
  shiftClickAPreSolo();
  const VSTGUI::CRect& selector = layout::kEightSelector;
  window->drag(at(selector.left + 28), at(selector.top + 8), at(selector.left + 28),
               at(selector.top + 5 + 2 * 16 + 8));
  settle();
  EXPECT_EQ(plainOf(*plugin, kMicEightType), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Scalings, EditorWindowAtAFactor,
                         ::testing::Values(Scaling{1.0, false}, Scaling{2.0, true},
                                           Scaling{2.0, false}),
                         [](const ::testing::TestParamInfo<Scaling>& info) {
                           return "Percent" + std::to_string(std::lround(info.param.factor * 100)) +
                                  (info.param.beforeAttach ? "SetBeforeAttach" : "SetAfterAttach");
                         });

using EditorWindowZoom = EditorWindowAtAFactor;

TEST_F(EditorWindowZoom, TheZoomListPicksAZoomByClicksAndTheWindowFollows) {
  openScaled(1.0, false);
  parkPointer();
  const host::Screenshot once = window->capture();
  window->click(400, 30, {}, 3);  // a right-click on the title bar
  settle();
  // The list opens where the pointer is: its third entry down is 150 %, its fifth 200 %.
  window->click(400 + 20, 30 + 4 + 4 * 18 + 9);
  settle();
  EXPECT_EQ(shownSize(), (std::pair<int32, int32>{1560, 760}));
  EXPECT_EQ(window->plugFrame().lastRequestedSize().getWidth(), 1560);
  factor = 2.0;
  parkPointer();
  // The whole window shows the panel drawn at 200 %, not the 100 % picture in a corner.
  const host::Screenshot twice = window->capture();
  ASSERT_EQ(twice.width, 1560);
  ASSERT_EQ(twice.height, 760);
  const double difference = meanDifferenceReduced(twice, once);
  std::printf("the window at 200 %%, reduced, against it at 100 %%: %.3f of 255\n", difference);
  EXPECT_LT(difference, 4.0);

  window->click(at(400), at(30), {}, 3);
  settle();
  window->click(at(400 + 20), at(30 + 4 + 0 * 18 + 9));  // 100 %
  settle();
  EXPECT_EQ(shownSize(), (std::pair<int32, int32>{780, 380}));
  EXPECT_TRUE(plugin->componentHandler().edits().empty()) << "no parameter is touched";
}

TEST_F(EditorWindowZoom, FactorsThatAreNoneLeaveAWorkingEditorAtASaneSize) {
  openScaled(1.0, false);
  EXPECT_EQ(setFactor(std::numeric_limits<float>::quiet_NaN()), kResultFalse);
  EXPECT_EQ(shownSize(), (std::pair<int32, int32>{780, 380}));
  EXPECT_EQ(setFactor(100.f), kResultTrue);
  settle();
  EXPECT_EQ(shownSize(), (std::pair<int32, int32>{3120, 1520}));
  for (float none : {0.f, -1.f}) {
    EXPECT_EQ(setFactor(none), kResultTrue);
    settle();
    EXPECT_EQ(shownSize(), (std::pair<int32, int32>{780, 380}));
  }
  window->click(103, 336);  // the proximity switch still answers
  settle();
  EXPECT_EQ(plainOf(*plugin, kProximityCompensation), 1.0);
}

}  // namespace
