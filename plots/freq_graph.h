#pragma once
// The frequency graph: the editor's 580 x 290 display of the directivity curve over
// 20 Hz to 20 kHz, with the Low, Mid and High handles that set it, the curve and
// response plots, three polar plots (100 Hz, 1 kHz, 10 kHz) and a hint label that
// shows a handle's values while it is dragged. Grid and labels are in the editor's
// background; the graph's own background is transparent.
//
// It keeps handles, display curve and plots in step with the parameter values the
// edit controller reports, and turns the user's handle moves into plain-value
// performEdit calls on the controller, bracketed for the host as gestures. The
// controller answers every performEdit synchronously with updateParameter; during a
// Shift group move only the dragged handle's own reports are taken, so that the echoes
// of the other handles' edits do not move them back.

#include <cstdint>

#include "controls/edit_gestures.h"
#include "micdata/microphone_data.h"
#include "plots/display_curve.h"
#include "toolkit/ccontrol.h"
#include "toolkit/controls/cparamdisplay.h"
#include "toolkit/cviewcontainer.h"

namespace Steinberg::Vst {
class EditController;
}

class FreqDbPlot;
class FreqPlot;
class GraphControl;
class PolarPlot;

class FreqGraph : public VSTGUI::CViewContainer, public VSTGUI::CControlListener {
 public:
  enum Handle { kLow = 0, kMid = 1, kHigh = 2 };
  static constexpr int kPolarPlotCount = 3;
  // Parameters 0 to 5: the types and frequencies of the three handles.
  static constexpr int32_t kGraphTagCount = 6;
  static constexpr double kPolarFrequencies[kPolarPlotCount] = {100.0, 1000.0, 10000.0};

  // The controller is not owned; its performEdit takes plain values. The frame (not
  // owned) is where the plots create their drawing surfaces.
  FreqGraph(Steinberg::Vst::EditController* controller, const VSTGUI::CRect& size,
            VSTGUI::CFrame* frame, VSTGUI::CBitmap* background);
  ~FreqGraph() override;

  // A plain value of parameters 0 to 5 (type 0 to 1 or frequency in Hz). A value that
  // is not a number is ignored; others are kept within the parameter's range.
  void updateParameter(int32_t tag, float value);
  // The omni (kind 6) or figure-eight (kind 7) microphone now chosen; not owned.
  void setMicrophone(int32_t kind, const MicrophoneRecord* record);
  void setProximityCompensation(bool on);

  //--- CControlListener, for the handles
  void valueChanged(VSTGUI::CControl* control) override;
  void controlBeginEdit(VSTGUI::CControl* control) override;
  void controlEndEdit(VSTGUI::CControl* control) override;

  // What the graph shows, for the editor's tests and tools.
  const double* getCurve() const { return curve_; }
  const DisplayPoint& getPoint(Handle handle) const { return points_[handle]; }
  GraphControl* getHandle(Handle handle) const { return handles_[handle]; }
  PolarPlot* getPolarPlot(int index) const { return polarPlots_[index]; }
  FreqPlot* getFreqPlot() const { return freqPlot_; }
  FreqDbPlot* getFreqDbPlot() const { return freqDbPlot_; }
  VSTGUI::CTextLabel* getHintLabel() const { return hintLabel_; }

  CLASS_METHODS_NOCOPY(FreqGraph, CViewContainer)

 private:
  void addChildren(VSTGUI::CFrame* frame);
  // Moves a handle and its point to a reported value, without the group-move filter.
  void applyParameter(int32_t tag, float value);
  void updateCurve();
  void updateHint(const GraphControl& handle);
  // After a group move: handles and points take what the controller holds, which may
  // be the edges of the ranges where the move went beyond them.
  void takeControllerValues();
  void openGesture(const GraphControl& handle);
  void sendEdit(int32_t tag, double plainValue);
  GraphControl* handleOf(VSTGUI::CControl* control) const;

  // Types from a handle's centre y and back (the two mappings differ slightly: a
  // reported type 1 lands one pixel above the highest y a drag can reach).
  double typeAtY(double y) const;
  double yOfType(double type) const;

  Steinberg::Vst::EditController* controller_;
  lobeshift::EditGestures gestures_;
  double height_;
  FreqPlot* freqPlot_ = nullptr;
  FreqDbPlot* freqDbPlot_ = nullptr;
  PolarPlot* polarPlots_[kPolarPlotCount] = {};
  GraphControl* handles_[kDisplayPointCount] = {};
  VSTGUI::CTextLabel* hintLabel_ = nullptr;
  GraphControl* activeHandle_ = nullptr;  // the handle of a group move under way
  DisplayPoint points_[kDisplayPointCount] = {};
  double curve_[frequency_axis::kGridPoints] = {};
  char hintText_[16] = {};
};
