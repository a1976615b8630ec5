#include "tools/editor-snapshot/editor_session.h"

#include <cstring>

#include "controller/controller_state.h"
#include "pluginterfaces/vst/ivstmessage.h"
#include "toolkit/platform/offscreen_frame.h"

namespace editor_session {

using namespace Steinberg;
using namespace Steinberg::Vst;

host::Result<std::unique_ptr<EditorSession>> EditorSession::open(double scale) {
  std::unique_ptr<EditorSession> session(new EditorSession());
  session->context_ = std::make_shared<host::HostContext>();
  session->controller_ = new VST_PlugInController();
  if (session->controller_->initialize(session->context_.get()) != kResultOk)
    return host::Result<std::unique_ptr<EditorSession>>::failure(
        "the controller did not initialise");
  session->controller_->setComponentHandler(&session->handler_);
  // A project's zoom of 100 %, so that the user's own default does not enter the picture.
  auto ownState = host::streamOf({});
  writeControllerState(ownState, ControllerState{1.0});
  session->controller_->setState(host::streamOf(host::bytesOf(*ownState)));
  IPlugView* view = session->controller_->createView(ViewType::kEditor);
  session->view_ = dynamic_cast<PlugIn_View*>(view);
  if (!session->view_) {
    if (view) view->release();
    return host::Result<std::unique_ptr<EditorSession>>::failure("the controller gave no editor");
  }
  if (session->view_->setContentScaleFactor(static_cast<float>(scale)) != kResultTrue)
    return host::Result<std::unique_ptr<EditorSession>>::failure("the editor refused the scale");
  if (!session->view_->open(nullptr, VSTGUI::kOffscreen))
    return host::Result<std::unique_ptr<EditorSession>>::failure(
        "the editor did not open offscreen");
  session->controller_->editorAttached(session->view_);
  session->attached_ = true;
  session->idle();
  return host::Result<std::unique_ptr<EditorSession>>::success(std::move(session));
}

EditorSession::~EditorSession() {
  close();
  if (view_) view_->release();
  if (controller_) {
    controller_->setComponentHandler(nullptr);
    controller_->terminate();
    controller_->release();
  }
}

void EditorSession::close() {
  if (!view_ || !attached_) return;
  attached_ = false;
  view_->close();
  controller_->editorRemoved(view_);
}

host::Status EditorSession::loadState(const host::StateBytes& state) {
  auto stream = host::streamOf(state);
  if (controller_->setComponentState(stream) != kResultOk)
    return host::Status::failure("the controller refused the state");
  return host::Status::success();
}

void EditorSession::setNormalized(ParamID id, double normalized) {
  controller_->setParamNormalized(id, normalized);
}

host::Status EditorSession::sendLevels(const float* levels, int count) {
  IPtr<IMessage> message;
  TUID iid;
  std::memcpy(iid, IMessage::iid, sizeof(TUID));
  void* made = nullptr;
  if (context_->createInstance(iid, iid, &made) != kResultOk || !made)
    return host::Status::failure("the host context made no message");
  message = owned(static_cast<IMessage*>(made));
  message->setMessageID("gainData");
  message->getAttributes()->setBinary("vuValue", levels,
                                      static_cast<uint32>(count * sizeof(float)));
  controller_->notify(message);
  return host::Status::success();
}

void EditorSession::idle() {
  if (VSTGUI::CFrame* frame = view_ ? view_->getFrame() : nullptr) frame->idle();
}

VSTGUI::CColor EditorSession::pixel(int x, int y) {
  idle();
  VSTGUI::CFrame* frame = view_ ? view_->getFrame() : nullptr;
  if (!frame) return VSTGUI::CColor(0, 0, 0, 0);
  return VSTGUI::OffscreenPlatformFrame::of(frame)->getPixel(x, y);
}

int EditorSession::pictureWidth() const {
  VSTGUI::CFrame* frame = view_ ? view_->getFrame() : nullptr;
  return frame ? VSTGUI::OffscreenPlatformFrame::of(frame)->getWidth() : 0;
}

int EditorSession::pictureHeight() const {
  VSTGUI::CFrame* frame = view_ ? view_->getFrame() : nullptr;
  return frame ? VSTGUI::OffscreenPlatformFrame::of(frame)->getHeight() : 0;
}

bool EditorSession::writePNG(const std::string& path) {
  idle();
  VSTGUI::CFrame* frame = view_ ? view_->getFrame() : nullptr;
  return frame && VSTGUI::OffscreenPlatformFrame::of(frame)->writePNG(path.c_str());
}

}  // namespace editor_session
