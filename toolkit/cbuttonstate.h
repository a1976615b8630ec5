#pragma once
// Mouse buttons, modifier keys and the results of mouse handlers.

#include <cstdint>

namespace VSTGUI {

// Bits of a button state. Shift is bit 4, Control bit 5, Alt bit 6.
enum CButton : int32_t {
  kLButton = 1 << 1,
  kMButton = 1 << 2,
  kRButton = 1 << 3,
  kShift = 1 << 4,
  kControl = 1 << 5,
  kAlt = 1 << 6,
  kApple = 1 << 7,
  kButton4 = 1 << 8,
  kButton5 = 1 << 9,
  kDoubleClick = 1 << 10,
};

class CButtonState {
 public:
  constexpr CButtonState(int32_t state = 0) : state_(state) {}  // NOLINT: a plain bit set

  // The pressed buttons only: left, middle, right and the two extra buttons.
  int32_t getButtonState() const {
    return state_ & (kLButton | kMButton | kRButton | kButton4 | kButton5);
  }
  // The held modifier keys only.
  int32_t getModifierState() const { return state_ & (kShift | kControl | kAlt | kApple); }
  bool isLeftButton() const { return (state_ & kLButton) != 0; }
  bool isRightButton() const { return (state_ & kRButton) != 0; }
  bool isDoubleClick() const { return (state_ & kDoubleClick) != 0; }

  int32_t operator()() const { return state_; }
  int32_t operator&(int32_t bits) const { return state_ & bits; }
  CButtonState& operator=(int32_t state) {
    state_ = state;
    return *this;
  }
  CButtonState& operator|=(int32_t bits) {
    state_ |= bits;
    return *this;
  }
  bool operator==(const CButtonState& other) const { return state_ == other.state_; }
  bool operator!=(const CButtonState& other) const { return state_ != other.state_; }

 private:
  int32_t state_;
};

enum CMouseEventResult {
  kMouseEventNotImplemented = 0,
  kMouseEventHandled,
  kMouseEventNotHandled,
  // The view handled the press and wants neither the moves nor the release that follow.
  kMouseDownEventHandledButDontNeedMovedOrUpEvents,
  kMouseMoveEventHandledButDontNeedMoreEvents,
};

enum CMouseWheelAxis { kMouseWheelAxisX = 0, kMouseWheelAxisY };

}  // namespace VSTGUI
