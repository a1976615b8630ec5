// What a careless or hostile host may do: no version, calls before effOpen and after
// effClose, opcodes the plug-in does not know, null pointers, absurd arguments. Every
// one gets zero and nothing breaks.

#include <set>

#include "vst2_fixture.h"

namespace vst2_test {
namespace {

TEST(Vst2Lifecycle, AHostWithoutAVersionGetsNoEffect) {
  host::Vst2HostOptions options;
  options.version = 0;
  auto loaded = host::Vst2Plugin::load(modulePath(), options);
  ASSERT_FALSE(loaded.ok());
  EXPECT_EQ(loaded.error(), "VSTPluginMain returned no effect");
}

TEST(Vst2Lifecycle, TheEntryAsksTheHostsVersionFirst) {
  auto plugin = loadVst2();
  ASSERT_TRUE(plugin);
  const auto calls = plugin->calls();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.front().opcode, audioMasterVersion);
}

TEST(Vst2Lifecycle, TheDispatcherAnswersNothingBeforeEffOpen) {
  auto plugin = loadVst2();
  ASSERT_TRUE(plugin);
  EXPECT_EQ(plugin->text(effGetEffectName), "");
  EXPECT_EQ(plugin->dispatch(effGetVstVersion), 0);
  EXPECT_EQ(plugin->dispatch(effMainsChanged, 0, 1), 0);
  plugin->open();
  EXPECT_EQ(plugin->text(effGetEffectName), lobeshift::kProcessorName);
}

TEST(Vst2Lifecycle, TheRecordAnswersZeroAfterEffClose) {
  auto plugin = runningVst2();
  ASSERT_TRUE(plugin);
  plugin->close();
  EXPECT_EQ(plugin->dispatch(effGetVstVersion), 0);
  EXPECT_EQ(plugin->text(effGetParamName, 0), "");
  EXPECT_EQ(plugin->dispatch(effClose), 0);  // a second close
  EXPECT_EQ(plugin->getParameter(0), 0.0f);
  plugin->setParameter(0, 0.5f);
  std::vector<float> samples(kBlock, 1.0f);
  std::vector<float*> channels(static_cast<std::size_t>(kInputChannels), samples.data());
  plugin->effect()->processReplacing(plugin->effect(), channels.data(), channels.data(), kBlock);
  EXPECT_EQ(samples[0], 1.0f);  // nothing processed, nothing written
}

TEST(Vst2Lifecycle, ClosingWithoutOpeningReleasesEverything) {
  auto plugin = loadVst2();
  ASSERT_TRUE(plugin);
  plugin->close();
  EXPECT_TRUE(plugin->isClosed());
}

TEST(Vst2Lifecycle, TwoEffectsOfTheModuleLiveSideBySide) {
  auto first = openVst2();
  auto second = openVst2();
  ASSERT_TRUE(first && second);
  first->setParameter(kLowType, 0.125f);
  EXPECT_FLOAT_EQ(second->getParameter(kLowType), 0.5f);
  first->close();
  EXPECT_EQ(second->text(effGetEffectName), lobeshift::kProcessorName);
}

TEST(Vst2Lifecycle, UnknownOpcodesAndNullPointersAnswerZero) {
  auto plugin = openVst2();
  ASSERT_TRUE(plugin);
  // What the wrapper answers with something other than 0 even without arguments.
  const std::set<int> answered = {
      effSetProgram,       effGetVendorVersion, effGetPlugCategory,
      effGetVstVersion,    effIdentify,         effGetCurrentMidiProgram,
      effString2Parameter, effCanBeAutomated,   effSetProcessPrecision};
  for (int opcode = 0; opcode < 256; ++opcode) {
    if (opcode == effClose || opcode == effOpen) continue;
    SCOPED_TRACE(opcode);
    const VstIntPtr result = plugin->dispatch(opcode, 0, 0, nullptr, 0.0f);
    if (answered.count(opcode) == 0) {
      EXPECT_EQ(result, 0);
    }
    // Out-of-range indexes and absurd values are refused as well.
    plugin->dispatch(opcode, 1 << 30, -1, nullptr, -1.0f);
  }
  EXPECT_EQ(plugin->dispatch(100000), 0);
  EXPECT_EQ(plugin->dispatch(-1), 0);
  EXPECT_EQ(plugin->text(effGetEffectName), lobeshift::kProcessorName);
}

TEST(Vst2Lifecycle, AbsurdRatesAndBlockSizesAreRefused) {
  auto plugin = openVst2();
  ASSERT_TRUE(plugin);
  EXPECT_EQ(plugin->dispatch(effSetSampleRate, 0, 0, nullptr, 0.0f), 0);
  EXPECT_EQ(plugin->dispatch(effSetSampleRate, 0, 0, nullptr, -44100.0f), 0);
  EXPECT_EQ(plugin->dispatch(effSetSampleRate, 0, 0, nullptr, std::nanf("")), 0);
  EXPECT_EQ(plugin->dispatch(effSetBlockSize, 0, 0), 0);
  EXPECT_EQ(plugin->dispatch(effSetBlockSize, 0, VstIntPtr{1} << 40), 0);
  EXPECT_EQ(plugin->dispatch(effSetSampleRate, 0, 0, nullptr, 96000.0f), 1);
  EXPECT_EQ(plugin->dispatch(effSetBlockSize, 0, 256), 1);
}

TEST(Vst2Lifecycle, ProcessingBeforeMainsOnGivesSilence) {
  auto plugin = openVst2();
  ASSERT_TRUE(plugin);
  const auto out = plugin->render(distinctSignals(kInputChannels, kBlock), kBlock);
  for (const auto& channel : out) EXPECT_EQ(channel, std::vector<float>(kBlock, 0.0f));
}

TEST(Vst2Lifecycle, MainsOffAndOnRestartsTheLatency) {
  auto plugin = runningVst2();
  ASSERT_TRUE(plugin);
  const auto input = distinctSignals(kInputChannels, 2 * kLatency);
  plugin->render(input, kBlock);
  plugin->suspend();
  plugin->dispatch(effMainsChanged, 0, 0);  // twice: no harm
  plugin->resume(kSampleRate, kBlock);
  EXPECT_EQ(plugin->effect()->initialDelay, kLatency);
  const auto out = plugin->render(distinctSignals(kInputChannels, kLatency), kBlock);
  // Nothing of the audio before: zeros until the first frame completes a hop into the
  // new input, then (the default curve being flat) zeros to rounding.
  for (const auto& channel : out) {
    for (int n = 0; n < kLatency; ++n) {
      if (n < kLatency / 2) {
        ASSERT_EQ(channel[n], 0.0f) << n;
      } else {
        ASSERT_NEAR(channel[n], 0.0f, 1e-6f) << n;
      }
    }
  }
}

}  // namespace
}  // namespace vst2_test
