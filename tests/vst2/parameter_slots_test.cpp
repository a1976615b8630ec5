// Parameter values between a VST 2 host, the processor and the controller: who is
// owed which value, and the fixed room of one block's changes.

#include <gtest/gtest.h>

#include <map>

#include "sdk/vst2_block_changes.h"
#include "sdk/vst2_parameter_slots.h"

namespace {

using Steinberg::Vst::ParamValue;
using Steinberg::Vst::Vst2BlockChanges;
using Steinberg::Vst::Vst2ParameterSlots;

std::map<int, ParamValue> takenByProcessor(Vst2ParameterSlots& slots) {
  std::map<int, ParamValue> taken;
  slots.takeForProcessor([&](Steinberg::int32 index, ParamValue value) { taken[index] = value; });
  return taken;
}

std::map<int, ParamValue> takenByController(Vst2ParameterSlots& slots) {
  std::map<int, ParamValue> taken;
  slots.takeForController([&](Steinberg::int32 index, ParamValue value) { taken[index] = value; });
  return taken;
}

TEST(Vst2ParameterSlots, AHostValueIsOwedToBothSidesOnce) {
  Vst2ParameterSlots slots;
  slots.allocate(4);
  slots.setFromHost(2, 0.25);
  slots.setFromHost(2, 0.75);  // the later value is the one handed on
  EXPECT_EQ(slots.value(2), 0.75);
  EXPECT_EQ(takenByProcessor(slots), (std::map<int, ParamValue>{{2, 0.75}}));
  EXPECT_TRUE(takenByProcessor(slots).empty());
  EXPECT_EQ(takenByController(slots), (std::map<int, ParamValue>{{2, 0.75}}));
  EXPECT_TRUE(takenByController(slots).empty());
}

TEST(Vst2ParameterSlots, AControllerEditIsOwedToTheProcessorOnly) {
  Vst2ParameterSlots slots;
  slots.allocate(4);
  slots.setFromController(1, 0.5);
  EXPECT_TRUE(takenByController(slots).empty());
  EXPECT_EQ(takenByProcessor(slots), (std::map<int, ParamValue>{{1, 0.5}}));
}

TEST(Vst2ParameterSlots, ASettledValueIsOwedToNobody) {
  Vst2ParameterSlots slots;
  slots.allocate(4);
  slots.setFromHost(3, 0.1);
  slots.settle(3, 0.9);
  EXPECT_EQ(slots.value(3), 0.9);
  EXPECT_TRUE(takenByProcessor(slots).empty());
  EXPECT_TRUE(takenByController(slots).empty());
}

TEST(Vst2ParameterSlots, IndexesOutOfRangeAreIgnored) {
  Vst2ParameterSlots slots;
  EXPECT_EQ(slots.count(), 0);
  slots.setFromHost(0, 1.0);
  slots.allocate(2);
  for (int index : {-1, 2, 1 << 30}) {
    slots.setFromHost(index, 1.0);
    slots.setFromController(index, 1.0);
    slots.settle(index, 1.0);
    EXPECT_EQ(slots.value(index), 0.0);
  }
  EXPECT_TRUE(takenByProcessor(slots).empty());
}

TEST(Vst2BlockChanges, HoldsOneValuePerParameterUpToItsRoom) {
  Vst2BlockChanges changes;
  changes.allocate(2);
  EXPECT_TRUE(changes.add(7, 0.5));
  EXPECT_TRUE(changes.add(3, 0.25));
  EXPECT_FALSE(changes.add(4, 1.0));
  ASSERT_EQ(changes.getParameterCount(), 2);
  auto* queue = changes.getParameterData(1);
  ASSERT_NE(queue, nullptr);
  EXPECT_EQ(queue->getParameterId(), 3u);
  ASSERT_EQ(queue->getPointCount(), 1);
  Steinberg::int32 offset = -1;
  ParamValue value = 0.0;
  EXPECT_EQ(queue->getPoint(0, offset, value), Steinberg::kResultOk);
  EXPECT_EQ(offset, 0);
  EXPECT_EQ(value, 0.25);
  EXPECT_NE(queue->getPoint(1, offset, value), Steinberg::kResultOk);
  EXPECT_EQ(changes.getParameterData(2), nullptr);
  EXPECT_EQ(changes.getParameterData(-1), nullptr);
  Steinberg::int32 index = 0;
  EXPECT_EQ(changes.addParameterData(9, index), nullptr);
  changes.clear();
  EXPECT_EQ(changes.getParameterCount(), 0);
}

}  // namespace
