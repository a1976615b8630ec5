#include "controller_session.h"

#include <cstdio>

#include "controller/editor_view_factory.h"

// The controls' tests open no editor view of the module.
Steinberg::IPlugView* Steinberg::Vst::createPlugInView(VST_PlugInController* /*controller*/) {
  return nullptr;
}

namespace controls_test {

using Steinberg::Vst::VST_PlugInController;

ControllerSession::ControllerSession()
    : controller_(Steinberg::owned(
          static_cast<VST_PlugInController*>(static_cast<Steinberg::Vst::IEditController*>(
              VST_PlugInController::createInstance(nullptr))))) {
  controller_->initialize(&context_);
  controller_->setComponentHandler(&handler_);
}

ControllerSession::~ControllerSession() { controller_->terminate(); }

std::vector<std::string> ControllerSession::edits() const {
  std::vector<std::string> lines;
  for (const auto& edit : handler_.edits()) {
    char line[64];
    switch (edit.kind) {
      case host::ComponentHandler::EditKind::kBegin:
        std::snprintf(line, sizeof line, "begin %u", edit.id);
        break;
      case host::ComponentHandler::EditKind::kPerform:
        std::snprintf(line, sizeof line, "perform %u %g", edit.id, edit.value);
        break;
      case host::ComponentHandler::EditKind::kEnd:
        std::snprintf(line, sizeof line, "end %u", edit.id);
        break;
    }
    lines.emplace_back(line);
  }
  return lines;
}

std::vector<double> ControllerSession::performed(Steinberg::Vst::ParamID id) const {
  std::vector<double> values;
  for (const auto& edit : handler_.edits()) {
    if (edit.kind == host::ComponentHandler::EditKind::kPerform && edit.id == id)
      values.push_back(edit.value);
  }
  return values;
}

CMouseEventResult press(CFrame* frame, CPoint where, CButtonState buttons) {
  return frame->onMouseDown(where, buttons);
}

CMouseEventResult moveTo(CFrame* frame, CPoint where, CButtonState buttons) {
  return frame->onMouseMoved(where, buttons);
}

CMouseEventResult release(CFrame* frame, CPoint where, CButtonState buttons) {
  return frame->onMouseUp(where, buttons);
}

void click(CFrame* frame, CPoint where, CButtonState buttons) {
  press(frame, where, buttons);
  release(frame, where, buttons);
}

void hover(CFrame* frame, CPoint where) { frame->onMouseMoved(where, CButtonState(0)); }

bool wheel(CFrame* frame, CPoint where, float distance, CButtonState buttons) {
  return frame->onWheel(where, distance, buttons);
}

int32_t key(CFrame* frame, unsigned char virtualKey, unsigned char modifier) {
  VstKeyCode code;
  code.virt = virtualKey;
  code.modifier = modifier;
  return frame->onKeyDown(code);
}

bool sameRegion(toolkit_test::OffscreenFrame& frame, const CRect& area,
                toolkit_test::OffscreenFrame& reference, const CRect& referenceArea) {
  frame->idle();
  reference->idle();
  const auto* shown = OffscreenPlatformFrame::of(frame.get());
  const auto* expected = OffscreenPlatformFrame::of(reference.get());
  for (int y = 0; y < area.getHeight(); ++y) {
    for (int x = 0; x < area.getWidth(); ++x) {
      const CColor a =
          shown->getPixel(static_cast<int>(area.left) + x, static_cast<int>(area.top) + y);
      const CColor b = expected->getPixel(static_cast<int>(referenceArea.left) + x,
                                          static_cast<int>(referenceArea.top) + y);
      if (a != b) return false;
    }
  }
  return true;
}

ReferenceImage::ReferenceImage(const CRect& frameSize, const CRect& area, const char* name,
                               CPoint offset)
    : frame(frameSize) {
  addLayer(area, name, offset);
}

void ReferenceImage::addLayer(const CRect& area, const char* name, CPoint offset) {
  auto* bitmap = new CBitmap(name);
  auto* view = new CView(area);
  view->setBackground(bitmap);
  view->setBackOffset(offset);
  bitmap->forget();
  frame->addView(view);
}

}  // namespace controls_test
