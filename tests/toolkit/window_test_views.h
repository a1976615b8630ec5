#pragma once
// What the toolkit's window tests (X11 and Win32) show in their editor: a movie button of
// the stacked test bitmap, which a click turns from red to green, and a swatch whose colour
// the test changes to see the idle timer repaint it; and a listener that counts the button's
// changes.

#include <functional>

#include "toolkit_fixture.h"

namespace toolkit_test {

class CountingListener : public CControlListener {
 public:
  void valueChanged(CControl*) override {
    ++changes;
    if (onChange) onChange();
  }
  int changes = 0;
  std::function<void()> onChange;
};

struct ButtonAndSwatch {
  CMovieButton* button = nullptr;  // at (10, 10), 8 x 8
  PaintedView* swatch = nullptr;   // (60, 10) to (80, 30), painted in *colour
};

// Adds both views to `frame`; the swatch paints with whatever `colour` holds when it draws.
inline ButtonAndSwatch addButtonAndSwatch(CFrame* frame, CControlListener* listener,
                                          const CColor* colour) {
  ButtonAndSwatch views;
  auto* bitmap = new CBitmap("stackedImages.png");
  views.button = new CMovieButton(CRect(10, 10, 18, 18), listener, 1, bitmap);
  bitmap->forget();
  frame->addView(views.button);
  views.swatch =
      new PaintedView(CRect(60, 10, 80, 30), [colour](CDrawContext* context, const CRect& size) {
        context->setFillColor(*colour);
        context->drawRect(size, kDrawFilled);
      });
  frame->addView(views.swatch);
  return views;
}

}  // namespace toolkit_test
