// The edit controller with editor views of this test: the list of open views, edits
// made in a view, and level messages passed on to the views.

#include "controller/vst_plugin_controller.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

#include "controller/editor_view_factory.h"
#include "host/component_handler.h"
#include "host/host_context.h"
#include "pluginterfaces/vst/ivstmessage.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

// An editor view that records what the controller tells it.
class RecordingView : public EditorView, public PlugIn_ViewTarget {
 public:
  explicit RecordingView(EditController* controller) : EditorView(controller) {}

  void updateParameter(ParamID tag, float plain) override { parameters.emplace_back(tag, plain); }
  void updateLevels(uint32 kind, const void* values) override {
    levelKinds.push_back(kind);
    const auto* floats = static_cast<const float*>(values);
    levels.assign(floats, floats + VST_PlugInController::kLevelCount);
  }

  void attach() { ASSERT_EQ(attached(nullptr, kPlatformTypeX11EmbedWindowID), kResultOk); }

  std::vector<std::pair<ParamID, float>> parameters;
  std::vector<uint32> levelKinds;
  std::vector<float> levels;
};

class ControllerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(controller->initialize(&context), kResultOk);
    controller->setComponentHandler(&handler);
  }
  void TearDown() override { controller->terminate(); }

  IPtr<RecordingView> openView() {
    IPtr<IPlugView> view = owned(controller->createView(ViewType::kEditor));
    auto* recording = dynamic_cast<RecordingView*>(view.get());
    EXPECT_NE(recording, nullptr);
    if (recording != nullptr) recording->attach();
    return IPtr<RecordingView>(recording);
  }

  static IPtr<IMessage> message(const char* id) {
    IPtr<IMessage> made = owned(new HostMessage());
    made->setMessageID(id);
    return made;
  }

  host::HostContext context;
  host::ComponentHandler handler;
  IPtr<VST_PlugInController> controller = owned(static_cast<VST_PlugInController*>(
      static_cast<IEditController*>(VST_PlugInController::createInstance(nullptr))));
};

}  // namespace

// The module's editor in this test: a view that records.
IPlugView* Steinberg::Vst::createPlugInView(VST_PlugInController* controller) {
  return new RecordingView(controller);
}

TEST_F(ControllerTest, AttachedViewsGetEveryParameterThenEveryChangeUntilRemoved) {
  IPtr<RecordingView> first = openView();
  IPtr<RecordingView> second = openView();
  ASSERT_EQ(controller->openViewCount(), 2u);
  ASSERT_EQ(first->parameters.size(), kParameterCount);
  for (ParameterId id = 0; id < kParameterCount; ++id) {
    EXPECT_EQ(first->parameters[id].first, id);
    EXPECT_FLOAT_EQ(first->parameters[id].second, static_cast<float>(parameterDefault(id)));
  }

  controller->setParamNormalized(kLowFrequency, 0.5);
  EXPECT_EQ(first->parameters.back(), (std::pair<ParamID, float>{kLowFrequency, 60.0f}));
  EXPECT_EQ(second->parameters.back(), first->parameters.back());

  ASSERT_EQ(first->removed(), kResultOk);
  EXPECT_EQ(controller->openViewCount(), 1u);
  controller->setParamNormalized(kMidType, 0.25);
  EXPECT_EQ(first->parameters.back().first, kLowFrequency);
  EXPECT_EQ(second->parameters.back(), (std::pair<ParamID, float>{kMidType, 0.25f}));

  // A view that is not the plug-in's editor is none of the controller's business.
  IPtr<EditorView> stranger = owned(new EditorView(controller));
  stranger->attached(nullptr, kPlatformTypeX11EmbedWindowID);
  EXPECT_EQ(controller->openViewCount(), 1u);
  stranger->removed();
}

TEST_F(ControllerTest, AnEditTakesAPlainValueAndTellsTheHostTheNormalizedOne) {
  IPtr<RecordingView> view = openView();
  EXPECT_EQ(controller->performEdit(kLowFrequency, 60.0), kResultOk);
  EXPECT_EQ(controller->getParamNormalized(kLowFrequency), 0.5);
  EXPECT_EQ(view->parameters.back(), (std::pair<ParamID, float>{kLowFrequency, 60.0f}));

  EXPECT_EQ(controller->performEdit(kSoloState, 5.0), kResultOk);
  const double fiveSixths = static_cast<float>(5.0 / 6.0);
  EXPECT_EQ(view->parameters.back(), (std::pair<ParamID, float>{kSoloState, 5.0f}));
  ASSERT_EQ(handler.edits().size(), 2u);
  EXPECT_EQ(handler.edits()[0].value, 0.5);
  EXPECT_EQ(handler.edits()[1].id, kSoloState);
  EXPECT_EQ(handler.edits()[1].value, fiveSixths);
  EXPECT_EQ(parameterInteger(view->parameters.back().second), 5);

  // Without a host to tell, the edit still reaches the parameter and the views.
  controller->setComponentHandler(nullptr);
  EXPECT_EQ(controller->performEdit(kHighType, 1.0), kResultFalse);
  EXPECT_EQ(controller->getParamNormalized(kHighType), 1.0);
  EXPECT_EQ(view->parameters.back(), (std::pair<ParamID, float>{kHighType, 1.0f}));
  view->removed();
}

TEST_F(ControllerTest, UntrustedValuesAreClampedBeforeAnyViewSeesThem) {
  IPtr<RecordingView> view = openView();
  controller->setParamNormalized(kMidFrequency, 2.0);
  EXPECT_EQ(view->parameters.back(), (std::pair<ParamID, float>{kMidFrequency, 3000.0f}));
  controller->setParamNormalized(kLowType, std::numeric_limits<double>::quiet_NaN());
  EXPECT_EQ(controller->getParamNormalized(kLowType), 0.5);
  EXPECT_EQ(view->parameters.back(), (std::pair<ParamID, float>{kLowType, 0.5f}));
  controller->performEdit(kMicLOmniGain, std::numeric_limits<double>::infinity());
  EXPECT_EQ(handler.edits().back().value, 1.0);
  view->removed();
}

TEST_F(ControllerTest, LevelMessagesReachEveryOpenViewCutToTheBlock) {
  IPtr<RecordingView> view = openView();
  std::vector<float> sent(2 * VST_PlugInController::kLevelCount, 0.75f);
  for (int k = 0; k < VST_PlugInController::kLevelCount; ++k) sent[k] = 0.125f * (k + 1);
  IPtr<IMessage> levels = message("gainData");
  levels->getAttributes()->setBinary("vuValue", sent.data(),
                                     static_cast<uint32>(sent.size() * sizeof(float)));
  EXPECT_EQ(controller->notify(levels), kResultFalse);
  ASSERT_EQ(view->levelKinds, std::vector<uint32>{65536});
  EXPECT_EQ(view->levels,
            std::vector<float>(sent.begin(), sent.begin() + VST_PlugInController::kLevelCount));

  // No "vuValue", or another message: nothing changes.
  EXPECT_EQ(controller->notify(message("gainData")), kResultFalse);
  IPtr<IMessage> other = message("gainDatum");
  other->getAttributes()->setBinary("vuValue", sent.data(), 4);
  EXPECT_EQ(controller->notify(other), kResultFalse);
  EXPECT_EQ(view->levelKinds.size(), 1u);
  EXPECT_EQ(controller->levelBlock()[0], 0.125f);
  view->removed();
}

TEST_F(ControllerTest, OnlyTheExactNameEditorMakesAView) {
  IPtr<IPlugView> view = owned(controller->createView("editor"));
  EXPECT_NE(view.get(), nullptr);
  EXPECT_EQ(controller->createView("Editor"), nullptr);
  EXPECT_EQ(controller->createView("editor2"), nullptr);
  EXPECT_EQ(controller->createView(nullptr), nullptr);
  // Made, not attached: not yet open.
  EXPECT_EQ(controller->openViewCount(), 0u);
}

TEST_F(ControllerTest, AViewDestroyedWithoutBeingRemovedLeavesTheList) {
  IPtr<RecordingView> view = openView();
  ASSERT_EQ(controller->openViewCount(), 1u);
  view = nullptr;
  EXPECT_EQ(controller->openViewCount(), 0u);
  controller->setParamNormalized(kLowType, 1.0);

  IPtr<RecordingView> another = openView();
  controller->terminate();
  EXPECT_EQ(controller->openViewCount(), 0u);
}
