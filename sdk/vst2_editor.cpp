#include "sdk/vst2_editor.h"

#include <algorithm>

#include "platform/diagnostics.h"

namespace Steinberg::Vst {

namespace {
constexpr char kEditorViewName[] = "editor";

short clampToShort(int32 value) { return static_cast<short>(std::clamp<int32>(value, 0, 32767)); }
}  // namespace

Vst2Editor::Vst2Editor(IEditController* controller, const Vst2HostCallback& host)
    : controller_(controller), host_(host) {}

Vst2Editor::~Vst2Editor() { close(); }

IPtr<IPlugView> Vst2Editor::createView() const {
  if (controller_ == nullptr) return nullptr;
  return owned(controller_->createView(kEditorViewName));
}

void Vst2Editor::keepSize(const ViewRect& size) {
  rect_ = {0, 0, clampToShort(size.getHeight()), clampToShort(size.getWidth())};
}

bool Vst2Editor::probe() {
  IPtr<IPlugView> view = createView();
  exists_ = view && view->isPlatformTypeSupported(windowSystem_.platformType()) == kResultTrue;
  ViewRect size;
  if (exists_ && view->getSize(&size) == kResultOk) keepSize(size);
  return exists_;
}

ERect* Vst2Editor::rect() {
  if (!exists_) return nullptr;
  ViewRect size;
  if (view_ && view_->getSize(&size) == kResultOk) keepSize(size);
  return &rect_;
}

bool Vst2Editor::open(void* hostWindow) {
  if (!exists_ || hostWindow == nullptr) return false;
  if (view_) return true;  // one editor per instance; the host asked twice
  IPtr<IPlugView> view = createView();
  if (!view) return false;
  view->setFrame(this);
  if (view->attached(hostWindow, windowSystem_.platformType()) != kResultOk) {
    diag::write("VST 2 editor: the view could not be attached to the host's window\n");
    view->setFrame(nullptr);
    return false;
  }
  view_ = view;
  ViewRect size;
  if (view_->getSize(&size) == kResultOk) keepSize(size);
  return true;
}

void Vst2Editor::idle() { windowSystem_.idle(); }

bool Vst2Editor::close() {
  if (!view_) return false;
  IPtr<IPlugView> view = view_;
  view_ = nullptr;
  view->removed();
  view->setFrame(nullptr);
  return true;
}

tresult PLUGIN_API Vst2Editor::resizeView(IPlugView* view, ViewRect* newSize) {
  if (view == nullptr || newSize == nullptr || view != view_.get()) return kInvalidArgument;
  if (host_.call(audioMasterSizeWindow, newSize->getWidth(), newSize->getHeight()) == 0)
    return kResultFalse;
  keepSize(*newSize);
  return view->onSize(newSize);
}

tresult PLUGIN_API Vst2Editor::queryInterface(const TUID iid, void** obj) {
  if (windowSystem_.queryInterface(iid, obj)) return kResultOk;
  if (FUnknownPrivate::iidEqual(iid, IPlugFrame::iid) ||
      FUnknownPrivate::iidEqual(iid, FUnknown::iid)) {
    *obj = static_cast<IPlugFrame*>(this);
    return kResultOk;
  }
  *obj = nullptr;
  return kNoInterface;
}

}  // namespace Steinberg::Vst
