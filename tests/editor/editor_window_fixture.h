#pragma once
// The real bundle of this test's build (LOBESHIFT_BUNDLE), an instance of it and a host's
// editor window (host/editor_window.h) for it, with what the editor window tests ask of
// the host: the edits its component handler recorded and the controller's plain values.
// Skips without a display (CTest gives the tests one on both systems).

#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#include "controller/parameters.h"
#include "editor/editor_layout.h"
#include "host/editor_window.h"
#include "host/plugin_instance.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

namespace editor_test {

using namespace Steinberg;
using namespace Steinberg::Vst;
using EditKind = host::ComponentHandler::EditKind;

inline double plainOf(host::PluginInstance& plugin, Steinberg::Vst::ParamID id) {
  return normalizedToPlain(id, plugin.controller()->getParamNormalized(id));
}

class EditorWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display";
    // A static cairo (Windows) sets its locks up on its first pattern; the PNG reader needs
    // them.
    cairo_pattern_destroy(cairo_pattern_create_rgb(0, 0, 0));
    auto module = host::Module::load(LOBESHIFT_BUNDLE);
    ASSERT_TRUE(module.ok()) << module.error();
    auto created = host::PluginInstance::create(*module);
    ASSERT_TRUE(created.ok()) << created.error();
    plugin = std::move(*created);
    window = std::make_unique<host::EditorWindow>(&plugin->runLoop());
    ASSERT_TRUE(window->ok()) << window->error();
  }
  void TearDown() override {
    if (window) {
      EXPECT_TRUE(window->remove().ok());
    }
    window.reset();
    plugin.reset();
  }

  void openEditor() {
    IPlugView* view = plugin->createView(ViewType::kEditor);
    ASSERT_NE(view, nullptr) << "the controller hands out an editor";
    const auto attached = window->attach(view);
    view->release();
    ASSERT_TRUE(attached.ok()) << attached.error();
    settle();
  }
  // Lets the editor read its events and repaint, with the pointer parked outside.
  void settle(int milliseconds = 150) { window->pump(static_cast<std::uint32_t>(milliseconds)); }
  void parkPointer() {
    window->moveTo(at(layout::kEditorWidth + 20), at(layout::kEditorHeight + 20));
    settle();
  }
  // A point of the panel in the window's pixels, at the factor the editor is drawn at.
  int at(double panel) const { return static_cast<int>(std::lround(panel * factor)); }
  std::vector<host::ComponentHandler::Edit> performsOf(ParamID id) {
    std::vector<host::ComponentHandler::Edit> found;
    for (const auto& edit : plugin->componentHandler().edits())
      if (edit.id == id && edit.kind == EditKind::kPerform) found.push_back(edit);
    return found;
  }
  bool sawGesture(ParamID id) {
    bool begun = false, performed = false, ended = false;
    for (const auto& edit : plugin->componentHandler().edits()) {
      if (edit.id != id) continue;
      if (edit.kind == EditKind::kBegin) begun = true;
      if (edit.kind == EditKind::kPerform) performed = begun && !ended;
      if (edit.kind == EditKind::kEnd) ended = performed;
    }
    return ended;
  }
  // The window point at the centre of the first gain knob.
  static std::pair<int, int> firstGainKnobCentre() {
    const layout::GainPlace& gain = layout::kGainControls[0];
    return {static_cast<int>(gain.origin.x) + (LOBESHIFT_STEREO ? 5 : 0) + 12,
            static_cast<int>(gain.origin.y) + 12};
  }
  // In linear knob mode: the first gain knob dragged up to its top, in one gesture,
  // then a notch of the wheel down, plain and with Shift (a finer step).
  void dragAndWheelTheFirstGainKnob() {
    const layout::GainPlace& gain = layout::kGainControls[0];
    const auto [knobX, knobY] = firstGainKnobCentre();
    window->drag(at(knobX), at(knobY), at(knobX), at(knobY - 100));
    settle();
    EXPECT_NEAR(plainOf(*plugin, gain.parameter), 6.0, 1e-4);
    EXPECT_TRUE(sawGesture(gain.parameter));
    window->wheel(at(knobX), at(knobY), -1);
    settle();
    EXPECT_NEAR(plainOf(*plugin, gain.parameter), 4.8, 1e-4);
    window->wheel(at(knobX), at(knobY), -1, {host::Key::kShift});
    settle();
    EXPECT_NEAR(plainOf(*plugin, gain.parameter), 4.68, 1e-4);
  }
  // Shift-click on a PRE solo button.
  void shiftClickAPreSolo() {
    const int soloX = static_cast<int>(layout::kSoloFrameOrigin.x) + 68 + 26;
    const int soloY = static_cast<int>(layout::kSoloFrameOrigin.y) + 9;
    window->click(at(soloX), at(soloY), {host::Key::kShift});
    settle();
    EXPECT_NEAR(plainOf(*plugin, kSoloState), 2.0, 1e-6);
  }
  void setHostKnobMode(KnobMode mode) {
    FUnknownPtr<IEditController2> controller2(plugin->controller());
    ASSERT_TRUE(controller2);
    controller2->setKnobMode(mode);
  }

  std::unique_ptr<host::PluginInstance> plugin;
  std::unique_ptr<host::EditorWindow> window;
  double factor = 1.0;  // the editor's, as the tests set it
};

}  // namespace editor_test
