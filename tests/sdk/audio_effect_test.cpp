#include "sdk/audio_effect.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "pluginterfaces/base/fstrdefs.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace {

// Lets the tests see what the base class stores.
class Effect : public AudioEffect {
 public:
  const ProcessSetup& setup() const { return processSetup; }
  using AudioEffect::allocateMessage;
  using AudioEffect::sendMessage;
};

IPtr<Effect> makeEffect() { return owned(new Effect()); }

SpeakerArrangement arrangementOf(Effect& effect, BusDirection direction, int32 index) {
  SpeakerArrangement arrangement = 0;
  EXPECT_EQ(effect.getBusArrangement(direction, index, arrangement), kResultTrue);
  return arrangement;
}

// The other end of a connection: remembers the IDs of the messages it is sent.
class RecordingPeer : public IConnectionPoint {
 public:
  tresult PLUGIN_API connect(IConnectionPoint*) override { return kResultOk; }
  tresult PLUGIN_API disconnect(IConnectionPoint*) override { return kResultOk; }
  tresult PLUGIN_API notify(IMessage* message) override {
    received.emplace_back(message->getMessageID());
    return kResultOk;
  }
  tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override {
    QUERY_INTERFACE(iid, obj, FUnknown::iid, IConnectionPoint)
    QUERY_INTERFACE(iid, obj, IConnectionPoint::iid, IConnectionPoint)
    *obj = nullptr;
    return kNoInterface;
  }
  uint32 PLUGIN_API addRef() override { return 1; }
  uint32 PLUGIN_API release() override { return 1; }

  std::vector<std::string> received;
};

}  // namespace

TEST(AudioEffect, ProcessesOnly32BitFloatWithoutLatencyOrTail) {
  auto effect = makeEffect();
  EXPECT_EQ(effect->canProcessSampleSize(kSample32), kResultTrue);
  EXPECT_EQ(effect->canProcessSampleSize(kSample64), kResultFalse);
  EXPECT_EQ(effect->getLatencySamples(), 0u);
  EXPECT_EQ(effect->getTailSamples(), kNoTail);
  EXPECT_EQ(effect->getProcessContextRequirements(), 0u);
  ProcessData data{};
  EXPECT_EQ(effect->process(data), kNotImplemented);
  EXPECT_EQ(effect->setProcessing(true), kNotImplemented);
}

TEST(AudioEffect, StoresAnAcceptedSetupAndKeepsItsOwnOtherwise) {
  auto effect = makeEffect();
  EXPECT_EQ(effect->setup().sampleRate, 44100.0);
  EXPECT_EQ(effect->setup().symbolicSampleSize, kSample32);

  ProcessSetup doublePrecision{kOffline, kSample64, 256, 96000.0};
  EXPECT_EQ(effect->setupProcessing(doublePrecision), kResultFalse);
  EXPECT_EQ(effect->setup().sampleRate, 44100.0);

  ProcessSetup setup{kOffline, kSample32, 512, 48000.0};
  EXPECT_EQ(effect->setupProcessing(setup), kResultOk);
  EXPECT_EQ(effect->setup().sampleRate, 48000.0);
  EXPECT_EQ(effect->setup().maxSamplesPerBlock, 512);
  EXPECT_EQ(effect->setup().processMode, kOffline);
}

TEST(AudioEffect, BusHelpersAddNamedBusesInOrder) {
  auto effect = makeEffect();
  AudioBus* input = effect->addAudioInput(STR16("AudioInput"), SpeakerArr::kStereo);
  AudioBus* sidechain = effect->addAudioInput(STR16("Sidechain"), SpeakerArr::kMono, kAux, 0);
  AudioBus* output = effect->addAudioOutput(STR16("AudioOutput"), SpeakerArr::k40Music);
  EventBus* events = effect->addEventInput(STR16("Events"), 1);

  EXPECT_EQ(effect->getBusCount(kAudio, kInput), 2);
  EXPECT_EQ(effect->getBusCount(kAudio, kOutput), 1);
  EXPECT_EQ(effect->getBusCount(kEvent, kInput), 1);
  EXPECT_EQ(effect->getBusCount(kEvent, kOutput), 0);
  EXPECT_EQ(effect->getAudioInput(0), input);
  EXPECT_EQ(effect->getAudioInput(1), sidechain);
  EXPECT_EQ(effect->getAudioInput(2), nullptr);
  EXPECT_EQ(effect->getAudioInput(-1), nullptr);
  EXPECT_EQ(effect->getAudioOutput(0), output);
  EXPECT_EQ(effect->getEventInput(0), events);
  EXPECT_EQ(effect->getEventOutput(0), nullptr);

  BusInfo info{};
  ASSERT_EQ(effect->getBusInfo(kAudio, kOutput, 0, info), kResultTrue);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(info.name)), u"AudioOutput");
  EXPECT_EQ(info.channelCount, 4);
  EXPECT_EQ(info.busType, kMain);
  EXPECT_EQ(info.flags, static_cast<uint32>(BusInfo::kDefaultActive));
  ASSERT_EQ(effect->getBusInfo(kAudio, kInput, 1, info), kResultTrue);
  EXPECT_EQ(info.busType, kAux);
  EXPECT_EQ(info.flags, 0u);
  EXPECT_EQ(effect->getBusInfo(kAudio, kInput, 2, info), kInvalidArgument);
}

TEST(AudioEffect, BusArrangementsFollowTheHostWithinTheBusesThereAre) {
  auto effect = makeEffect();
  effect->addAudioInput(STR16("In"), SpeakerArr::kStereo);
  effect->addAudioInput(STR16("Aux"), SpeakerArr::kStereo, kAux);
  effect->addAudioOutput(STR16("Out"), SpeakerArr::kStereo);

  SpeakerArrangement inputs[] = {SpeakerArr::k40Music, SpeakerArr::kMono};
  SpeakerArrangement outputs[] = {SpeakerArr::kMono};
  EXPECT_EQ(effect->setBusArrangements(inputs, 2, outputs, 1), kResultTrue);
  EXPECT_EQ(arrangementOf(*effect, kInput, 0), SpeakerArr::k40Music);
  EXPECT_EQ(arrangementOf(*effect, kInput, 1), SpeakerArr::kMono);
  EXPECT_EQ(arrangementOf(*effect, kOutput, 0), SpeakerArr::kMono);

  // Fewer arrangements than buses: the rest stay as they are.
  SpeakerArrangement stereo[] = {SpeakerArr::kStereo};
  EXPECT_EQ(effect->setBusArrangements(stereo, 1, nullptr, 0), kResultTrue);
  EXPECT_EQ(arrangementOf(*effect, kInput, 0), SpeakerArr::kStereo);
  EXPECT_EQ(arrangementOf(*effect, kInput, 1), SpeakerArr::kMono);

  // More than there are buses, negative counts, missing arrays: refused, nothing changes.
  SpeakerArrangement twoOutputs[] = {SpeakerArr::kStereo, SpeakerArr::kStereo};
  EXPECT_EQ(effect->setBusArrangements(stereo, 1, twoOutputs, 2), kResultFalse);
  EXPECT_EQ(effect->setBusArrangements(stereo, -1, outputs, 1), kInvalidArgument);
  EXPECT_EQ(effect->setBusArrangements(nullptr, 1, outputs, 1), kInvalidArgument);
  EXPECT_EQ(arrangementOf(*effect, kOutput, 0), SpeakerArr::kMono);

  SpeakerArrangement arrangement = 0;
  EXPECT_EQ(effect->getBusArrangement(kOutput, 1, arrangement), kInvalidArgument);
  EXPECT_EQ(effect->getBusArrangement(kInput, -1, arrangement), kInvalidArgument);
}

TEST(AudioEffect, OffersTheProcessorInterfacesBesideTheComponent) {
  auto effect = makeEffect();
  EXPECT_TRUE(FUnknownPtr<IAudioProcessor>(static_cast<IAudioProcessor*>(effect.get())));
  EXPECT_TRUE(FUnknownPtr<IComponent>(static_cast<IAudioProcessor*>(effect.get())));
  EXPECT_TRUE(
      FUnknownPtr<IProcessContextRequirements>(static_cast<IAudioProcessor*>(effect.get())));
  EXPECT_TRUE(FUnknownPtr<IConnectionPoint>(static_cast<IAudioProcessor*>(effect.get())));
  EXPECT_FALSE(FUnknownPtr<IEditController>(static_cast<IAudioProcessor*>(effect.get())));
}

TEST(AudioEffect, MessagesNeedAHostContextAndReachTheConnectedPeer) {
  auto effect = makeEffect();
  EXPECT_EQ(effect->allocateMessage(), nullptr);  // no host context yet

  HostApplication hostContext;
  ASSERT_EQ(effect->initialize(&hostContext), kResultOk);
  IPtr<IMessage> message = owned(effect->allocateMessage());
  ASSERT_TRUE(message);
  message->setMessageID("hello");
  EXPECT_EQ(effect->sendMessage(message), kResultFalse);  // nobody connected

  RecordingPeer peer;
  ASSERT_EQ(effect->connect(&peer), kResultOk);
  EXPECT_EQ(effect->sendMessage(message), kResultOk);
  EXPECT_EQ(peer.received, std::vector<std::string>{"hello"});

  EXPECT_EQ(effect->terminate(), kResultOk);
  EXPECT_EQ(effect->allocateMessage(), nullptr);
}

TEST(AudioEffect, TerminateRemovesTheBuses) {
  auto effect = makeEffect();
  HostApplication hostContext;
  ASSERT_EQ(effect->initialize(&hostContext), kResultOk);
  effect->addAudioInput(STR16("In"), SpeakerArr::kStereo);
  effect->addAudioOutput(STR16("Out"), SpeakerArr::kStereo);
  EXPECT_EQ(effect->terminate(), kResultOk);
  EXPECT_EQ(effect->getBusCount(kAudio, kInput), 0);
  EXPECT_EQ(effect->getBusCount(kAudio, kOutput), 0);
}
