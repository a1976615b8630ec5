#include "sdk/vstgui_editor.h"

#include <gtest/gtest.h>

#include <chrono>

#include "host/host_context.h"
#include "host/manual_clock.h"
#include "host/plug_frame.h"
#include "platform/diagnostics.h"
#include "toolkit/platform/linux/x11_run_loop.h"
#include "toolkit_fixture.h"

namespace {

using namespace Steinberg;
using namespace Steinberg::Vst;
using host::PlugFrame;
using toolkit_test::RecordingView;
using Log = std::vector<std::string>;

class RecordingController : public EditController {
 public:
  void editorAttached(EditorView*) override { log.push_back("controller attached"); }
  void editorRemoved(EditorView*) override { log.push_back("controller removed"); }
  Log log;
};

// An editor that opens its frame offscreen, so the tests need no display.
class OffscreenEditor : public VSTGUIEditor {
 public:
  explicit OffscreenEditor(RecordingController* controller)
      : VSTGUIEditor(controller), log_(&controller->log) {
    ViewRect size(0, 0, 200, 100);
    setRect(size);
    setIdleRate(50);
  }
  bool PLUGIN_API open(void* /*parent*/, const VSTGUI::PlatformType& type) override {
    if (frame) return false;
    log_->push_back(type == VSTGUI::kX11EmbedWindowID ? "open X11" : "open other");
    frame = new VSTGUI::CFrame(VSTGUI::CRect(0, 0, 200, 100), this);
    view = new RecordingView(VSTGUI::CRect(0, 0, 10, 10), VSTGUI::kRedCColor, nullptr, "view");
    frame->addView(view);
    return frame->open(nullptr, VSTGUI::kOffscreen);
  }
  void PLUGIN_API close() override {
    log_->push_back("close");
    if (frame) frame->close();
    frame = nullptr;
    view = nullptr;
  }
  VSTGUI::CFrame* currentFrame() const { return frame; }
  RecordingView* view = nullptr;

 private:
  Log* log_;
};

class EditorBase : public ::testing::Test {
 protected:
  void SetUp() override {
    controller = new RecordingController;
    editor = new OffscreenEditor(controller);
  }
  void TearDown() override {
    editor->release();
    controller->release();
  }
  void advance(int milliseconds) {
    clock.advance(std::chrono::milliseconds(milliseconds));
    runLoop.pump();
  }

  host::ManualClock clock;
  host::RunLoop runLoop{clock.clock()};
  PlugFrame plugFrame{&runLoop};
  RecordingController* controller = nullptr;
  OffscreenEditor* editor = nullptr;
};

TEST_F(EditorBase, OffersX11EmbeddingAtAFixedSize) {
  EXPECT_EQ(editor->isPlatformTypeSupported(kPlatformTypeX11EmbedWindowID), kResultTrue);
  EXPECT_EQ(editor->isPlatformTypeSupported(kPlatformTypeHWND), kResultFalse);
  EXPECT_EQ(editor->isPlatformTypeSupported(nullptr), kResultFalse);
  ViewRect size;
  EXPECT_EQ(editor->getSize(&size), kResultTrue);
  EXPECT_EQ(size.getWidth(), 200);
  EXPECT_EQ(size.getHeight(), 100);
  EXPECT_EQ(editor->canResize(), kResultFalse);
  EXPECT_EQ(editor->attached(reinterpret_cast<void*>(1), kPlatformTypeHWND), kResultFalse);
  EXPECT_EQ(editor->currentFrame(), nullptr);
}

TEST_F(EditorBase, AttachingOpensThenReportsAndRemovingClosesThenReports) {
  editor->setFrame(&plugFrame);
  ASSERT_EQ(editor->attached(reinterpret_cast<void*>(1), kPlatformTypeX11EmbedWindowID), kResultOk);
  EXPECT_TRUE(editor->isAttached());
  EXPECT_EQ(plugFrame.resizeRequests(), 0);  // the frame has the size the host was told
  EXPECT_EQ(editor->attached(reinterpret_cast<void*>(1), kPlatformTypeX11EmbedWindowID),
            kResultFalse);
  EXPECT_EQ(editor->removed(), kResultOk);
  EXPECT_EQ(controller->log,
            (Log{"open X11", "controller attached", "close", "controller removed"}));
  EXPECT_EQ(editor->currentFrame(), nullptr);
  editor->setFrame(nullptr);
}

TEST_F(EditorBase, TheIdleTimerRepaintsDirtyViewsThroughTheHostsRunLoop) {
  editor->setFrame(&plugFrame);
  ASSERT_EQ(editor->attached(reinterpret_cast<void*>(1), kPlatformTypeX11EmbedWindowID), kResultOk);
  RecordingView* view = editor->view;
  EXPECT_EQ(view->drawCount, 0);
  advance(49);
  EXPECT_EQ(view->drawCount, 0);
  advance(1);
  EXPECT_EQ(view->drawCount, 1);
  view->setDirty();
  advance(50);
  EXPECT_EQ(view->drawCount, 2);
  advance(50);
  EXPECT_EQ(view->drawCount, 2);  // clean views are left alone

  editor->setIdleRate(20);
  view->setDirty();
  advance(20);
  EXPECT_EQ(view->drawCount, 3);

  editor->removed();
  EXPECT_EQ(runLoop.timerCount(), 0u);
  editor->setFrame(nullptr);
}

TEST_F(EditorBase, TheHostsRunLoopAlsoServesThePluginsTimers) {
  editor->setFrame(&plugFrame);
  EXPECT_EQ(platform::activeRunLoop(), &runLoop);
  editor->setFrame(nullptr);
  EXPECT_EQ(platform::activeRunLoop(), nullptr);
}

TEST_F(EditorBase, TheHostContextsRunLoopServesTheEditorBeforeTheFrames) {
  // The host's main loop, offered by the context the controller was initialised with.
  host::HostContext context(u"Host", clock.clock());
  ASSERT_EQ(controller->initialize(&context), kResultOk);
  editor->setFrame(&plugFrame);
  ASSERT_EQ(editor->attached(reinterpret_cast<void*>(1), kPlatformTypeX11EmbedWindowID), kResultOk);
  EXPECT_EQ(context.runLoop().timerCount(), 1u);  // the idle timer
  EXPECT_EQ(runLoop.timerCount(), 0u);
  editor->removed();
  editor->setFrame(nullptr);
  EXPECT_EQ(context.runLoop().timerCount(), 0u);
  controller->terminate();
}

TEST_F(EditorBase, WithoutARunLoopAnX11WindowCannotBeServed) {
  // The offscreen test editor opens all the same; what matters is that the toolkit
  // has no run loop and the idle timer does not start.
  PlugFrame bareFrame(nullptr);
  editor->setFrame(&bareFrame);
  ASSERT_EQ(editor->attached(reinterpret_cast<void*>(1), kPlatformTypeX11EmbedWindowID), kResultOk);
  EXPECT_FALSE(VSTGUI::X11::RunLoop::get());
  EXPECT_EQ(runLoop.timerCount(), 0u);
  editor->removed();
  editor->setFrame(nullptr);
}

TEST_F(EditorBase, HostKeysAndWheelReachTheFrame) {
  class KeyView : public VSTGUI::CView {
   public:
    using CView::CView;
    int32_t onKeyDown(VSTGUI::VstKeyCode& code) override {
      last = code;
      return 1;
    }
    VSTGUI::VstKeyCode last;
  };
  editor->setFrame(&plugFrame);
  ASSERT_EQ(editor->attached(reinterpret_cast<void*>(1), kPlatformTypeX11EmbedWindowID), kResultOk);
  auto* keys = new KeyView(VSTGUI::CRect(50, 50, 60, 60));
  editor->currentFrame()->addView(keys);
  EXPECT_EQ(editor->onKeyDown(0, VSTGUI::VKEY_UP, 0), kResultFalse);  // no focus yet
  editor->currentFrame()->setFocusView(keys);
  EXPECT_EQ(editor->onKeyDown(0, VSTGUI::VKEY_UP, VSTGUI::MODIFIER_SHIFT), kResultTrue);
  EXPECT_EQ(keys->last.virt, VSTGUI::VKEY_UP);
  EXPECT_EQ(keys->last.modifier, VSTGUI::MODIFIER_SHIFT);
  EXPECT_EQ(editor->onKeyDown(u'a', 0, 0), kResultTrue);
  EXPECT_EQ(keys->last.character, 'a');
  EXPECT_EQ(keys->last.virt, 0);

  VSTGUI::CPoint where(5, 5);
  editor->currentFrame()->onMouseMoved(where, 0);
  EXPECT_EQ(editor->onWheel(1.f), kResultTrue);  // the recording view under the pointer takes it
  editor->removed();
  editor->setFrame(nullptr);
}

TEST_F(EditorBase, TheKnobModeIsTheHosts) {
  EXPECT_EQ(controller->setKnobMode(kLinearMode), kResultTrue);
  EXPECT_EQ(editor->getKnobMode(), VSTGUI::kLinearMode);
  controller->setKnobMode(kCircularMode);
  EXPECT_EQ(editor->getKnobMode(), VSTGUI::kCircularMode);
}

}  // namespace
