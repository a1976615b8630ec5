// The processor state as a host saves and restores it, including streams that end
// early or fail, and a state loaded while the audio runs.

#include <limits>

#include "tests/engine/engine_test_support.h"
#include "tests/plugin/plugin_fixture.h"

using namespace Steinberg;
using namespace plugin_test;

namespace {

// A stream over fixed bytes whose read number `troubleAt` (from 0) goes wrong: it
// fails, or it reports success but delivers nothing, as some hosts do at the end.
class TroubledStream : public IBStream {
 public:
  enum class Trouble { kFails, kDeliversNothing };
  TroubledStream(host::StateBytes bytes, int troubleAt, Trouble trouble)
      : bytes_(std::move(bytes)), troubleAt_(troubleAt), trouble_(trouble) {}

  tresult PLUGIN_API read(void* buffer, int32 numBytes, int32* numBytesRead) override {
    if (numBytesRead != nullptr) *numBytesRead = 0;
    if (reads_++ == troubleAt_) return trouble_ == Trouble::kFails ? kResultFalse : kResultOk;
    const auto count =
        std::min<std::size_t>(static_cast<std::size_t>(numBytes), bytes_.size() - position_);
    std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    if (numBytesRead != nullptr) *numBytesRead = static_cast<int32>(count);
    return kResultOk;
  }
  tresult PLUGIN_API write(void*, int32, int32*) override { return kResultFalse; }
  tresult PLUGIN_API seek(int64, int32, int64*) override { return kResultFalse; }
  tresult PLUGIN_API tell(int64*) override { return kResultFalse; }
  tresult PLUGIN_API queryInterface(const TUID, void** obj) override {
    *obj = nullptr;
    return kNoInterface;
  }
  uint32 PLUGIN_API addRef() override { return 1; }
  uint32 PLUGIN_API release() override { return 1; }

 private:
  host::StateBytes bytes_;
  std::size_t position_ = 0;
  int reads_ = 0;
  int troubleAt_;
  Trouble trouble_;
};

// A setting away from every default; Solo State set too, which a state never keeps.
std::vector<float> someSetting() {
  std::vector<float> values = {1.0f, 0.25f, 0.0f,        0.5f, 0.75f, 1.0f,
                               1.0f, 0.5f,  5.0f / 6.0f, 1.0f, 0.25f, 0.75f};
  if (LOBESHIFT_STEREO) values.insert(values.end(), {1.0f, 0.0f});
  return values;
}

}  // namespace

TEST_F(PluginTest, AFreshProcessorStoresTheDefaults) {
  auto state = plugin->getState();
  ASSERT_TRUE(state.ok()) << state.error();
  ASSERT_EQ(state->size(), 4u * kParameterCount);
  EXPECT_EQ(valuesOf(*state), defaultState());
}

TEST_F(PluginTest, AStateComesBackWholeWithSoloStateZero) {
  startProcessing(*plugin);
  const std::vector<float> setting = someSetting();
  for (ParameterId id = 0; id < kParameterCount; ++id) plugin->setParameter(id, setting[id]);
  ASSERT_EQ(plugin->process(kBlock), kResultOk);
  auto saved = plugin->getState();
  ASSERT_TRUE(saved.ok());

  std::vector<float> expected = setting;
  expected[kSoloState] = 0.0f;
  const std::vector<float> stored = valuesOf(*saved);
  for (ParameterId id = 0; id < kParameterCount; ++id)
    EXPECT_NEAR(stored[id], expected[id], 1e-6f) << "parameter " << id;

  auto restored = createInstance();
  ASSERT_TRUE(restored);
  ASSERT_TRUE(restored->setState(*saved).ok());
  EXPECT_EQ(valuesOf(*restored->getState()), stored);
  for (ParameterId id = 0; id < kParameterCount; ++id)
    EXPECT_FLOAT_EQ(restored->controller()->getParamNormalized(id), stored[id])
        << "parameter " << id;
}

TEST_F(PluginTest, AStreamThatEndsEarlyIsRefusedWholeAndChangesNothing) {
  const host::StateBytes full = stateOf(someSetting());
  const host::StateBytes short_(full.begin(), full.end() - 2);

  const int last = static_cast<int>(kParameterCount) - 1;
  TroubledStream failing(full, last, TroubledStream::Trouble::kFails);
  TroubledStream empty(full, last, TroubledStream::Trouble::kDeliversNothing);
  const IPtr<MemoryStream> shortStream = host::streamOf(short_);
  for (IBStream* stream : {static_cast<IBStream*>(shortStream.get()),
                           static_cast<IBStream*>(&failing), static_cast<IBStream*>(&empty)}) {
    auto fresh = createInstance();
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->component()->setState(stream), kResultFalse);
    EXPECT_EQ(valuesOf(*fresh->getState()), defaultState());
  }
  EXPECT_EQ(plugin->component()->setState(nullptr), kInvalidArgument);
}

TEST_F(PluginTest, UntrustedStateValuesAreClampedAndNaNMeansTheDefault) {
  std::vector<float> values = defaultState();
  values[kLowType] = std::numeric_limits<float>::quiet_NaN();
  values[kMidFrequency] = 3.0f;
  values[kHighFrequency] = -1.0f;
  values[kMicLOmniGain] = -std::numeric_limits<float>::infinity();
  ASSERT_TRUE(plugin->setState(stateOf(values)).ok());

  const std::vector<float> stored = valuesOf(*plugin->getState());
  EXPECT_EQ(stored[kLowType], 0.5f);
  EXPECT_EQ(stored[kMidFrequency], 1.0f);
  EXPECT_EQ(stored[kHighFrequency], 0.0f);
  EXPECT_EQ(stored[kMicLOmniGain], 0.0f);
  EXPECT_EQ(plugin->controller()->getParamNormalized(kLowType), 0.5);
  EXPECT_EQ(plugin->controller()->getParamNormalized(kMidFrequency), 1.0);
}

TEST_F(PluginTest, AStateLoadedWhileProcessingShowsAtOnceAndReachesTheNextBlockFirst) {
  startProcessing(*plugin);
  std::vector<float> setting = defaultState();
  setting[kLowType] = 1.0f;
  setting[kMidType] = 0.0f;
  setting[kMicLEightGain] = 0.9f;
  ASSERT_TRUE(plugin->setState(stateOf(setting)).ok());
  // Before any block: getState tells what was set.
  EXPECT_EQ(valuesOf(*plugin->getState()), setting);

  // The block's own change comes after the loaded state.
  plugin->nextInputChanges().addChange(kMidType, 0.75);
  setting[kMidType] = 0.75f;
  host::Channels inputs;
  for (int channel = 0; channel < kInputChannels; ++channel)
    inputs.push_back(noise(3 * kLatency, 5u + static_cast<std::uint32_t>(channel)));
  const host::Channels output = render(*plugin, inputs);
  EXPECT_EQ(valuesOf(*plugin->getState())[kMidType], 0.75f);

  // The whole signal went through engines set that way from its first sample.
  PlugIn_DirectivityEngine reference(kSampleRate);
  applyToEngine(reference, 0, sentAll(setting));
  EXPECT_EQ(output[0], runEngine(reference, inputs[0], inputs[kPairCount], kBlock));
}
