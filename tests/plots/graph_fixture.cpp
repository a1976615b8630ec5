#include "tests/plots/graph_fixture.h"

#include <string>

#include "controller/editor_view_factory.h"
#include "controller/parameter_table.h"

// The module's editor is not part of these tests; the controller's factory hook
// gives a view of ours.
Steinberg::IPlugView* Steinberg::Vst::createPlugInView(VST_PlugInController* controller) {
  return new plots_test::GraphViewTarget(controller);
}

namespace plots_test {

void GraphTest::SetUp() {
  controller = Steinberg::owned(new Steinberg::Vst::VST_PlugInController());
  ASSERT_EQ(controller->initialize(&context), Steinberg::kResultOk);
  controller->setComponentHandler(&handler);
  microphones = acquireMicrophoneData();

  frame = new CFrame(CRect(0, 0, 780, 380), nullptr);
  frame->setBackgroundColor(kFrameBackground);
  ASSERT_TRUE(frame->open(nullptr, kOffscreen));
  graph = new FreqGraph(controller, kGraphRect, frame, nullptr);
  frame->addView(graph);

  view = Steinberg::owned(new GraphViewTarget(controller));
  view->graph = graph;
  ASSERT_EQ(view->attached(nullptr, Steinberg::kPlatformTypeX11EmbedWindowID),
            Steinberg::kResultOk);
  handler.clearRecord();
}

void GraphTest::TearDown() {
  if (view) {
    view->removed();
    view->graph = nullptr;
  }
  if (frame) frame->close();
  releaseMicrophoneData(microphones);
  controller->terminate();
}

namespace {
CPoint toFrame(const CPoint& at) { return CPoint(at.x + kGraphRect.left, at.y + kGraphRect.top); }
}  // namespace

void GraphTest::press(const CPoint& at, int32_t buttons) {
  CPoint where = toFrame(at);
  frame->onMouseDown(where, CButtonState(buttons));
}

void GraphTest::move(const CPoint& at, int32_t buttons) {
  CPoint where = toFrame(at);
  frame->onMouseMoved(where, CButtonState(buttons));
}

void GraphTest::release(const CPoint& at, int32_t buttons) {
  CPoint where = toFrame(at);
  frame->onMouseUp(where, CButtonState(buttons));
}

void GraphTest::drag(FreqGraph::Handle which, CPoint by, int32_t modifiers, int steps) {
  const CPoint start = handle(which).getCenter();
  move(start, modifiers);
  press(start, kLButton | modifiers);
  for (int step = 1; step <= steps; ++step) {
    move(CPoint(start.x + by.x * step / steps, start.y + by.y * step / steps),
         kLButton | modifiers);
  }
  release(CPoint(start.x + by.x, start.y + by.y), kLButton | modifiers);
}

CColor GraphTest::pixel(int x, int y) {
  frame->idle();
  return OffscreenPlatformFrame::of(frame)->getPixel(x + static_cast<int>(kGraphRect.left),
                                                     y + static_cast<int>(kGraphRect.top));
}

void GraphTest::writePicture(const char* name) {
  frame->idle();
  OffscreenPlatformFrame::of(frame)->writePNG((::testing::TempDir() + name + ".png").c_str());
}

double GraphTest::plainValue(ParameterId id) const {
  return normalizedToPlain(id, controller->getParamNormalized(id));
}

std::vector<double> GraphTest::performedPlain(ParameterId id) const {
  std::vector<double> values;
  for (const auto& edit : handler.edits()) {
    if (edit.kind == host::ComponentHandler::EditKind::kPerform && edit.id == id)
      values.push_back(normalizedToPlain(id, edit.value));
  }
  return values;
}

int GraphTest::performCount() const {
  int count = 0;
  for (const auto& edit : handler.edits())
    count += edit.kind == host::ComponentHandler::EditKind::kPerform;
  return count;
}

void GraphTest::automate(ParameterId id, double plain) {
  controller->setParamNormalized(id, plainToNormalized(id, plain));
}

}  // namespace plots_test
