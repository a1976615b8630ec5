// The program chunk is the processor state, byte for byte the VST 3 state, and a
// chunk from the host is taken the way the VST 3 state is: a short one is refused and
// changes nothing, a long one is read up to the state's end, NaN becomes
// the default, and a size of 0 or gigabytes loads nothing.

#include <limits>

#include "vst2_fixture.h"

namespace vst2_test {
namespace {

std::vector<float> someSetting() {
  std::vector<float> values = figureEightSetting();
  values[kLowFrequency] = 0.75f;
  values[kMicOmniType] = 0.5f;  // index 1
  return values;
}

class Vst2Chunk : public ::testing::Test {
 protected:
  void SetUp() override {
    plugin_ = openVst2();
    ASSERT_TRUE(plugin_);
  }
  std::unique_ptr<host::Vst2Plugin> plugin_;
};

TEST_F(Vst2Chunk, IsTheVst3StateByteForByte) {
  auto vst3 = openVst3();
  ASSERT_TRUE(vst3);
  const auto values = someSetting();
  for (ParameterId id = 0; id < kParameterCount; ++id) {
    plugin_->setParameter(static_cast<int>(id), values[id]);
    vst3->setParameter(id, values[id]);
  }
  // Both processors take the values with their next block.
  plugin_->resume(kSampleRate, kBlock);
  plugin_->render(distinctSignals(kInputChannels, kBlock), kBlock);
  ASSERT_TRUE(vst3->setupProcessing(kSampleRate, kBlock).ok());
  ASSERT_TRUE(vst3->activate().ok());
  ASSERT_EQ(vst3->process(kBlock), Steinberg::kResultOk);
  auto state = vst3->getState();
  ASSERT_TRUE(state.ok());
  const auto chunk = plugin_->chunk();
  EXPECT_EQ(chunk.size(), kParameterCount * sizeof(float));
  EXPECT_EQ(chunk, *state);
}

TEST_F(Vst2Chunk, ComesBackIntoAFreshEffect) {
  plugin_->resume(kSampleRate, kBlock);
  const auto values = someSetting();
  for (ParameterId id = 0; id < kParameterCount; ++id)
    plugin_->setParameter(static_cast<int>(id), values[id]);
  plugin_->render(distinctSignals(kInputChannels, kBlock), kBlock);
  const auto chunk = plugin_->chunk();

  auto restored = openVst2();
  ASSERT_TRUE(restored);
  EXPECT_EQ(restored->setChunk(chunk), 1);
  EXPECT_EQ(parametersOf(*restored), valuesOf(chunk));
  EXPECT_EQ(restored->chunk(), chunk);
  // And it sounds the same as the effect it came from.
  restored->resume(kSampleRate, kBlock);
  auto original = openVst2();
  original->resume(kSampleRate, kBlock);
  for (ParameterId id = 0; id < kParameterCount; ++id)
    original->setParameter(static_cast<int>(id), values[id]);
  const auto input = distinctSignals(kInputChannels, 2 * kLatency);
  EXPECT_EQ(restored->render(input, kBlock), original->render(input, kBlock));
}

TEST_F(Vst2Chunk, AShortChunkIsRefusedAndChangesNothing) {
  const auto values = someSetting();
  const std::vector<float> firstFive(values.begin(), values.begin() + 5);
  EXPECT_EQ(plugin_->setChunk(bytesOf(firstFive)), 0);
  EXPECT_EQ(parametersOf(*plugin_), defaultParameters());
  // Three bytes are no value at all.
  auto ragged = bytesOf(values);
  ragged.resize(3 * sizeof(float) + 3);
  EXPECT_EQ(plugin_->setChunk(ragged), 0);
}

TEST_F(Vst2Chunk, ALongChunkIsReadUpToTheStatesEnd) {
  const auto values = someSetting();
  auto bytes = bytesOf(values);
  bytes.resize(bytes.size() + 1000, '\x55');
  EXPECT_EQ(plugin_->setChunk(bytes), 1);
  auto expected = values;
  EXPECT_EQ(parametersOf(*plugin_), expected);
}

TEST_F(Vst2Chunk, NotANumberBecomesTheDefaultAndOutOfRangeIsClamped) {
  auto values = someSetting();
  values[kMidType] = std::numeric_limits<float>::quiet_NaN();
  values[kLowType] = 5.0f;
  values[kHighType] = -std::numeric_limits<float>::infinity();
  EXPECT_EQ(plugin_->setChunk(bytesOf(values)), 1);
  const auto loaded = parametersOf(*plugin_);
  EXPECT_FLOAT_EQ(loaded[kMidType], static_cast<float>(parameterNormalizedDefault(kMidType)));
  EXPECT_EQ(loaded[kLowType], 1.0f);
  EXPECT_EQ(loaded[kHighType], 0.0f);
  for (float value : valuesOf(plugin_->chunk())) EXPECT_TRUE(value >= 0.0f && value <= 1.0f);
}

TEST_F(Vst2Chunk, ZeroOrAbsurdSizesLoadNothing) {
  const auto values = someSetting();
  auto bytes = bytesOf(values);
  for (VstIntPtr size : {VstIntPtr{0}, VstIntPtr{-1}, VstIntPtr{-56}, VstIntPtr{1} << 32,
                         std::numeric_limits<VstIntPtr>::max()}) {
    SCOPED_TRACE(size);
    EXPECT_EQ(plugin_->dispatch(effSetChunk, 0, size, bytes.data()), 0);
    EXPECT_EQ(plugin_->dispatch(effSetChunk, 1, size, bytes.data()), 0);
  }
  EXPECT_EQ(plugin_->dispatch(effSetChunk, 0, 56, nullptr), 0);
  EXPECT_EQ(plugin_->dispatch(effGetChunk, 0, 0, nullptr), 0);
  EXPECT_EQ(parametersOf(*plugin_), defaultParameters());
}

TEST_F(Vst2Chunk, LoadingSupersedesEarlierAutomation) {
  plugin_->resume(kSampleRate, kBlock);
  const auto values = someSetting();
  plugin_->setParameter(kLowFrequency, 0.1f);  // not yet taken by a block
  EXPECT_EQ(plugin_->setChunk(bytesOf(values)), 1);
  plugin_->render(distinctSignals(kInputChannels, kBlock), kBlock);
  EXPECT_FLOAT_EQ(valuesOf(plugin_->chunk())[kLowFrequency], values[kLowFrequency]);
}

}  // namespace
}  // namespace vst2_test
