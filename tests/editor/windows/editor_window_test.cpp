// Windows: the real bundle of this test's build, its editor opened in a host's top-level
// window (attached with its HWND) under Wine and used as a user would, with pointer, wheel
// and keys through Windows' input queue (SendInput). What the window shows is compared with
// the offscreen rendering of the default setting committed in docs/ (drawn by the Linux
// editor-snapshot tool): the embedded fonts and bitmaps make it the same on both systems.

#include <string>

#include "tests/editor/editor_window_fixture.h"
#include "tests/editor/png_picture.h"

namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;
using editor_test::EditorWindowTest;
using editor_test::plainOf;
using host::Rgb;

// Writes a capture as a PNG, to look at what the window showed.
void writePng(const host::Screenshot& shot, const std::string& path) {
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, shot.width, shot.height);
  unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  for (int y = 0; y < shot.height; ++y)
    for (int x = 0; x < shot.width; ++x) {
      const Rgb pixel = shot.at(x, y);
      *reinterpret_cast<std::uint32_t*>(data + y * stride + 4 * x) =
          (std::uint32_t{pixel.red} << 16) | (std::uint32_t{pixel.green} << 8) | pixel.blue;
    }
  cairo_surface_mark_dirty(image);
  cairo_surface_write_to_png(image, path.c_str());
  cairo_surface_destroy(image);
}

}  // namespace

TEST_F(EditorWindowTest, ShowsWhatTheOffscreenRenderingDraws) {
  openEditor();
  EXPECT_NE(window->editorWindow(), 0u) << "the editor made a child window in the host's";
  parkPointer();
  const host::Screenshot shown = window->capture();
  ASSERT_EQ(shown.width, 780);
  ASSERT_EQ(shown.height, 380);
  const host::Screenshot rendered = editor_test::readPng(LOBESHIFT_DEFAULT_PICTURE);
  ASSERT_EQ(rendered.width, 780) << LOBESHIFT_DEFAULT_PICTURE;
  const std::string written = LOBESHIFT_CAPTURE_FOLDER "/editor_window_shown.png";
  writePng(shown, written);
  EXPECT_LT(editor_test::differingShare(shown, rendered), 0.002) << "the window showed " << written;
}

TEST_F(EditorWindowTest, ClicksDragsWheelAndKeysEditTheirParameters) {
  setHostKnobMode(kLinearMode);
  openEditor();

  // The proximity switch, on and off by clicks; its picture changes with it.
  parkPointer();
  const Rgb before = window->capture().at(103, 336);
  window->click(103, 336);
  settle();
  EXPECT_EQ(plainOf(*plugin, kProximityCompensation), 1.0);
  EXPECT_TRUE(sawGesture(kProximityCompensation));
  parkPointer();
  EXPECT_NE(window->capture().at(103, 336), before);
  window->click(103, 336);
  settle();
  EXPECT_EQ(plainOf(*plugin, kProximityCompensation), 0.0);

  // A gain knob dragged up to its top, then the wheel, and a key to the knob the
  // pointer left focused.
  dragAndWheelTheFirstGainKnob();
  window->pressKey("Down");
  settle();
  EXPECT_NEAR(plainOf(*plugin, layout::kGainControls[0].parameter), 3.48, 1e-4);

  shiftClickAPreSolo();
}

TEST_F(EditorWindowTest, OpensAndClosesAgainAndLeavesNoWindowBehind) {
  for (int i = 0; i < 5; ++i) {
    openEditor();
    EXPECT_NE(window->editorWindow(), 0u);
    ASSERT_TRUE(window->remove().ok());
    settle(20);
    EXPECT_EQ(window->editorWindow(), 0u);
  }
}

TEST_F(EditorWindowTest, AnotherSystemsWindowIsRefused) {
  IPlugView* view = plugin->createView(ViewType::kEditor);
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(view->isPlatformTypeSupported(kPlatformTypeHWND), kResultTrue);
  EXPECT_NE(view->isPlatformTypeSupported(kPlatformTypeX11EmbedWindowID), kResultTrue);
  EXPECT_NE(
      view->attached(reinterpret_cast<void*>(window->hostWindow()), kPlatformTypeX11EmbedWindowID),
      kResultOk);
  view->release();
}
