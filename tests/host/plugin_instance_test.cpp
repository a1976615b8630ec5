// A plug-in instance of the test gain bundle, run the way a DAW runs one.

#include "host/plugin_instance.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tests/host/plugin_instance_fixture.h"

using namespace Steinberg;
using namespace std::chrono_literals;
using namespace gain_plugin;
using host::ComponentHandler;
using host::PluginInstance;
using host_test::kBlock;
using host_test::PluginInstanceTest;

TEST_F(PluginInstanceTest, CreatesTheProcessorAndTheControllerItNames) {
  EXPECT_TRUE(plugin->controllerIsSeparate());
  TUID controllerId;
  ASSERT_EQ(plugin->component()->getControllerClassId(controllerId), kResultOk);
  EXPECT_EQ(FUID::fromTUID(controllerId), kControllerUID);
  EXPECT_EQ(plugin->controller()->getParameterCount(), 3);
  // The controller starts from the processor's state, not from its own defaults.
  EXPECT_EQ(plugin->controller()->getParamNormalized(kGain), 0.5);
  EXPECT_EQ(plugin->processor()->getLatencySamples(), 0u);
  EXPECT_EQ(plugin->createView("editor"), nullptr);
}

TEST_F(PluginInstanceTest, ProcessesBlocksAndTakesParameterChangesAtTheirStart) {
  startProcessing(*plugin);
  EXPECT_EQ(processConstant(*plugin, 0.5f), 0.5f);  // gain 0.5: factor 1
  plugin->setParameter(kGain, 0.25);
  EXPECT_EQ(processConstant(*plugin, 0.5f), 0.25f);
  EXPECT_EQ(plugin->controller()->getParamNormalized(kGain), 0.25);
  EXPECT_EQ(plugin->buffers().outputSilenceFlags(0), 0u);
  EXPECT_EQ(plugin->buffers().context().projectTimeSamples, 2 * kBlock);
}

TEST_F(PluginInstanceTest, OnlyTheLastPointOfAQueueCounts) {
  startProcessing(*plugin);
  auto& changes = plugin->nextInputChanges();
  changes.addChange(kGain, 0.1, 0);
  changes.addChange(kGain, 1.0, 40);
  changes.addChange(kGain, 0.2, 20);
  EXPECT_EQ(processConstant(*plugin, 0.5f), 1.0f);
}

TEST_F(PluginInstanceTest, AParameterOnlyBlockAppliesItsChanges) {
  startProcessing(*plugin);
  plugin->setParameter(kGain, 1.0);
  EXPECT_EQ(plugin->processParametersOnly(), kResultOk);
  EXPECT_EQ(processConstant(*plugin, 0.25f), 0.5f);
}

TEST_F(PluginInstanceTest, ASilentInputGivesASilentOutput) {
  startProcessing(*plugin);
  std::fill_n(plugin->buffers().outputChannel(0, 0), kBlock, 9.0f);
  plugin->buffers().setInputSilenceFlags(0, 0x3);
  ASSERT_EQ(plugin->process(kBlock), kResultOk);
  EXPECT_EQ(plugin->buffers().outputSilenceFlags(0), 0x3u);
  EXPECT_EQ(plugin->buffers().outputChannel(0, 0)[kBlock - 1], 0.0f);
}

TEST_F(PluginInstanceTest, ControllerEditsAreRecordedAndReachTheProcessor) {
  startProcessing(*plugin);
  sendToController(kSimulateEditMessage, [](Vst::IAttributeList& attributes) {
    attributes.setInt("id", kGain);
    attributes.setFloat("value", 0.75);
    attributes.setInt("restart", Vst::kLatencyChanged);
  });
  const auto& edits = plugin->componentHandler().edits();
  ASSERT_EQ(edits.size(), 3u);
  EXPECT_EQ(edits[0].kind, ComponentHandler::EditKind::kBegin);
  EXPECT_EQ(edits[1].kind, ComponentHandler::EditKind::kPerform);
  EXPECT_EQ(edits[1].id, kGain);
  EXPECT_EQ(edits[1].value, 0.75);
  EXPECT_EQ(edits[2].kind, ComponentHandler::EditKind::kEnd);
  EXPECT_EQ(plugin->componentHandler().restarts(), std::vector<int32>{Vst::kLatencyChanged});

  EXPECT_EQ(processConstant(*plugin, 0.5f), 0.75f);
  // Delivered once: the next block keeps the value without a new change.
  EXPECT_EQ(plugin->nextInputChanges().getParameterCount(), 0);
}

TEST_F(PluginInstanceTest, OutputParameterChangesReachTheController) {
  startProcessing(*plugin);
  processConstant(*plugin, -0.375f);
  EXPECT_EQ(plugin->lastOutputChanges().getParameterCount(), 1);
  EXPECT_EQ(plugin->controller()->getParamNormalized(kOutputPeak), 0.375);
}

TEST_F(PluginInstanceTest, LevelMessagesReachTheControllerThroughTheHostsMainLoop) {
  startProcessing(*plugin);
  processConstant(*plugin, 0.5f);
  EXPECT_EQ(plugin->controller()->getParamNormalized(kLevel), 0.0);
  EXPECT_TRUE(elapseUntil([&] { return plugin->controller()->getParamNormalized(kLevel) == 0.5; }));
  // The peak was taken: a later tick without audio reports silence.
  EXPECT_TRUE(elapseUntil([&] { return plugin->controller()->getParamNormalized(kLevel) == 0.0; }));
}

TEST_F(PluginInstanceTest, StateSurvivesAProjectSaveAndLoad) {
  startProcessing(*plugin);
  plugin->setParameter(kGain, 0.8);
  processConstant(*plugin, 0.5f);
  auto state = plugin->getState();
  ASSERT_TRUE(state.ok()) << state.error();
  EXPECT_EQ(state->size(), sizeof(float));

  auto restored = createInstance();
  ASSERT_TRUE(restored);
  ASSERT_TRUE(restored->setState(*state).ok());
  EXPECT_FLOAT_EQ(static_cast<float>(restored->controller()->getParamNormalized(kGain)), 0.8f);
  startProcessing(*restored);
  EXPECT_FLOAT_EQ(processConstant(*restored, 0.5f), 0.8f);
}

TEST_F(PluginInstanceTest, ABrokenStateIsRefusedAndChangesNothing) {
  const auto result = plugin->setState(host::StateBytes{'x', 'y'});
  ASSERT_FALSE(result.ok());
  EXPECT_NE(result.error().find("setState"), std::string::npos) << result.error();
  EXPECT_EQ(plugin->controller()->getParamNormalized(kGain), 0.5);
  startProcessing(*plugin);
  EXPECT_EQ(processConstant(*plugin, 0.5f), 0.5f);
}

TEST_F(PluginInstanceTest, ThePlugInDecidesWhichBusArrangementsItTakes) {
  EXPECT_EQ(plugin->setBusArrangements({Vst::SpeakerArr::kMono}, {Vst::SpeakerArr::kMono}),
            kResultFalse);
  EXPECT_EQ(plugin->setBusArrangements({Vst::SpeakerArr::kStereo}, {Vst::SpeakerArr::kStereo}),
            kResultTrue);
  startProcessing(*plugin);
  EXPECT_EQ(plugin->buffers().inputChannelCount(0), 2);
  EXPECT_EQ(plugin->buffers().outputChannelCount(0), 2);
}

TEST_F(PluginInstanceTest, RendersWholeSignalsInBlocks) {
  startProcessing(*plugin);
  plugin->setParameter(kGain, 0.25);
  host::Channels input(2, std::vector<float>(1000));
  for (std::size_t i = 0; i < 1000; ++i) {
    input[0][i] = static_cast<float>(i) / 1000.0f;
    input[1][i] = -static_cast<float>(i) / 1000.0f;
  }
  auto output = plugin->render(input, kBlock);
  ASSERT_TRUE(output.ok()) << output.error();
  ASSERT_EQ(output->size(), 2u);
  for (std::size_t i = 0; i < 1000; ++i) {
    ASSERT_EQ((*output)[0][i], input[0][i] * 0.5f) << i;
    ASSERT_EQ((*output)[1][i], input[1][i] * 0.5f) << i;
  }
  EXPECT_FALSE(plugin->render(host::Channels(1, std::vector<float>(10)), kBlock).ok());
  EXPECT_FALSE(plugin->render(input, kBlock + 1).ok());
}

TEST_F(PluginInstanceTest, MisuseGetsAClearAnswer) {
  EXPECT_EQ(plugin->process(kBlock), kNotInitialized);
  EXPECT_FALSE(plugin->activate().ok());
  EXPECT_FALSE(plugin->setupProcessing(0.0, kBlock).ok());
  startProcessing(*plugin);
  EXPECT_EQ(plugin->process(kBlock + 1), kInvalidArgument);
  EXPECT_FALSE(plugin->setupProcessing(44100.0, kBlock).ok());  // while active
  ASSERT_TRUE(plugin->deactivate().ok());
  EXPECT_TRUE(plugin->setupProcessing(44100.0, kBlock).ok());
}
