// The controller's edits as a VST 2 host hears them: begin, automate and end with the
// parameter's VST 2 index, and the edited value on its way to the processor.

#include <gtest/gtest.h>

#include <vector>

#include "sdk/vst2_component_handler.h"

namespace {

using namespace Steinberg::Vst;

struct Heard {
  int opcode;
  int index;
  float value;
};
std::vector<Heard> gHeard;

VstIntPtr recordingHost(AEffect*, int opcode, int index, VstIntPtr, void*, float opt) {
  gHeard.push_back({opcode, index, opt});
  return 0;
}

// A handler for three parameters with IDs unlike their indexes, and a host that records.
class Vst2ComponentHandlerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gHeard.clear();
    slots.allocate(3);
  }
  const Vst2HostCallback host{&recordingHost, nullptr};
  const std::vector<ParamID> ids = {100, 200, 300};
  Vst2ParameterSlots slots;
  Vst2ComponentHandler handler{host, ids, slots};
};

TEST_F(Vst2ComponentHandlerTest, ReportsEditsByIndexAndOwesThemToTheProcessor) {
  EXPECT_EQ(handler.beginEdit(200), Steinberg::kResultOk);
  EXPECT_EQ(handler.performEdit(200, 0.625), Steinberg::kResultOk);
  EXPECT_EQ(handler.endEdit(200), Steinberg::kResultOk);
  ASSERT_EQ(gHeard.size(), 3u);
  EXPECT_EQ(gHeard[0].opcode, audioMasterBeginEdit);
  EXPECT_EQ(gHeard[1].opcode, audioMasterAutomate);
  EXPECT_EQ(gHeard[1].value, 0.625f);
  EXPECT_EQ(gHeard[2].opcode, audioMasterEndEdit);
  for (const Heard& heard : gHeard) EXPECT_EQ(heard.index, 1);

  int owedToProcessor = 0;
  slots.takeForProcessor([&](Steinberg::int32 index, ParamValue value) {
    EXPECT_EQ(index, 1);
    EXPECT_EQ(value, 0.625);
    ++owedToProcessor;
  });
  EXPECT_EQ(owedToProcessor, 1);
  // The controller made the edit; it is owed nothing back.
  slots.takeForController([](Steinberg::int32, ParamValue) { ADD_FAILURE(); });
}

TEST_F(Vst2ComponentHandlerTest, UnknownParametersReachNeitherHostNorProcessor) {
  EXPECT_NE(handler.beginEdit(5), Steinberg::kResultOk);
  EXPECT_NE(handler.performEdit(5, 0.5), Steinberg::kResultOk);
  EXPECT_NE(handler.endEdit(5), Steinberg::kResultOk);
  EXPECT_TRUE(gHeard.empty());
  slots.takeForProcessor([](Steinberg::int32, ParamValue) { ADD_FAILURE(); });
}

}  // namespace
