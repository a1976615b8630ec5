#pragma once
// A frequency graph as the editor has it: in an offscreen 780 x 380 frame at the
// editor's place, wired to the real edit controller, which a recording component
// handler stands behind. A small view stands in for the editor view: attached to the
// controller, it forwards parameters 0 to 5 to the graph, so a graph's performEdit
// really comes back to it through the controller. Mouse input goes through the
// frame's own routing, in graph coordinates.

#include <gtest/gtest.h>

#include <vector>

#include "controller/vst_plugin_controller.h"
#include "host/component_handler.h"
#include "host/host_context.h"
#include "micdata/microphone_data.h"
#include "plots/freq_db_plot.h"
#include "plots/freq_graph.h"
#include "plots/freq_plot.h"
#include "plots/graph_control.h"
#include "plots/polar_plot.h"
#include "public.sdk/source/vst/vsteditcontroller.h"
#include "toolkit/platform/offscreen_frame.h"
#include "toolkit/vstgui.h"

namespace plots_test {

using namespace VSTGUI;

inline constexpr CRect kGraphRect(181, 54, 761, 344);
inline constexpr CColor kFrameBackground{255, 255, 255, 255};

// The editor view's part for the graph: parameters 0 to 5 go to it.
class GraphViewTarget : public Steinberg::Vst::EditorView,
                        public Steinberg::Vst::PlugIn_ViewTarget {
 public:
  explicit GraphViewTarget(Steinberg::Vst::EditController* controller) : EditorView(controller) {}
  void updateParameter(Steinberg::Vst::ParamID tag, float plain) override {
    reports.push_back({tag, plain});
    if (graph != nullptr && tag < 6) graph->updateParameter(static_cast<int32_t>(tag), plain);
  }
  void updateLevels(Steinberg::uint32 /*kind*/, const void* /*values*/) override {}

  struct Report {
    Steinberg::Vst::ParamID tag;
    float plain;
  };
  FreqGraph* graph = nullptr;
  std::vector<Report> reports;
};

class GraphTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Mouse input at graph coordinates, through the frame.
  void press(const CPoint& at, int32_t buttons = kLButton);
  void move(const CPoint& at, int32_t buttons = kLButton);
  void release(const CPoint& at, int32_t buttons = kLButton);
  // A drag from the handle's centre by (dx, dy) in `steps` moves, modifiers as given.
  void drag(FreqGraph::Handle handle, CPoint by, int32_t modifiers = 0, int steps = 1);

  // Repaints and reads a pixel at graph coordinates.
  CColor pixel(int x, int y);
  // Saves the frame as <name>.png in the test's temporary folder, to look at.
  void writePicture(const char* name);

  // The plain value the controller holds for a parameter.
  double plainValue(ParameterId id) const;
  // The host's record of performEdits for one parameter, as plain values.
  std::vector<double> performedPlain(ParameterId id) const;
  int performCount() const;

  GraphControl& handle(FreqGraph::Handle which) const { return *graph->getHandle(which); }
  // Sets a parameter as the host does (automation): normalized, through the controller.
  void automate(ParameterId id, double plain);

  host::HostContext context;
  host::ComponentHandler handler;
  Steinberg::IPtr<Steinberg::Vst::VST_PlugInController> controller;
  Steinberg::IPtr<GraphViewTarget> view;
  MicrophoneData* microphones = nullptr;
  CFrame* frame = nullptr;
  FreqGraph* graph = nullptr;
};

}  // namespace plots_test
