// What one step of a handle drag costs: the move through the frame, the two
// performEdits and their echoes through the real controller, the display curve, and
// the graph with its five plots redrawn offscreen. The parts are timed on their own
// to show what dominates.

#include <benchmark/benchmark.h>

#include "controller/editor_view_factory.h"
#include "controller/vst_plugin_controller.h"
#include "host/component_handler.h"
#include "host/host_context.h"
#include "micdata/microphone_data.h"
#include "plots/display_curve.h"
#include "plots/freq_db_plot.h"
#include "plots/freq_graph.h"
#include "plots/freq_plot.h"
#include "plots/graph_control.h"
#include "plots/polar_plot.h"
#include "public.sdk/source/vst/vsteditcontroller.h"
#include "toolkit/coffscreencontext.h"
#include "toolkit/platform/offscreen_frame.h"
#include "toolkit/vstgui.h"

using namespace VSTGUI;

namespace {

class GraphView : public Steinberg::Vst::EditorView, public Steinberg::Vst::PlugIn_ViewTarget {
 public:
  explicit GraphView(Steinberg::Vst::EditController* controller) : EditorView(controller) {}
  void updateParameter(Steinberg::Vst::ParamID tag, float plain) override {
    if (graph != nullptr && tag < 6) graph->updateParameter(static_cast<int32_t>(tag), plain);
  }
  void updateLevels(Steinberg::uint32, const void*) override {}
  FreqGraph* graph = nullptr;
};

// The graph as the editor has it, with both microphones and compensation on, so that
// every line is drawn.
class Editor {
 public:
  Editor() : controller(Steinberg::owned(new Steinberg::Vst::VST_PlugInController())) {
    controller->initialize(&context);
    controller->setComponentHandler(&handler);
    microphones = acquireMicrophoneData();
    frame = new CFrame(CRect(0, 0, 780, 380), nullptr);
    frame->open(nullptr, kOffscreen);
    graph = new FreqGraph(controller, CRect(181, 54, 761, 344), frame, nullptr);
    frame->addView(graph);
    view = Steinberg::owned(new GraphView(controller));
    view->graph = graph;
    view->attached(nullptr, Steinberg::kPlatformTypeX11EmbedWindowID);
    graph->setMicrophone(6, microphones->getMicrophone(6, 0));
    graph->setMicrophone(7, microphones->getMicrophone(7, 0));
    graph->setProximityCompensation(true);
    frame->idle();
  }
  ~Editor() {
    view->removed();
    frame->close();
    releaseMicrophoneData(microphones);
    controller->terminate();
  }

  host::HostContext context;
  host::ComponentHandler handler;
  Steinberg::IPtr<Steinberg::Vst::VST_PlugInController> controller;
  Steinberg::IPtr<GraphView> view;
  MicrophoneData* microphones = nullptr;
  CFrame* frame = nullptr;
  FreqGraph* graph = nullptr;
};

// Drags the Mid handle back and forth, a few pixels a step; with `redraw` the frame
// repaints after every step, as its idle timer does while the user drags.
void dragSteps(benchmark::State& state, bool redraw) {
  Editor editor;
  const CPoint centre = editor.graph->getHandle(FreqGraph::kMid)->getCenter();
  CPoint at(centre.x + 181, centre.y + 54);
  editor.frame->onMouseDown(at, CButtonState(kLButton));
  int step = 0;
  for (auto _ : state) {
    CPoint where(at.x + (step & 15) * 3, at.y + (step & 7) * 2);
    editor.frame->onMouseMoved(where, CButtonState(kLButton));
    if (redraw) editor.frame->idle();
    ++step;
    if ((step & 1023) == 0) editor.handler.clearRecord();  // the host's record grows
  }
  editor.frame->onMouseUp(at, CButtonState(kLButton));
}

void BM_DragStep(benchmark::State& state) { dragSteps(state, true); }
BENCHMARK(BM_DragStep)->Unit(benchmark::kMicrosecond);

// The same step without the redraw: the edits, their echoes and the curve.
void BM_DragStepWithoutRedraw(benchmark::State& state) { dragSteps(state, false); }
BENCHMARK(BM_DragStepWithoutRedraw)->Unit(benchmark::kMicrosecond);

void BM_DisplayCurve(benchmark::State& state) {
  DisplayPoint points[kDisplayPointCount] = {{20, 0}, {82, 0.5}, {130, 1}};
  double curve[frequency_axis::kGridPoints];
  for (auto _ : state) {
    points[1].weight = points[1].weight > 0.5 ? 0.4 : 0.6;
    computeDisplayCurve(curve, points);
    benchmark::DoNotOptimize(curve);
  }
}
BENCHMARK(BM_DisplayCurve);

// One plot drawn into a target of the graph's size, as the graph's redraw does.
template <typename Plot>
void drawPlot(benchmark::State& state, Plot* plot) {
  COffscreenContext* target = COffscreenContext::create(nullptr, 580, 290);
  for (auto _ : state) {
    plot->drawRect(target, plot->getViewSize());
    target->endDraw();
  }
  target->forget();
}

void BM_FreqDbPlotRedraw(benchmark::State& state) {
  Editor editor;
  drawPlot(state, editor.graph->getFreqDbPlot());
}
BENCHMARK(BM_FreqDbPlotRedraw)->Unit(benchmark::kMicrosecond);

void BM_FreqPlotRedraw(benchmark::State& state) {
  Editor editor;
  drawPlot(state, editor.graph->getFreqPlot());
}
BENCHMARK(BM_FreqPlotRedraw)->Unit(benchmark::kMicrosecond);

void BM_PolarPlotRedraw(benchmark::State& state) {
  Editor editor;
  drawPlot(state, editor.graph->getPolarPlot(1));
}
BENCHMARK(BM_PolarPlotRedraw)->Unit(benchmark::kMicrosecond);

}  // namespace

Steinberg::IPlugView* Steinberg::Vst::createPlugInView(VST_PlugInController* controller) {
  return new GraphView(controller);
}

BENCHMARK_MAIN();
