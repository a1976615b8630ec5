// The panel of the editor: every view created, kept where the view refers to it, and
// added to the frame in drawing order (later views on top). Each bitmap is forgotten
// as soon as the view that shows it holds it.

#include "controls/display_knob.h"
#include "controls/expandable_button.h"
#include "editor/editor_layout.h"
#include "editor/gainer_frame.h"
#include "editor/peak2_frame.h"
#include "editor/plugin_view.h"
#include "editor/solo_frame.h"
#include "plots/freq_graph.h"
#include "toolkit/controls/cmoviebutton.h"
#include "toolkit/controls/csplashscreen.h"
#include "toolkit/controls/cvumeter.h"

namespace Steinberg::Vst {

namespace {

using VSTGUI::CBitmap;

// The embedded bitmap of that name; the caller forgets it once it is handed on.
CBitmap* bitmap(const char* name) { return new CBitmap(name); }

template <typename View>
View* add(VSTGUI::CFrame* frame, View* view) {
  frame->addView(view);
  return view;
}

PlugIn_View::GainControl* makeGainControl(const layout::GainPlace& place, VSTGUI::CFrame* frame,
                                          EditController* controller) {
  return new PlugIn_View::GainControl(place.origin, frame, controller,
                                      static_cast<int32_t>(place.parameter));
}

VSTGUI::CVuMeter* makeMeter(const VSTGUI::CRect& rect) {
  CBitmap* on = bitmap("meterOn.png");
  CBitmap* off = bitmap("meterOff.png");
  auto* meter = new VSTGUI::CVuMeter(rect, on, off, layout::kMeterSegments, VSTGUI::kVertical);
  on->forget();
  off->forget();
  meter->setDecreaseStepValue(layout::kMeterDecreaseStep);
  meter->setValue(0.f);
  return meter;
}

VSTGUI::CSplashScreen* makeOverlay(const VSTGUI::CRect& hotspot, int32_t tag, const char* name) {
  CBitmap* overlay = bitmap(name);
  auto* splash = new VSTGUI::CSplashScreen(hotspot, nullptr, tag, overlay, layout::kOverlayArea);
  overlay->forget();
  return splash;
}

VSTGUI::ExpandableButton* makeSelector(const VSTGUI::CRect& rect,
                                       VSTGUI::CControlListener* listener, ParamID tag,
                                       const char* labels, const char* list) {
  CBitmap* labelBitmap = bitmap(labels);
  CBitmap* listBitmap = bitmap(list);
  auto* selector = new VSTGUI::ExpandableButton(
      rect, listener, static_cast<int32_t>(tag), layout::kSelectorEntries, labelBitmap, listBitmap,
      layout::kSelectorListTop, layout::kSelectorLabelTop);
  labelBitmap->forget();
  listBitmap->forget();
  return selector;
}

}  // namespace

void PlugIn_View::buildPanel() {
  CBitmap* background = bitmap("back.png");
  frame->setBackground(background);
  background->forget();

  soloFrame_ = add(
      frame, new SoloFrame(layout::kSoloFrameOrigin, controller, static_cast<int32_t>(kSoloState)));
#if LOBESHIFT_STEREO
  peakFrame_ = add(frame, new Peak2Frame(layout::kPeakFrame, layout::kPeakSpacing));
#else
  peakFrame_ = add(frame, new Peak2Frame(layout::kPeakFrame));
#endif
  for (const layout::GainPlace& place : layout::kGainControls)
    gains_[place.parameter - kMicLOmniGain] = add(frame, makeGainControl(place, frame, controller));
  for (int k : layout::kMeterAddOrder) meters_[k] = add(frame, makeMeter(layout::kMeters[k]));

  graph_ = add(frame, new FreqGraph(controller, layout::kFrequencyGraph, frame, nullptr));

  CBitmap* onOff = bitmap("onOffButton.png");
  proximitySwitch_ =
      add(frame, new VSTGUI::CMovieButton(layout::kProximitySwitch, this,
                                          static_cast<int32_t>(kProximityCompensation), onOff,
                                          VSTGUI::CPoint(0, 0)));
  onOff->forget();

  add(frame, makeOverlay(layout::kCreditsHotspot, layout::kCreditsTag, layout::kCreditsBitmap));
  add(frame, makeOverlay(layout::kHelpHotspot, layout::kHelpTag, layout::kHelpBitmap));

  omniSelector_ = add(frame, makeSelector(layout::kOmniSelector, this, kMicOmniType, "omniText.png",
                                          "omniSelector.png"));
  eightSelector_ = add(frame, makeSelector(layout::kEightSelector, this, kMicEightType,
                                           "eightText.png", "eightSelector.png"));
}

}  // namespace Steinberg::Vst
