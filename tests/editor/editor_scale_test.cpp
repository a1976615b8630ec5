// The editor of this test's build drawn at a factor, offscreen on a real edit controller:
// the sizes at every factor, the host's factors that are no factors, a 2x picture against
// the 1x one (its 2 x 2 average, and the detail the 1x grid cannot hold), and the zoom list
// a right-click opens.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "editor/editor_layout.h"
#include "editor/zoom_menu.h"
#include "editor_session_fixture.h"
#include "user_settings_folder.h"

namespace editor_test {
namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;
using VSTGUI::CColor;

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<double> grey;  // one value 0 to 255 per pixel
  double at(int x, int y) const { return grey[static_cast<std::size_t>(y * width + x)]; }
};

Picture pictureOf(editor_session::EditorSession& session) {
  Picture picture{session.pictureWidth(), session.pictureHeight(), {}};
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x) {
      const CColor c = session.pixel(x, y);
      picture.grey.push_back((c.red + c.green + c.blue) / 3.0);
    }
  return picture;
}

std::unique_ptr<editor_session::EditorSession> sessionAt(double scale) {
  auto opened = editor_session::EditorSession::open(scale);
  EXPECT_TRUE(opened.ok()) << opened.error();
  if (!opened.ok()) return nullptr;
  auto session = std::move(*opened);
  // A shaped curve and both responses: lines across the whole graph.
  session->setNormalized(kLowType, 1.0);
  session->setNormalized(kHighType, 0.0);
  return session;
}

// The mean absolute difference between a picture and a half-size one, over the rectangle
// (in the half-size picture's pixels), the larger one averaged over 2 x 2 pixels.
double meanDifferenceReduced(const Picture& large, const Picture& small, int left, int top,
                             int right, int bottom) {
  double sum = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) {
      const double reduced = (large.at(2 * x, 2 * y) + large.at(2 * x + 1, 2 * y) +
                              large.at(2 * x, 2 * y + 1) + large.at(2 * x + 1, 2 * y + 1)) /
                             4;
      sum += std::abs(reduced - small.at(x, y));
    }
  return sum / ((right - left) * (bottom - top));
}

// Detail finer than a half-resolution grid: the mean absolute difference between each pixel
// and the mean of its 2 x 2 block. A half-size picture enlarged by doubling has none.
double detailBeyondHalf(const Picture& picture, int left, int top, int right, int bottom) {
  double sum = 0;
  for (int y = top; y < bottom; y += 2)
    for (int x = left; x < right; x += 2) {
      const double a = picture.at(x, y), b = picture.at(x + 1, y), c = picture.at(x, y + 1),
                   d = picture.at(x + 1, y + 1);
      const double mean = (a + b + c + d) / 4;
      sum += std::abs(a - mean) + std::abs(b - mean) + std::abs(c - mean) + std::abs(d - mean);
    }
  return sum / ((right - left) * (bottom - top));
}

class EditorAtAFactor : public ::testing::TestWithParam<double> {};

TEST_P(EditorAtAFactor, HasItsExactSizeAndFillsItWhole) {
  const double factor = GetParam();
  auto session = sessionAt(factor);
  ASSERT_NE(session, nullptr);
  const int width = static_cast<int>(std::lround(780 * factor));
  const int height = static_cast<int>(std::lround(380 * factor));
  ViewRect size;
  ASSERT_EQ(session->view().getSize(&size), kResultOk);
  EXPECT_EQ(size.getWidth(), width);
  EXPECT_EQ(size.getHeight(), height);
  ASSERT_EQ(session->pictureWidth(), width);
  ASSERT_EQ(session->pictureHeight(), height);
  // The panel covers every pixel, to the last row and column, and nothing lies beyond.
  for (const auto& [x, y] :
       {std::pair{0, 0}, {width - 1, 0}, {0, height - 1}, {width - 1, height - 1}})
    EXPECT_EQ(session->pixel(x, y).alpha, 255) << x << ", " << y;
  EXPECT_EQ(session->pixel(width, height).alpha, 0);
}

INSTANTIATE_TEST_SUITE_P(Factors, EditorAtAFactor, ::testing::Values(1.25, 1.5, 2.0, 3.0),
                         [](const ::testing::TestParamInfo<double>& info) {
                           return "Percent" + std::to_string(std::lround(info.param * 100));
                         });

TEST(EditorAtTwice, IsTheOnceRenderingWithFinerDetail) {
  auto once = sessionAt(1.0);
  auto twice = sessionAt(2.0);
  ASSERT_NE(once, nullptr);
  ASSERT_NE(twice, nullptr);
  const Picture small = pictureOf(*once);
  const Picture large = pictureOf(*twice);
  const double whole = meanDifferenceReduced(large, small, 0, 0, 780, 380);
  std::printf("mean difference of the 2x picture reduced against the 1x one: %.3f of 255\n", whole);
  EXPECT_LT(whole, 4.0);

  // The graph, with its curves, legend and axis texts: the 2x picture holds detail that a
  // 1x picture enlarged cannot (it has none finer than its own pixels).
  const int left = 2 * 181, top = 2 * 40, right = 2 * 761, bottom = 2 * 370;
  const double detail = detailBeyondHalf(large, left, top, right, bottom);
  std::printf("detail finer than 1x pixels in the graph at 2x: %.3f of 255 (1x enlarged: 0)\n",
              detail);
  EXPECT_GT(detail, 1.0);
}

TEST(EditorContentScale, FactorsOutsideOneToFourAreClampedAndNonNumbersIgnored) {
  auto session = sessionAt(1.0);
  ASSERT_NE(session, nullptr);
  PlugIn_View& view = session->view();
  auto sizeOf = [&view] {
    ViewRect size;
    view.getSize(&size);
    return std::pair{size.getWidth(), size.getHeight()};
  };
  EXPECT_EQ(view.setContentScaleFactor(2.f), kResultTrue);
  EXPECT_EQ(sizeOf(), (std::pair{1560, 760}));
  EXPECT_EQ(view.setContentScaleFactor(std::numeric_limits<float>::quiet_NaN()), kResultFalse);
  EXPECT_EQ(view.setContentScaleFactor(std::numeric_limits<float>::infinity()), kResultFalse);
  EXPECT_EQ(sizeOf(), (std::pair{1560, 760}));
  EXPECT_EQ(view.setContentScaleFactor(100.f), kResultTrue);
  EXPECT_EQ(sizeOf(), (std::pair{3120, 1520}));
  EXPECT_EQ(session->pictureWidth(), 3120);
  for (float small : {0.f, -1.f}) {
    EXPECT_EQ(view.setContentScaleFactor(small), kResultTrue);
    EXPECT_EQ(sizeOf(), (std::pair{780, 380}));
  }
  EXPECT_EQ(session->pictureWidth(), 780);
  EXPECT_EQ(view.canResize(), kResultFalse);
}

// The zoom list, by clicks through the frame's routing. The settings file goes to a folder
// of the test's own.
class ZoomList : public EditorTest {
 protected:
  void SetUp() override {
    test_support::useSettingsFolder(::testing::TempDir() + "zoom_list_settings");
    EditorTest::SetUp();
  }
  void rightClick(double x, double y) {
    VSTGUI::CPoint where(x, y);
    frame().onMouseDown(where, VSTGUI::CButtonState(VSTGUI::kRButton));
    where = VSTGUI::CPoint(x, y);
    frame().onMouseUp(where, VSTGUI::CButtonState(0));
  }
};

TEST_F(ZoomList, ARightClickOnThePanelOpensItAndAClickPicksAZoom) {
  rightClick(400, 30);  // the title bar
  ZoomMenu* menu = session->view().zoomMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(frame().getModalView(), menu);
  const VSTGUI::CRect entry = menu->entryRect(2);  // 150 %
  click(entry.left + 10, entry.top + 9);
  EXPECT_EQ(session->view().zoomMenu(), nullptr);
  EXPECT_DOUBLE_EQ(session->controller().editorZoom(), 1.5);
  EXPECT_EQ(session->pictureWidth(), 1170);
  EXPECT_EQ(session->pictureHeight(), 570);
  EXPECT_TRUE(session->handler().edits().empty()) << "no parameter is touched";

  // A click beside the list closes it and changes nothing; so does Escape.
  rightClick(20, 370);
  ASSERT_NE(session->view().zoomMenu(), nullptr);
  click(770, 370);
  EXPECT_EQ(session->view().zoomMenu(), nullptr);
  rightClick(400, 30);
  VSTGUI::VstKeyCode escape;
  escape.virt = VSTGUI::VKEY_ESCAPE;
  EXPECT_EQ(frame().onKeyDown(escape), 1);
  EXPECT_EQ(session->view().zoomMenu(), nullptr);
  EXPECT_DOUBLE_EQ(session->controller().editorZoom(), 1.5);
}

TEST_F(ZoomList, AControlThatTakesRightClicksKeepsThem) {
  const layout::GainPlace& gain = layout::kGainControls[0];
  rightClick(gain.origin.x + (LOBESHIFT_STEREO ? 5 : 0) + 12, gain.origin.y + 12);
  EXPECT_EQ(session->view().zoomMenu(), nullptr);
}

}  // namespace
}  // namespace editor_test
