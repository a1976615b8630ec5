#pragma once
// Helpers for toolkit tests: an offscreen frame to render into and read pixels from,
// views that record what happens to them, and small bitmaps drawn in code.

#include <functional>
#include <string>
#include <vector>

#include "toolkit/platform/offscreen_frame.h"
#include "toolkit/vstgui.h"

namespace toolkit_test {

using namespace VSTGUI;

inline constexpr CColor kBackground{0, 0, 40, 255};

// An open offscreen frame, closed again at the end of the test.
class OffscreenFrame {
 public:
  explicit OffscreenFrame(const CRect& size = CRect(0, 0, 100, 100),
                          VSTGUIEditorInterface* editor = nullptr)
      : frame_(new CFrame(size, editor)) {
    frame_->setBackgroundColor(kBackground);
    frame_->open(nullptr, kOffscreen);
  }
  ~OffscreenFrame() {
    if (frame_) frame_->close();
  }
  OffscreenFrame(const OffscreenFrame&) = delete;
  OffscreenFrame& operator=(const OffscreenFrame&) = delete;

  CFrame* operator->() const { return frame_; }
  CFrame* get() const { return frame_; }
  // Repaints what is dirty or invalid, then reads one pixel.
  CColor pixel(int x, int y) {
    frame_->idle();
    return OffscreenPlatformFrame::of(frame_)->getPixel(x, y);
  }
  void close() {
    frame_->close();
    frame_ = nullptr;
  }

 private:
  CFrame* frame_;
};

// A view whose drawing is given as a function of the context and its own rectangle.
class PaintedView : public CView {
 public:
  using Paint = std::function<void(CDrawContext*, const CRect&)>;
  PaintedView(const CRect& size, Paint paint) : CView(size), paint_(std::move(paint)) {}
  void draw(CDrawContext* context) override {
    ++drawCount;
    if (paint_) paint_(context, getViewSize());
    setDirty(false);
  }
  int drawCount = 0;

 private:
  Paint paint_;
};

// A view filled with one colour that records the mouse events it gets.
class RecordingView : public CView {
 public:
  RecordingView(const CRect& size, const CColor& colour, std::vector<std::string>* log,
                std::string name, CMouseEventResult downResult = kMouseEventHandled)
      : CView(size), colour_(colour), log_(log), name_(std::move(name)), downResult_(downResult) {}
  ~RecordingView() override {
    if (destroyed) *destroyed = true;
  }
  void draw(CDrawContext* context) override {
    ++drawCount;
    context->setFillColor(colour_);
    context->drawRect(getViewSize(), kDrawFilled);
    setDirty(false);
  }
  CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override {
    record("down", where, buttons);
    return downResult_;
  }
  CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override {
    record("moved", where, buttons);
    return kMouseEventHandled;
  }
  CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override {
    record("up", where, buttons);
    return kMouseEventHandled;
  }
  CMouseEventResult onMouseEntered(CPoint& where, const CButtonState& buttons) override {
    record("entered", where, buttons);
    return kMouseEventHandled;
  }
  CMouseEventResult onMouseExited(CPoint& where, const CButtonState& buttons) override {
    record("exited", where, buttons);
    return kMouseEventHandled;
  }
  bool onWheel(const CPoint& where, const float& distance, const CButtonState& buttons) override {
    CPoint at(where);
    record(distance > 0 ? "wheel+" : "wheel-", at, buttons);
    return true;
  }

  int drawCount = 0;
  bool* destroyed = nullptr;
  CPoint lastWhere;
  CButtonState lastButtons;

 private:
  void record(const char* what, const CPoint& where, const CButtonState& buttons) {
    lastWhere = where;
    lastButtons = buttons;
    if (log_) log_->push_back(name_ + " " + what);
  }

  CColor colour_;
  std::vector<std::string>* log_;
  std::string name_;
  CMouseEventResult downResult_;
};

// A control listener that writes what it is told into a log.
class RecordingListener : public CControlListener {
 public:
  explicit RecordingListener(std::vector<std::string>* log) : log_(log) {}
  void valueChanged(CControl* control) override {
    ++valueChangedCount;
    lastValue = control->getValue();
    log_->push_back("valueChanged " + std::to_string(control->getTag()));
  }
  void controlBeginEdit(CControl* control) override {
    log_->push_back("listener begin " + std::to_string(control->getTag()));
  }
  void controlEndEdit(CControl* control) override {
    log_->push_back("listener end " + std::to_string(control->getTag()));
  }
  int valueChangedCount = 0;
  float lastValue = -1;

 private:
  std::vector<std::string>* log_;
};

// An editor interface that writes the frame's edit notifications into a log.
class RecordingEditor : public VSTGUIEditorInterface {
 public:
  explicit RecordingEditor(std::vector<std::string>* log, int32_t knobMode = -1)
      : log_(log), knobMode_(knobMode) {}
  void beginEdit(int32_t index) override {
    log_->push_back("editor begin " + std::to_string(index));
  }
  void endEdit(int32_t index) override { log_->push_back("editor end " + std::to_string(index)); }
  int32_t getKnobMode() const override { return knobMode_; }

 private:
  std::vector<std::string>* log_;
  int32_t knobMode_;
};

// A bitmap of one colour, drawn in code.
inline CBitmap* solidBitmap(CCoord width, CCoord height, const CColor& colour) {
  COffscreenContext* context = COffscreenContext::create(nullptr, width, height);
  context->setFillColor(colour);
  context->drawRect(CRect(0, 0, width, height), kDrawFilled);
  CBitmap* bitmap = context->getBitmap();
  context->forget();
  return bitmap;
}

// The test resource "stackedImages.png": 8 x 24 pixels, three 8 x 8 images stacked
// vertically, red on top, then green, then blue.
inline constexpr CColor kStackRed{255, 0, 0, 255};
inline constexpr CColor kStackGreen{0, 255, 0, 255};
inline constexpr CColor kStackBlue{0, 0, 255, 255};

}  // namespace toolkit_test
