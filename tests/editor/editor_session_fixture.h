#pragma once
// An edit controller of this test's build with its editor open offscreen (the
// snapshot tool's session), driven through the frame's own event routing, with
// helpers that read the editor's pixels and compare them with the embedded bitmaps.

#include <cairo.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "host/component_handler.h"
#include "toolkit/cbitmap.h"
#include "tools/editor-snapshot/editor_session.h"

namespace editor_test {

using host::ComponentHandler;
using EditKind = host::ComponentHandler::EditKind;

// The colour of one pixel of an embedded bitmap (premultiplied, as drawn when opaque).
inline VSTGUI::CColor bitmapPixel(const char* name, int x, int y) {
  VSTGUI::CBitmap bitmap(name);
  cairo_surface_t* surface = bitmap.getSurface();
  if (!surface) return VSTGUI::CColor(0, 0, 0, 0);
  cairo_surface_flush(surface);
  const unsigned char* row =
      cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface);
  const auto argb = *reinterpret_cast<const std::uint32_t*>(row + 4 * x);
  return VSTGUI::CColor((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF, (argb >> 24) & 0xFF);
}

// Colours equal within a small tolerance per channel (antialiased edges, rounding).
inline bool near(const VSTGUI::CColor& a, const VSTGUI::CColor& b, int tolerance = 3) {
  auto close = [tolerance](int x, int y) { return x - y <= tolerance && y - x <= tolerance; };
  return close(a.red, b.red) && close(a.green, b.green) && close(a.blue, b.blue);
}

class EditorTest : public ::testing::Test {
 public:
  void SetUp() override {
    auto opened = editor_session::EditorSession::open();
    ASSERT_TRUE(opened.ok()) << opened.error();
    session = std::move(*opened);
    session->handler().clearRecord();
  }

  VSTGUI::CFrame& frame() { return session->frame(); }
  VSTGUI::CColor pixel(int x, int y) { return session->pixel(x, y); }

  // A press and release at one place, as the frame routes them.
  void click(double x, double y, int32_t modifiers = 0) {
    VSTGUI::CPoint where(x, y);
    frame().onMouseMoved(where, VSTGUI::CButtonState(modifiers));
    where = VSTGUI::CPoint(x, y);
    frame().onMouseDown(where, VSTGUI::CButtonState(VSTGUI::kLButton | modifiers));
    where = VSTGUI::CPoint(x, y);
    frame().onMouseUp(where, VSTGUI::CButtonState(modifiers));
  }
  // A press, moves in 5-pixel steps, a release.
  void drag(double fromX, double fromY, double toX, double toY, int32_t modifiers = 0) {
    VSTGUI::CPoint where(fromX, fromY);
    frame().onMouseMoved(where, VSTGUI::CButtonState(modifiers));
    where = VSTGUI::CPoint(fromX, fromY);
    frame().onMouseDown(where, VSTGUI::CButtonState(VSTGUI::kLButton | modifiers));
    const int steps = 20;
    for (int i = 1; i <= steps; ++i) {
      where = VSTGUI::CPoint(fromX + (toX - fromX) * i / steps, fromY + (toY - fromY) * i / steps);
      frame().onMouseMoved(where, VSTGUI::CButtonState(VSTGUI::kLButton | modifiers));
    }
    where = VSTGUI::CPoint(toX, toY);
    frame().onMouseUp(where, VSTGUI::CButtonState(modifiers));
  }

  // The edits of one parameter that reached the host, in order.
  std::vector<ComponentHandler::Edit> editsOf(Steinberg::Vst::ParamID id) const {
    std::vector<ComponentHandler::Edit> found;
    for (const auto& edit : session->handler().edits())
      if (edit.id == id) found.push_back(edit);
    return found;
  }
  // Every perform of the record lies inside a begin/end of its parameter, and every
  // begin is ended.
  void expectBalancedGestures() const {
    std::vector<int> open(64, 0);
    for (const auto& edit : session->handler().edits()) {
      ASSERT_LT(edit.id, 64u);
      if (edit.kind == EditKind::kBegin) {
        EXPECT_EQ(open[edit.id], 0) << "a second begin of parameter " << edit.id;
        ++open[edit.id];
      } else if (edit.kind == EditKind::kEnd) {
        EXPECT_EQ(open[edit.id], 1) << "an end without begin of parameter " << edit.id;
        --open[edit.id];
      } else {
        EXPECT_EQ(open[edit.id], 1) << "a perform outside a gesture of parameter " << edit.id;
      }
    }
    for (std::size_t id = 0; id < open.size(); ++id) EXPECT_EQ(open[id], 0) << "parameter " << id;
  }

  std::unique_ptr<editor_session::EditorSession> session;
};

}  // namespace editor_test
