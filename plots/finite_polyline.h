#pragma once
// A line drawn point by point on a draw context that passes over points that are not
// finite: such a point breaks the line, and the next finite point starts it again. A
// single NaN would otherwise put the cairo context into its error state and silently
// end all drawing on it.

#include "toolkit/cdrawcontext.h"

class FinitePolyline {
 public:
  explicit FinitePolyline(VSTGUI::CDrawContext* context) : context_(context) {}

  // Moves the pen to the point without drawing (the line starts there).
  void start(const VSTGUI::CPoint& point);
  // Strokes from the pen to the point, or starts the line there when it is broken.
  void to(const VSTGUI::CPoint& point);

 private:
  VSTGUI::CDrawContext* context_;
  bool hasPen_ = false;
};
