#include "editor/plugin_view.h"

#include <cmath>

#include "controller/editor_zoom.h"
#include "controls/display_knob.h"
#include "controls/expandable_button.h"
#include "editor/editor_frame.h"
#include "editor/editor_layout.h"
#include "editor/gainer_frame.h"
#include "editor/peak2_frame.h"
#include "editor/solo_frame.h"
#include "editor/zoom_menu.h"
#include "micdata/microphone_data.h"
#include "platform/diagnostics.h"
#include "plots/freq_graph.h"
#include "toolkit/controls/cmoviebutton.h"
#include "toolkit/controls/cvumeter.h"

namespace Steinberg::Vst {

namespace {

// A level the meters and LEDs can show: anything that is not a finite, positive
// level is silence (a broken message must not light an LED or fill a meter).
float displayableLevel(float level) { return std::isfinite(level) && level > 0.f ? level : 0.f; }

// The meters show e^(dB / 25): 0 dB fills all segments, -25 dB a bit over a third.
float meterValue(float level) {
  const double dB = 20.0 * std::log10(static_cast<double>(level));
  return static_cast<float>(std::exp(0.04 * dB));
}

// The controller that keeps the user's zoom, when the view belongs to this plug-in's.
EditorZoomKeeper* zoomKeeper(EditController* controller) {
  return dynamic_cast<EditorZoomKeeper*>(controller);
}

}  // namespace

PlugIn_View::PlugIn_View(EditController* controller)
    : VSTGUIEditor(controller), microphones_(acquireMicrophoneData()), gestures_(controller) {
  setIdleRate(layout::kIdleMilliseconds);
  if (EditorZoomKeeper* keeper = zoomKeeper(controller)) scale_.setUserZoom(keeper->editorZoom());
  ViewRect size(0, 0, scale_.width(), scale_.height());
  setRect(size);
}

PlugIn_View::~PlugIn_View() {
  closeZoomMenu();
  releaseMicrophoneData(microphones_);
}

tresult PLUGIN_API PlugIn_View::queryInterface(const TUID iid, void** obj) {
  if (FUnknownPrivate::iidEqual(iid, IPlugViewContentScaleSupport::iid)) {
    addRef();
    *obj = static_cast<IPlugViewContentScaleSupport*>(this);
    return kResultOk;
  }
  return VSTGUIEditor::queryInterface(iid, obj);
}

tresult PLUGIN_API PlugIn_View::setContentScaleFactor(ScaleFactor factor) {
  if (!scale_.setHostFactor(factor)) return kResultFalse;
  applyScale();
  return kResultTrue;
}

tresult PLUGIN_API PlugIn_View::attached(void* parent, FIDString type) {
  const tresult result = VSTGUIEditor::attached(parent, type);
  if (result == kResultOk && plugFrame && scale_.factor() != 1.0) {
    ViewRect size(0, 0, scale_.width(), scale_.height());
    plugFrame->resizeView(this, &size);
  }
  return result;
}

void PlugIn_View::updateZoom(double zoom) {
  scale_.setUserZoom(zoom);
  applyScale();
}

void PlugIn_View::applyScale() {
  ViewRect size(0, 0, scale_.width(), scale_.height());
  const bool sized = size.getWidth() == rect.getWidth() && size.getHeight() == rect.getHeight();
  if (sized && (!frame || frame->getZoom() == scale_.factor())) return;
  const ViewRect previous = rect;
  const double previousFactor = frame ? frame->getZoom() : 1.0;
  setRect(size);
  if (!frame) return;  // the frame opens at this factor
  frame->setZoom(scale_.factor());
  if (!plugFrame || sized) return;
  const tresult answer = plugFrame->resizeView(this, &size);
  if (answer == kResultOk || answer == kResultTrue) return;
  // A host that keeps its window's size: the panel stays as the window shows it.
  diag::write("Editor: the host did not resize the window to %d x %d\n", size.getWidth(),
              size.getHeight());
  setRect(previous);
  frame->setZoom(previousFactor);
}

void PlugIn_View::openZoomMenu(const VSTGUI::CPoint& where) {
  if (!frame || zoomMenu_) return;
  zoomMenu_ = new ZoomMenu(where, layout::kOverlayArea, scale_.userZoom(),
                           [this](bool chosen, double zoom) {
                             closeZoomMenu();
                             if (chosen) chooseZoom(zoom);
                           });
  if (!frame->setModalView(zoomMenu_)) closeZoomMenu();
}

void PlugIn_View::closeZoomMenu() {
  if (!zoomMenu_) return;
  ZoomMenu* menu = zoomMenu_;
  zoomMenu_ = nullptr;
  if (frame && frame->getModalView() == menu) frame->setModalView(nullptr);
  menu->forget();
}

void PlugIn_View::chooseZoom(double zoom) {
  if (EditorZoomKeeper* keeper = zoomKeeper(controller)) {
    keeper->chooseEditorZoom(zoom);  // comes back as updateZoom, to every open view
    return;
  }
  updateZoom(zoom);
}

bool PLUGIN_API PlugIn_View::open(void* parent, const VSTGUI::PlatformType& type) {
  if (frame) return false;
  frame = new EditorFrame(VSTGUI::CRect(0, 0, layout::kEditorWidth, layout::kEditorHeight), this,
                          [this](const VSTGUI::CPoint& where) { openZoomMenu(where); });
  frame->setZoom(scale_.factor());
  if (!frame->open(parent, type)) {
    frame->forget();
    frame = nullptr;
    return false;
  }
  buildPanel();
  return true;
}

void PLUGIN_API PlugIn_View::close() {
  // A gesture cut short by the window closing still ends for the host.
  gestures_.endAll();
  forgetControls();
  closeZoomMenu();
  if (!frame) return;
  VSTGUI::CFrame* closing = frame;
  frame = nullptr;
  closing->close();
}

void PlugIn_View::forgetControls() {
  for (auto& meter : meters_) meter = nullptr;
  for (auto& gain : gains_) gain = nullptr;
  soloFrame_ = nullptr;
  proximitySwitch_ = nullptr;
  peakFrame_ = nullptr;
  graph_ = nullptr;
  omniSelector_ = nullptr;
  eightSelector_ = nullptr;
}

void PlugIn_View::valueChanged(VSTGUI::CControl* control) {
  if (!control || !controller) return;
  const int32_t tag = control->getTag();
  if (tag < 0 || static_cast<ParamID>(tag) >= kParameterCount) return;
  controller->performEdit(static_cast<ParamID>(tag), static_cast<double>(control->getValue()));
}

void PlugIn_View::controlBeginEdit(VSTGUI::CControl* control) {
  if (!control) return;
  const int32_t tag = control->getTag();
  if (tag >= 0 && static_cast<ParamID>(tag) < kParameterCount)
    gestures_.begin(static_cast<ParamID>(tag));
}

void PlugIn_View::controlEndEdit(VSTGUI::CControl* control) {
  if (!control) return;
  const int32_t tag = control->getTag();
  if (tag >= 0 && static_cast<ParamID>(tag) < kParameterCount)
    gestures_.end(static_cast<ParamID>(tag));
}

void PlugIn_View::showMicrophone(ParamID selector, float plain) {
  VSTGUI::ExpandableButton* button = selector == kMicOmniType ? omniSelector_ : eightSelector_;
  const int32_t index = parameterInteger(plain);
  button->setValue(static_cast<float>(index));
  const MicrophoneRecord* record =
      microphones_ ? microphones_->getMicrophone(static_cast<int>(selector), index) : nullptr;
  if (record) graph_->setMicrophone(static_cast<int32_t>(selector), record);
}

void PlugIn_View::updateParameter(ParamID tag, float plain) {
  if (!frame) return;  // closed: the controls are gone
  switch (tag) {
    case kLowType:
    case kLowFrequency:
    case kMidType:
    case kMidFrequency:
    case kHighType:
    case kHighFrequency:
      graph_->updateParameter(static_cast<int32_t>(tag), plain);
      break;
    case kMicOmniType:
    case kMicEightType:
      showMicrophone(tag, plain);
      break;
    case kSoloState:
      soloFrame_->setSoloState(plain);
      break;
    case kProximityCompensation:
      proximitySwitch_->setValue(plain);
      graph_->setProximityCompensation(plain == 1.0f);
      break;
    default:
      if (tag >= kMicLOmniGain && tag < kMicLOmniGain + kLevelCount)
        gains_[tag - kMicLOmniGain]->setPlainValue(plain);
      break;
  }
}

void PlugIn_View::updateLevels(uint32 kind, const void* values) {
  if (!frame || kind != kLevelTag || values == nullptr) return;
  float levels[kLevelCount];
  const auto* received = static_cast<const float*>(values);
  for (int k = 0; k < kLevelCount; ++k) levels[k] = displayableLevel(received[k]);
  peakFrame_->setPeaks(levels);
  for (int k = 0; k < kLevelCount; ++k) {
    meters_[k]->setValue(meterValue(levels[k]));
    meters_[k]->invalid();
  }
}

}  // namespace Steinberg::Vst
