#include "host/parameter_changes.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using namespace Steinberg;
using host::ParameterChanges;

namespace {

std::vector<std::pair<int32, double>> pointsOf(Vst::IParamValueQueue& queue) {
  std::vector<std::pair<int32, double>> points;
  for (int32 i = 0; i < queue.getPointCount(); ++i) {
    int32 offset = 0;
    Vst::ParamValue value = 0;
    EXPECT_EQ(queue.getPoint(i, offset, value), kResultOk);
    points.emplace_back(offset, value);
  }
  return points;
}

}  // namespace

TEST(ParameterChanges, OneQueuePerParameterInTheOrderTheyFirstChange) {
  ParameterChanges changes(2, 4);
  int32 index = -1;
  Vst::IParamValueQueue* gain = changes.addParameterData(7, index);
  ASSERT_NE(gain, nullptr);
  EXPECT_EQ(index, 0);
  EXPECT_EQ(gain->getParameterId(), 7u);
  Vst::IParamValueQueue* frequency = changes.addParameterData(3, index);
  EXPECT_EQ(index, 1);
  EXPECT_EQ(changes.addParameterData(7, index), gain);
  EXPECT_EQ(index, 0);
  EXPECT_EQ(changes.getParameterCount(), 2);
  EXPECT_EQ(changes.getParameterData(1), frequency);
  EXPECT_EQ(changes.getParameterData(2), nullptr);
  EXPECT_EQ(changes.getParameterData(-1), nullptr);

  // Full: no third parameter, and nothing was allocated to try.
  EXPECT_EQ(changes.addParameterData(9, index), nullptr);
  EXPECT_FALSE(changes.addChange(9, 0.5));
}

TEST(ParameterChanges, PointsStayInSampleOrderAndOneOffsetHoldsOneValue) {
  ParameterChanges changes(1, 3);
  int32 index = 0;
  Vst::IParamValueQueue* queue = changes.addParameterData(0, index);
  ASSERT_EQ(queue->addPoint(64, 0.5, index), kResultOk);
  EXPECT_EQ(index, 0);
  ASSERT_EQ(queue->addPoint(0, 0.1, index), kResultOk);
  EXPECT_EQ(index, 0);
  ASSERT_EQ(queue->addPoint(32, 0.3, index), kResultOk);
  EXPECT_EQ(index, 1);
  ASSERT_EQ(queue->addPoint(32, 0.4, index), kResultOk);  // replaces, needs no room
  EXPECT_EQ(index, 1);
  EXPECT_EQ(pointsOf(*queue),
            (std::vector<std::pair<int32, double>>{{0, 0.1}, {32, 0.4}, {64, 0.5}}));

  EXPECT_EQ(queue->addPoint(128, 0.9, index), kResultFalse);  // full
  int32 offset = 0;
  Vst::ParamValue value = 0;
  EXPECT_EQ(queue->getPoint(3, offset, value), kInvalidArgument);
}

TEST(ParameterChanges, ClearEmptiesForTheNextBlockAndReusesTheQueues) {
  ParameterChanges changes(1, 2);
  ASSERT_TRUE(changes.addChange(5, 0.25, 10));
  ASSERT_TRUE(changes.addChange(5, 0.75, 20));
  EXPECT_EQ(changes.getParameterCount(), 1);
  changes.clear();
  EXPECT_EQ(changes.getParameterCount(), 0);
  ASSERT_TRUE(changes.addChange(6, 1.0));
  Vst::IParamValueQueue* queue = changes.getParameterData(0);
  EXPECT_EQ(queue->getParameterId(), 6u);
  EXPECT_EQ(pointsOf(*queue), (std::vector<std::pair<int32, double>>{{0, 1.0}}));
}
