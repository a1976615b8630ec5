// The graph's side of a handle drag: plain-value edits to the controller, bracketed
// as gestures, the Shift group move of all three handles, and the hint label.
#include <cmath>

#include "controller/parameter_table.h"
#include "plots/freq_graph.h"
#include "plots/graph_control.h"
#include "public.sdk/source/vst/vsteditcontroller.h"

using namespace VSTGUI;

GraphControl* FreqGraph::handleOf(CControl* control) const {
  for (GraphControl* handle : handles_) {
    if (handle == control) return handle;
  }
  return nullptr;
}

void FreqGraph::openGesture(const GraphControl& handle) {
  gestures_.begin(static_cast<Steinberg::Vst::ParamID>(handle.getTag()));
  gestures_.begin(static_cast<Steinberg::Vst::ParamID>(handle.getTypeTag()));
}

void FreqGraph::sendEdit(int32_t tag, double plainValue) {
  if (controller_) controller_->performEdit(static_cast<Steinberg::Vst::ParamID>(tag), plainValue);
}

void FreqGraph::valueChanged(CControl* control) {
  GraphControl* moved = handleOf(control);
  if (moved == nullptr) return;
  // Already open from the drag's start; opened again should the gesture have been
  // closed under the drag (the pointer leaving the window ends it).
  openGesture(*moved);
  const CPoint centre = moved->getCenter();
  sendEdit(moved->getTag(), xToFrequency(centre.x));
  sendEdit(moved->getTypeTag(), typeAtY(centre.y));
  if (!moved->isShiftHeld()) return;

  // Group move: the other handles follow the dragged one's movement. Their edits are
  // sent from the shifted positions before the handles' limits apply; the controller
  // keeps them within the parameters' ranges.
  activeHandle_ = moved;
  const CPoint delta = moved->takeMoveDelta();
  for (int index = kLow; index <= kHigh; ++index) {
    GraphControl& other = *handles_[index];
    if (&other == moved) continue;
    openGesture(other);
    const CPoint centre = other.getCenter();
    const auto x = static_cast<float>(centre.x + delta.x);
    const auto type = static_cast<float>(typeAtY(centre.y + delta.y));
    other.setCenterX(x);
    other.setCenterY(static_cast<float>(centre.y + delta.y));
    points_[index] = {x / frequency_axis::kGridSpacing, 1.0 - type};
    sendEdit(other.getTag(), xToFrequency(x));
    sendEdit(other.getTypeTag(), type);
  }
}

void FreqGraph::controlBeginEdit(CControl* control) {
  GraphControl* handle = handleOf(control);
  if (handle == nullptr) return;
  openGesture(*handle);
  hintLabel_->setVisible(true);
  updateHint(*handle);
}

void FreqGraph::controlEndEdit(CControl* control) {
  if (handleOf(control) == nullptr) return;
  hintLabel_->setVisible(false);
  const bool endsGroupMove = activeHandle_ != nullptr;
  activeHandle_ = nullptr;
  gestures_.endAll();
  if (endsGroupMove) takeControllerValues();
}

void FreqGraph::takeControllerValues() {
  if (controller_ == nullptr) return;
  for (int32_t tag = 0; tag < kGraphTagCount; ++tag) {
    const auto id = static_cast<ParameterId>(tag);
    applyParameter(tag,
                   static_cast<float>(normalizedToPlain(id, controller_->getParamNormalized(id))));
  }
  updateCurve();
  setDirty(true);
}
