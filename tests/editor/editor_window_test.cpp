// The real bundle of this test's build, its editor opened in a host's X11 window under
// a virtual X server and used as a user would: pointer and keys through the X server's
// test extension, modifiers included. Every edit that reaches the host's component
// handler is recorded; what the window shows is compared with editor-snapshot's
// rendering of the same setting. Skips without a display (CTest runs it under xvfb-run).

#include "host/editor_window.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <string>
#include <thread>

#include "controller/parameters.h"
#include "editor/editor_layout.h"
#include "host/plugin_instance.h"
#include "plots/frequency_axis.h"
#include "pluginterfaces/gui/iplugviewcontentscalesupport.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "png_picture.h"
#include "tests/editor/editor_window_fixture.h"
#include "toolkit/vstkeycode.h"

namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;
using EditKind = host::ComponentHandler::EditKind;
using host::Key;
using host::Rgb;

constexpr int kLevels = 2 * kPairCount;
constexpr int kGraphLeft = 181, kGraphTop = 54;

std::string scratchPath(const std::string& name) {
  const char* folder = std::getenv("TMPDIR");
  return std::string(folder ? folder : "/tmp") + "/lobeshift_editor_window_" +
         std::to_string(LOBESHIFT_STEREO) + "_" + name;
}

// The snapshot tool's picture of a setting, or an empty one when it fails.
host::Screenshot snapshotOf(const std::string& arguments) {
  const std::string png = scratchPath("snapshot.png");
  const std::string command =
      std::string(EDITOR_SNAPSHOT) + " --out " + png + " " + arguments + " >/dev/null";
  if (std::system(command.c_str()) != 0) return host::Screenshot();
  return editor_test::readPng(png);
}

using editor_test::differingShare;
using editor_test::EditorWindowTest;
using editor_test::plainOf;

TEST_F(EditorWindowTest, ShowsWhatTheSnapshotToolDraws) {
  openEditor();
  parkPointer();
  const host::Screenshot shown = window->capture();
  ASSERT_EQ(shown.width, 780);
  ASSERT_EQ(shown.height, 380);
  EXPECT_LT(differingShare(shown, snapshotOf("")), 0.002);

  // Automation and a project load move every control to the values set.
  plugin->setParameter(kLowType, 1.0);
  plugin->setParameter(kHighType, 0.0);
  plugin->setParameter(kMidFrequency, plainToNormalized(kMidFrequency, 500.0));
  plugin->setParameter(kMicOmniType, 1.0);
  plugin->setParameter(kProximityCompensation, 1.0);
  plugin->setParameter(kSoloState, plainToNormalized(kSoloState, 5.0));
  plugin->setParameter(kMicLOmniGain, plainToNormalized(kMicLOmniGain, 3.0));
  settle();
  const std::string shaped =
      "--set 'Low Type=1' --set 'High Type=0' --set 'Mid Frequency=500 Hz' "
      "--set 'Mic Omni Type=1' --set 'Proximity Compensation=1' --set 'Solo State=5' --set '" +
      std::string(parameterTitle(kMicLOmniGain)) + "=3 dB'";
  EXPECT_LT(differingShare(window->capture(), snapshotOf(shaped)), 0.002);

  auto state = plugin->getState();
  ASSERT_TRUE(state.ok());
  const std::string statePath = scratchPath("state.bin");
  {
    FILE* file = std::fopen(statePath.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(state->data(), 1, state->size(), file);
    std::fclose(file);
  }
  std::vector<float> defaults(kParameterCount);
  for (ParamID id = 0; id < kParameterCount; ++id)
    defaults[id] = static_cast<float>(parameterNormalizedDefault(id));
  host::StateBytes defaultState(defaults.size() * sizeof(float));
  std::memcpy(defaultState.data(), defaults.data(), defaultState.size());
  ASSERT_TRUE(plugin->setState(defaultState).ok());
  settle();
  EXPECT_LT(differingShare(window->capture(), snapshotOf("")), 0.002);
  ASSERT_TRUE(plugin->setState(*state).ok());
  settle();
  EXPECT_LT(differingShare(window->capture(), snapshotOf("--state " + statePath)), 0.002);
}

// Above 100 % too, pixel for pixel, with a factor that puts the panel's edges between
// device pixels and a whole one.
TEST_F(EditorWindowTest, ShowsWhatTheSnapshotToolDrawsAtTheEditorsFactor) {
  for (const double scale : {1.25, 2.0}) {
    SCOPED_TRACE(scale);
    factor = scale;
    IPlugView* view = plugin->createView(ViewType::kEditor);
    ASSERT_NE(view, nullptr);
    FUnknownPtr<IPlugViewContentScaleSupport> scaling(view);
    ASSERT_TRUE(scaling);
    EXPECT_EQ(scaling->setContentScaleFactor(static_cast<float>(scale)), kResultTrue);
    const auto attached = window->attach(view);
    view->release();
    ASSERT_TRUE(attached.ok()) << attached.error();
    parkPointer();
    const host::Screenshot shown = window->capture();
    EXPECT_EQ(shown.width, at(780));
    EXPECT_EQ(shown.height, at(380));
    EXPECT_LT(differingShare(shown, snapshotOf("--scale " + std::to_string(scale))), 0.002);
    ASSERT_TRUE(window->remove().ok());
  }
}

TEST_F(EditorWindowTest, DraggingTheMidHandleSendsItsFrequencyAndType) {
  openEditor();
  const double centreX = frequencyToX(1000.0), centreY = 2 + 0.5 * (290 - 4);
  const int x = kGraphLeft + static_cast<int>(std::lround(centreX));
  const int y = kGraphTop + static_cast<int>(std::lround(centreY));
  window->drag(x, y, x + 30, y - 20);
  settle();
  ASSERT_TRUE(sawGesture(kMidFrequency));
  ASSERT_TRUE(sawGesture(kMidType));
  // The handle followed the pointer by (30, -20) from where the controller had put it.
  const float movedX = static_cast<float>(centreX) + 30.f;
  const float movedY = static_cast<float>(centreY) - 20.f;
  EXPECT_NEAR(plainOf(*plugin, kMidFrequency), xToFrequency(movedX), 0.05);
  EXPECT_NEAR(plainOf(*plugin, kMidType), 1.0 - (movedY - 3.0) / (290.0 - 6.0), 1e-4);
  EXPECT_TRUE(performsOf(kLowFrequency).empty());

  // With Shift the other two handles move along.
  plugin->componentHandler().clearRecord();
  window->drag(x + 30, y - 20, x + 40, y - 20, {Key::kShift});
  settle();
  EXPECT_TRUE(sawGesture(kLowFrequency));
  EXPECT_TRUE(sawGesture(kHighFrequency));
  EXPECT_FALSE(performsOf(kLowType).empty());

  // Alt-click puts it back on its defaults' place.
  plugin->componentHandler().clearRecord();
  const double shiftedX = centreX + 40;
  window->click(kGraphLeft + static_cast<int>(std::lround(shiftedX)), y - 20, {Key::kAlt});
  settle();
  EXPECT_NEAR(plainOf(*plugin, kMidFrequency), 1012.0, 1.0);
  EXPECT_NEAR(plainOf(*plugin, kMidType), 0.5, 0.01);
}

TEST_F(EditorWindowTest, KnobsSolosSelectorsAndTheSwitchEditTheirParameters) {
  setHostKnobMode(kLinearMode);
  openEditor();
  dragAndWheelTheFirstGainKnob();
  shiftClickAPreSolo();

  for (ParamID selector : {kMicOmniType, kMicEightType}) {
    const VSTGUI::CRect& rect =
        selector == kMicOmniType ? layout::kOmniSelector : layout::kEightSelector;
    const int sx = static_cast<int>(rect.left) + 28, sy = static_cast<int>(rect.top) + 8;
    for (int entry : {1, 0}) {
      window->drag(sx, sy, sx, static_cast<int>(rect.top) + 5 + (entry + 1) * 16 + 8);
      settle();
      EXPECT_EQ(plainOf(*plugin, selector), entry) << "selector " << selector;
    }
  }

  window->click(103, 336);
  settle();
  EXPECT_EQ(plainOf(*plugin, kProximityCompensation), 1.0);
  window->click(103, 336);
  settle();
  EXPECT_EQ(plainOf(*plugin, kProximityCompensation), 0.0);

  // Help and credits: shown over the whole panel by a click, hidden by the next.
  parkPointer();
  const Rgb plain = window->capture().at(400, 200);
  window->click(20, 366);
  settle();
  const Rgb help = window->capture().at(400, 200);
  EXPECT_NE(help, plain);
  window->click(400, 200);
  settle();
  EXPECT_EQ(window->capture().at(400, 200), plain);
  window->click(700, 20);
  settle();
  EXPECT_NE(window->capture().at(400, 200), plain);
  window->click(400, 200);
  settle();
  EXPECT_EQ(window->capture().at(400, 200), plain);
}

TEST_F(EditorWindowTest, KeysReachTheClickedKnobFromTheWindowAndFromTheHost) {
  openEditor();
  const layout::GainPlace& gain = layout::kGainControls[0];
  const auto [knobX, knobY] = firstGainKnobCentre();
  window->click(knobX, knobY);  // takes the keyboard focus, changes nothing
  settle();
  EXPECT_NEAR(plainOf(*plugin, gain.parameter), 0.0, 1e-6);
  window->pressKey("Up");  // into the editor's own X11 window
  settle();
  EXPECT_NEAR(plainOf(*plugin, gain.parameter), 1.2, 1e-4);
  // A host that takes the keyboard itself hands keys over through the view (its
  // virtual key codes and modifier bits number these keys as the toolkit does).
  EXPECT_EQ(window->view()->onKeyDown(0, VSTGUI::VKEY_UP, VSTGUI::MODIFIER_SHIFT), kResultTrue);
  EXPECT_NEAR(plainOf(*plugin, gain.parameter), 1.32, 1e-4);
  EXPECT_EQ(window->view()->onKeyDown(0, VSTGUI::VKEY_DOWN, 0), kResultTrue);
  EXPECT_NEAR(plainOf(*plugin, gain.parameter), 0.12, 1e-4);
  EXPECT_TRUE(sawGesture(gain.parameter));
}

TEST_F(EditorWindowTest, AFullScaleToneLightsTheMetersAndLeds) {
  openEditor();
  parkPointer();
  const int ledX = static_cast<int>(layout::kPeakFrame.left) + 10;
  const int ledY = static_cast<int>(layout::kPeakFrame.top) + 6;
  const int meterX = static_cast<int>(layout::kMeters[0].left) + 10;
  const int meterY = static_cast<int>(layout::kMeters[0].top) + 4;
  const Rgb ledUnlit = window->capture().at(ledX, ledY);
  const Rgb meterUnlit = window->capture().at(meterX, meterY);

  ASSERT_TRUE(plugin->setupProcessing(48000.0, 512).ok());
  ASSERT_TRUE(plugin->activate().ok());
  // A full-scale square wave on the first omni capsule (its peak is exactly 1), while
  // the level timer ticks through the run loop and the editor repaints.
  for (int block = 0; block < 20; ++block) {
    for (int i = 0; i < 512; ++i)
      plugin->buffers().inputChannel(0, 0)[i] = (i / 24) % 2 == 0 ? 1.0f : -1.0f;
    ASSERT_EQ(plugin->process(512), kResultOk);
    settle(15);
  }
  EXPECT_NE(window->capture().at(ledX, ledY), ledUnlit);
  EXPECT_NE(window->capture().at(meterX, meterY), meterUnlit);
  settle(120);  // the last peaks arrive; the LED stays lit
  EXPECT_NE(window->capture().at(ledX, ledY), ledUnlit);
  window->click(ledX, ledY);
  parkPointer();
  EXPECT_EQ(window->capture().at(ledX, ledY), ledUnlit);
}

TEST_F(EditorWindowTest, OpensAndClosesAgainAndAgainAndLeavesNothingBehind) {
  for (int i = 0; i < 100; ++i) {
    IPlugView* view = plugin->createView(ViewType::kEditor);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(window->attach(view).ok());
    view->release();
    window->pump(i % 10 == 0 ? 20 : 0);
    ASSERT_TRUE(window->remove().ok());
  }
  window->pump(20);
  EXPECT_EQ(window->editorWindow(), 0u);
  // The processor's level timer is the only registration left.
  EXPECT_EQ(plugin->runLoop().eventHandlerCount(), 0u);
  EXPECT_LE(plugin->runLoop().timerCount(), 1u);
}

TEST_F(EditorWindowTest, TwoInstancesShowTheirEditorsAtOnce) {
  auto module = host::Module::load(LOBESHIFT_BUNDLE);
  ASSERT_TRUE(module.ok());
  auto second = host::PluginInstance::create(*module);
  ASSERT_TRUE(second.ok());
  host::EditorWindow secondWindow(&(*second)->runLoop());
  openEditor();
  IPlugView* view = (*second)->createView(ViewType::kEditor);
  ASSERT_TRUE(secondWindow.attach(view).ok());
  view->release();
  (*second)->setParameter(kProximityCompensation, 1.0);
  secondWindow.pump(150);
  settle();
  EXPECT_NE(window->capture().at(103, 336), secondWindow.capture().at(103, 336));
  EXPECT_TRUE(secondWindow.remove().ok());
}

TEST_F(EditorWindowTest, ClosingWhileAudioRunsIsSafe) {
  ASSERT_TRUE(plugin->setupProcessing(48000.0, 256).ok());
  ASSERT_TRUE(plugin->activate().ok());
  std::atomic<bool> running{true};
  std::thread audio([&] {
    while (running.load()) plugin->process(256);
  });
  for (int i = 0; i < 10; ++i) {
    IPlugView* view = plugin->createView(ViewType::kEditor);
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(window->attach(view).ok());
    view->release();
    window->pump(60);  // level messages arrive while it is open
    ASSERT_TRUE(window->remove().ok());
  }
  running = false;
  audio.join();
}

TEST_F(EditorWindowTest, ABadParentOrOrderIsRefusedCleanly) {
  IPlugView* view = plugin->createView(ViewType::kEditor);
  ASSERT_NE(view, nullptr);
  EXPECT_NE(view->attached(nullptr, kPlatformTypeX11EmbedWindowID), kResultOk);
  EXPECT_NE(view->attached(reinterpret_cast<void*>(0x7ffffff), kPlatformTypeX11EmbedWindowID),
            kResultOk);
  EXPECT_NE(view->attached(reinterpret_cast<void*>(window->hostWindow()), "HWND"), kResultOk);
  view->removed();  // never attached
  ASSERT_TRUE(window->attach(view).ok());
  EXPECT_TRUE(window->remove().ok());
  view->removed();  // a second removal finds nothing to remove
  view->release();
  EXPECT_EQ(plugin->runLoop().eventHandlerCount(), 0u);
}

}  // namespace

namespace {

// A host whose context offers no run loop (only its editor's plug-in frame does): the
// processor's level timer rides the editor's run loop while the editor is open.
TEST(EditorWindowHostWithoutContextRunLoop, LevelsStillReachTheEditor) {
  if (!std::getenv("DISPLAY")) GTEST_SKIP() << "no X display";
  auto module = host::Module::load(LOBESHIFT_BUNDLE);
  ASSERT_TRUE(module.ok()) << module.error();
  auto context = std::make_shared<host::HostContext>();
  context->setOffersRunLoop(false);
  auto created = host::PluginInstance::create(*module, context);
  ASSERT_TRUE(created.ok()) << created.error();
  auto& plugin = *created;
  host::EditorWindow window(&plugin->runLoop());
  ASSERT_TRUE(window.ok()) << window.error();
  IPlugView* view = plugin->createView(ViewType::kEditor);
  ASSERT_NE(view, nullptr);
  ASSERT_TRUE(window.attach(view).ok());
  view->release();
  window.moveTo(layout::kEditorWidth + 20, layout::kEditorHeight + 20);
  window.pump(150);
  const int meterX = static_cast<int>(layout::kMeters[0].left) + 10;
  const int meterY = static_cast<int>(layout::kMeters[0].top) + 4;
  const Rgb unlit = window.capture().at(meterX, meterY);
  ASSERT_TRUE(plugin->setupProcessing(48000.0, 512).ok());
  ASSERT_TRUE(plugin->activate().ok());
  for (int block = 0; block < 20; ++block) {
    for (int i = 0; i < 512; ++i) plugin->buffers().inputChannel(0, 0)[i] = i % 2 ? 1.f : -1.f;
    ASSERT_EQ(plugin->process(512), kResultOk);
    window.pump(15);
  }
  EXPECT_NE(window.capture().at(meterX, meterY), unlit);
  EXPECT_TRUE(window.remove().ok());
  EXPECT_EQ(plugin->runLoop().eventHandlerCount(), 0u);
}

}  // namespace
