#include "bench/controls/control_panel.h"

#include "controls/display_knob.h"
#include "controls/expandable_button.h"
#include "editor/gainer_frame.h"
#include "editor/peak2_frame.h"
#include "editor/solo_frame.h"

namespace bench_controls {

using namespace VSTGUI;

namespace {

ExpandableButton* selector(const CRect& area, int32_t tag, const char* labels, const char* list) {
  auto* labelBitmap = new CBitmap(labels);
  auto* listBitmap = new CBitmap(list);
  auto* button = new ExpandableButton(area, nullptr, tag, 2, labelBitmap, listBitmap, 5, 2);
  labelBitmap->forget();
  listBitmap->forget();
  return button;
}

}  // namespace

CFrame* openControlPanel() {
  auto* frame = new CFrame(CRect(0, 0, 780, 380), nullptr);
  auto* back = new CBitmap("back.png");
  frame->setBackground(back);
  back->forget();
  frame->open(nullptr, kOffscreen);

  // Without a controller the controls only show; nothing is sent anywhere.
  auto* solo = new Steinberg::Vst::SoloFrame(CPoint(8.5, 292), nullptr, 8);
  solo->setSoloState(2);
  frame->addView(solo);
  auto* peaks = new Steinberg::Vst::Peak2Frame(CRect(17, 73, 131, 86), 25);
  const float levels[] = {1.f, 0.2f, 0.3f, 1.f};
  peaks->setPeaks(levels);
  frame->addView(peaks);
  const CPoint knobs[] = {{9, 258}, {35, 258}, {77, 258}, {103, 258}};
  const float gains[] = {-6.f, 0.f, 1.2f, 6.f};
  for (int i = 0; i < 4; ++i) {
    auto* knob = new DisplayKnob(knobs[i], frame, nullptr, 10 + i);
    knob->setPlainValue(gains[i]);
    frame->addView(knob);
  }
  auto* omni = selector(CRect(10, 52, 66, 257), 6, "omniText.png", "omniSelector.png");
  frame->addView(omni);
  auto* eight = selector(CRect(79, 52, 135, 257), 7, "eightText.png", "eightSelector.png");
  eight->setValue(1);
  frame->addView(eight);

  // The mono build's controls, over the graph area.
  auto* monoPeaks = new Steinberg::Vst::Peak2Frame(CRect(230, 73, 317, 86));
  const float monoLevels[] = {0.5f, 1.f};
  monoPeaks->setPeaks(monoLevels);
  frame->addView(monoPeaks);
  auto* monoOmni = new Steinberg::Vst::GainerFrame(CPoint(210, 258), frame, nullptr, 10);
  monoOmni->setPlainValue(-2.4f);
  frame->addView(monoOmni);
  auto* monoEight = new Steinberg::Vst::GainerFrame(CPoint(278, 258), frame, nullptr, 11);
  monoEight->setPlainValue(3.6f);
  frame->addView(monoEight);

  // One readout shown, as while the pointer is over its knob.
  CPoint overKnob(103 + 17, 258 + 12);
  frame->onMouseMoved(overKnob, CButtonState(0));

  // The omni list open, with the pointer on its second entry.
  CPoint onLabel(30, 56);
  frame->onMouseDown(onLabel, kLButton);
  CPoint onEntry(30, 52 + 42);
  frame->onMouseMoved(onEntry, kLButton);
  frame->idle();
  return frame;
}

}  // namespace bench_controls
