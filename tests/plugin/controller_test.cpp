// The edit controller of the real bundle as the host sees it: its parameters, the
// processor's state, views and messages.

#include "pluginterfaces/base/ustring.h"
#include "pluginterfaces/vst/ivstmessage.h"
#include "pluginterfaces/vst/ivstunits.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"
#include "tests/plugin/plugin_fixture.h"
#include "tests/plugin/system_facts.h"

using namespace Steinberg;
using namespace plugin_test;

namespace {

std::string ascii(const Vst::String128 text) {
  char buffer[128] = {};
  UString(const_cast<char16*>(text), 128).toAscii(buffer, sizeof buffer);
  return buffer;
}

}  // namespace

TEST_F(PluginTest, TheHostSeesEveryParameterWithItsDefault) {
  Vst::IEditController& controller = *plugin->controller();
  ASSERT_EQ(controller.getParameterCount(), static_cast<int32>(kParameterCount));
  for (ParameterId id = 0; id < kParameterCount; ++id) {
    SCOPED_TRACE(parameterTitle(id));
    Vst::ParameterInfo info{};
    ASSERT_EQ(controller.getParameterInfo(static_cast<int32>(id), info), kResultTrue);
    EXPECT_EQ(info.id, id);
    EXPECT_EQ(ascii(info.title), parameterTitle(id));
    EXPECT_EQ(ascii(info.units), parameterUnits(id));
    EXPECT_EQ(ascii(info.shortTitle), "");
    EXPECT_EQ(info.stepCount, 0);
    EXPECT_EQ(info.flags, Vst::ParameterInfo::kCanAutomate);
    EXPECT_EQ(info.unitId, Vst::kRootUnitId);
    EXPECT_DOUBLE_EQ(info.defaultNormalizedValue, parameterNormalizedDefault(id));
    // The host handed over the processor's state: the defaults in single precision.
    EXPECT_DOUBLE_EQ(controller.getParamNormalized(id),
                     static_cast<float>(parameterNormalizedDefault(id)));
  }
}

TEST_F(PluginTest, TheControllerTakesTheProcessorStateWholeOrNotAtAll) {
  Vst::IEditController& controller = *plugin->controller();
  std::vector<float> values(kParameterCount, 1.0f);
  ASSERT_EQ(controller.setComponentState(host::streamOf(stateOf(values))), kResultOk);
  EXPECT_EQ(controller.getParamNormalized(kParameterCount - 1), 1.0);

  // A fresh processor's state sets every default again.
  ASSERT_EQ(controller.setComponentState(host::streamOf(stateOf(defaultState()))), kResultOk);
  for (ParameterId id = 0; id < kParameterCount; ++id)
    EXPECT_DOUBLE_EQ(controller.getParamNormalized(id),
                     static_cast<float>(parameterNormalizedDefault(id)));

  // The fifth read fails (two bytes are all there is): nothing is set.
  host::StateBytes bytes = stateOf(std::vector<float>(kParameterCount, 0.0f));
  bytes.resize(4 * 4 + 2);
  EXPECT_EQ(controller.setComponentState(host::streamOf(bytes)), kResultFalse);
  for (ParameterId id = 0; id < kParameterCount; ++id)
    EXPECT_DOUBLE_EQ(controller.getParamNormalized(id),
                     static_cast<float>(parameterNormalizedDefault(id)));
}

TEST_F(PluginTest, OnlyTheNameEditorAsksForAView) {
  IPlugView* view = plugin->createView("editor");
  ASSERT_NE(view, nullptr);
  ViewRect size;
  EXPECT_EQ(view->getSize(&size), kResultOk);
  EXPECT_EQ(size.getWidth(), 780);
  EXPECT_EQ(size.getHeight(), 380);
  EXPECT_EQ(view->canResize(), kResultFalse);
  EXPECT_EQ(view->isPlatformTypeSupported(plugin_test::editorPlatformType()), kResultTrue);
  view->release();
  EXPECT_EQ(plugin->createView("Editor"), nullptr);
  EXPECT_EQ(plugin->createView(nullptr), nullptr);
}

TEST_F(PluginTest, TheControllerAnswersEveryMessageWithFalse) {
  FUnknownPtr<Vst::IConnectionPoint> controller(plugin->controller());
  ASSERT_TRUE(controller);
  for (const char* id : {"gainData", "somethingElse"}) {
    IPtr<Vst::IMessage> message = owned(new Vst::HostMessage());
    message->setMessageID(id);
    const float levels[4] = {1.0f, 0.5f, 0.25f, 0.125f};
    message->getAttributes()->setBinary("vuValue", levels, sizeof levels);
    EXPECT_EQ(controller->notify(message), kResultFalse) << id;
  }
  EXPECT_EQ(controller->notify(nullptr), kResultFalse);
}
