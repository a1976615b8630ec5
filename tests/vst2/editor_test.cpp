// The editor through the VST 2 entry, in a host's window (X11 or Win32) on a virtual X server:
// effEditOpen shows it, effEditIdle serves it (a VST 2 host has no run loop), a real
// click reaches the host as an automated edit, and effEditClose leaves nothing behind.

#include <chrono>
#include <set>
#include <thread>

#include "host/editor_window.h"
#include "user_settings_folder.h"
#include "vst2_fixture.h"

namespace vst2_test {
namespace {

using namespace Steinberg;

// What a VST 2 host does with the editor, in the shape our host window attaches:
// its size from effEditGetRect, attached = effEditOpen with the window, removed =
// effEditClose.
class Vst2EditorAsView : public IPlugView {
 public:
  explicit Vst2EditorAsView(host::Vst2Plugin& plugin) : plugin_(plugin) {}
  virtual ~Vst2EditorAsView() = default;

  tresult PLUGIN_API isPlatformTypeSupported(FIDString type) override {
    return std::strcmp(type, host::EditorWindow::platformType()) == 0 ? kResultTrue : kResultFalse;
  }
  tresult PLUGIN_API attached(void* parent, FIDString) override {
    return plugin_.dispatch(effEditOpen, 0, 0, parent) == 1 ? kResultOk : kResultFalse;
  }
  tresult PLUGIN_API removed() override {
    return plugin_.dispatch(effEditClose) == 1 ? kResultOk : kResultFalse;
  }
  tresult PLUGIN_API getSize(ViewRect* size) override {
    ERect* rect = nullptr;
    if (size == nullptr || plugin_.dispatch(effEditGetRect, 0, 0, &rect) == 0 || rect == nullptr)
      return kResultFalse;
    *size = ViewRect(rect->left, rect->top, rect->right, rect->bottom);
    return kResultOk;
  }
  tresult PLUGIN_API setFrame(IPlugFrame*) override { return kResultOk; }
  tresult PLUGIN_API onWheel(float) override { return kResultFalse; }
  tresult PLUGIN_API onKeyDown(char16, int16, int16) override { return kResultFalse; }
  tresult PLUGIN_API onKeyUp(char16, int16, int16) override { return kResultFalse; }
  tresult PLUGIN_API onSize(ViewRect*) override { return kResultFalse; }
  tresult PLUGIN_API onFocus(TBool) override { return kResultFalse; }
  tresult PLUGIN_API canResize() override { return kResultFalse; }
  tresult PLUGIN_API checkSizeConstraint(ViewRect*) override { return kResultFalse; }
  tresult PLUGIN_API queryInterface(const TUID, void** obj) override {
    *obj = nullptr;
    return kNoInterface;
  }
  uint32 PLUGIN_API addRef() override { return 1; }
  uint32 PLUGIN_API release() override { return 1; }

 private:
  host::Vst2Plugin& plugin_;
};

// The host's idle calls for a while, as its user-interface loop makes them.
void idle(host::Vst2Plugin& plugin, host::EditorWindow& window, int milliseconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  while (std::chrono::steady_clock::now() < end) {
    window.pump(0);
    plugin.dispatch(effEditIdle);
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

std::size_t distinctColours(const host::Screenshot& shot) {
  std::set<std::uint32_t> colours;
  for (const host::Rgb& pixel : shot.pixels)
    colours.insert((std::uint32_t{pixel.red} << 16) | (std::uint32_t{pixel.green} << 8) |
                   pixel.blue);
  return colours.size();
}

class Vst2Editor : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "no X display";
    plugin_ = runningVst2();
    ASSERT_TRUE(plugin_);
    if ((plugin_->effect()->flags & effFlagsHasEditor) == 0)
      GTEST_SKIP() << "this build has no editor";
    view_ = std::make_unique<Vst2EditorAsView>(*plugin_);
    window_ = std::make_unique<host::EditorWindow>(nullptr);  // a VST 2 host offers no run loop
    ASSERT_TRUE(window_->ok()) << window_->error();
  }
  void TearDown() override {
    if (window_) window_->remove();
  }

  std::unique_ptr<host::Vst2Plugin> plugin_;
  std::unique_ptr<host::EditorWindow> window_;
  std::unique_ptr<Vst2EditorAsView> view_;
};

TEST_F(Vst2Editor, OpensInTheHostsWindowAndShowsThePanel) {
  ASSERT_TRUE(window_->attach(view_.get()).ok());
  idle(*plugin_, *window_, 500);
  EXPECT_NE(window_->editorWindow(), 0u);
  const host::Screenshot shot = window_->capture();
  ASSERT_EQ(shot.width, 780);
  ASSERT_EQ(shot.height, 380);
  EXPECT_GT(distinctColours(shot), 50u) << "the window shows no panel";
  // A second open while open is no second editor.
  EXPECT_EQ(plugin_->dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(window_->hostWindow())),
            1);
}

TEST_F(Vst2Editor, AClickReachesTheHostAsAnAutomatedEdit) {
  ASSERT_TRUE(window_->attach(view_.get()).ok());
  idle(*plugin_, *window_, 300);
  plugin_->clearCalls();
  window_->click(103, 336);  // the proximity compensation switch
  idle(*plugin_, *window_, 300);
  const auto automated = plugin_->callsOf(audioMasterAutomate);
  ASSERT_FALSE(automated.empty()) << "the click did not reach the host";
  EXPECT_EQ(automated.back().index, static_cast<int>(kProximityCompensation));
  EXPECT_EQ(automated.back().opt, 1.0f);
  EXPECT_EQ(plugin_->getParameter(kProximityCompensation), 1.0f);
  // The processor has it too: the next chunk stores it.
  plugin_->render(distinctSignals(kInputChannels, kBlock), kBlock);
  EXPECT_EQ(valuesOf(plugin_->chunk())[kProximityCompensation], 1.0f);
}

class Vst2EditorZoom : public Vst2Editor {
 protected:
  void SetUp() override {
    test_support::useSettingsFolder(::testing::TempDir() + "vst2_editor_zoom_settings");
    Vst2Editor::SetUp();
  }
};

TEST_F(Vst2EditorZoom, AZoomPickedInTheEditorAsksTheHostToSizeItsWindow) {
  ASSERT_TRUE(window_->attach(view_.get()).ok());
  idle(*plugin_, *window_, 300);
  plugin_->clearCalls();
  window_->click(400, 30, {}, 3);  // a right-click on the title bar opens the zoom list
  idle(*plugin_, *window_, 200);
  window_->click(400 + 20, 30 + 4 + 4 * 18 + 9);  // its fifth entry: 200 %
  idle(*plugin_, *window_, 200);
  const auto asked = plugin_->callsOf(audioMasterSizeWindow);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked.back().index, 1560);
  EXPECT_EQ(asked.back().value, 760);
  ViewRect size;
  ASSERT_EQ(view_->getSize(&size), kResultOk);
  EXPECT_EQ(size.getWidth(), 1560);
  EXPECT_EQ(size.getHeight(), 760);
  EXPECT_TRUE(plugin_->callsOf(audioMasterAutomate).empty()) << "no parameter is touched";
}

TEST_F(Vst2Editor, FollowsAutomationWhileOpen) {
  ASSERT_TRUE(window_->attach(view_.get()).ok());
  idle(*plugin_, *window_, 300);
  const host::Screenshot before = window_->capture();
  plugin_->setParameter(kProximityCompensation, 1.0f);  // from the host, any thread
  idle(*plugin_, *window_, 300);
  EXPECT_NE(window_->capture().pixels, before.pixels);
}

// The level meters' column, left of the frequency graph, in both builds.
std::vector<host::Rgb> meterColumn(const host::Screenshot& shot) {
  std::vector<host::Rgb> pixels;
  for (int y = 86; y < 257; ++y) {
    for (int x = 17; x < 131; ++x) pixels.push_back(shot.at(x, y));
  }
  return pixels;
}

TEST_F(Vst2Editor, MetersMoveWithTheAudioOnTheWrappersRunLoop) {
  // The processor's level timer rides the run loop effEditIdle pumps: without it the
  // meters of a VST 2 host would never move.
  ASSERT_TRUE(window_->attach(view_.get()).ok());
  idle(*plugin_, *window_, 300);
  const auto silent = meterColumn(window_->capture());
  auto loud = distinctSignals(kInputChannels, 4 * kBlock);
  for (auto& channel : loud) {
    for (float& sample : channel) sample *= 1.8f;
  }
  for (int round = 0; round < 30; ++round) {
    plugin_->render(loud, kBlock);
    idle(*plugin_, *window_, 10);
  }
  EXPECT_NE(meterColumn(window_->capture()), silent) << "the meters did not move";
}

TEST_F(Vst2Editor, CloseLeavesNothingBehind) {
  ASSERT_TRUE(window_->attach(view_.get()).ok());
  idle(*plugin_, *window_, 200);
  ASSERT_TRUE(window_->remove().ok());
  EXPECT_EQ(window_->editorWindow(), 0u);
  EXPECT_EQ(plugin_->dispatch(effEditClose), 0);  // nothing left to close
  EXPECT_EQ(plugin_->dispatch(effEditIdle), 0);
  // Open and close again: the same editor comes back.
  ASSERT_TRUE(window_->attach(view_.get()).ok());
  idle(*plugin_, *window_, 200);
  EXPECT_NE(window_->editorWindow(), 0u);
  ASSERT_TRUE(window_->remove().ok());
  EXPECT_EQ(window_->editorWindow(), 0u);
}

TEST_F(Vst2Editor, ClosingTheEffectWithTheEditorOpenClosesTheEditor) {
  ASSERT_TRUE(window_->attach(view_.get()).ok());
  idle(*plugin_, *window_, 200);
  plugin_->close();
  EXPECT_EQ(window_->editorWindow(), 0u);
  window_->remove();  // the host's own clean-up after the fact: answered with zero
}

}  // namespace
}  // namespace vst2_test
