#pragma once
// The directivity curve over the whole frequency graph: the figure-eight weight from
// 0 (omni) at the top edge to 1 (figure-eight) at the bottom edge, across the
// 20 Hz to 20 kHz axis. Reads the graph's display curve when it draws.

#include "toolkit/cview.h"

class FreqPlot : public VSTGUI::CView {
 public:
  FreqPlot(const VSTGUI::CRect& size, VSTGUI::CFrame* frame);

  // The display curve (kGridPoints values, owned by the graph). No redraw: the graph
  // redraws after every change.
  void setCurve(const double* curve) { curve_ = curve; }

  void drawRect(VSTGUI::CDrawContext* context, const VSTGUI::CRect& updateRect) override;

  CLASS_METHODS_NOCOPY(FreqPlot, CView)

 private:
  VSTGUI::CFrame* frame_;
  const double* curve_ = nullptr;
};
