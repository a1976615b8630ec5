#pragma once
// A plug-in instance of the test gain bundle (LOBESHIFT_TEST_BUNDLE), run the way a DAW
// runs one, with the host's run loop on a manual clock.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>

#include "host/manual_clock.h"
#include "host/plugin_instance.h"
#include "pluginterfaces/vst/ivstmessage.h"
#include "tests/sdk/test_plugin/gain_ids.h"

namespace host_test {

using namespace Steinberg;
using host::PluginInstance;

constexpr int32 kBlock = 64;

class PluginInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    auto loaded = host::Module::load(LOBESHIFT_TEST_BUNDLE);
    ASSERT_TRUE(loaded.ok()) << loaded.error();
    module = *loaded;
    plugin = createInstance();
    ASSERT_TRUE(plugin);
  }

  std::unique_ptr<PluginInstance> createInstance() {
    auto created = PluginInstance::create(module, context);
    EXPECT_TRUE(created.ok()) << created.error();
    return created.ok() ? std::move(*created) : nullptr;
  }

  void startProcessing(PluginInstance& instance) {
    ASSERT_TRUE(instance.setupProcessing(48000.0, kBlock).ok());
    ASSERT_TRUE(instance.activate().ok());
  }

  // Fills both input channels with `value`, processes a block and returns output sample 0 of
  // channel 0.
  float processConstant(PluginInstance& instance, float value) {
    for (int32 channel = 0; channel < 2; ++channel)
      std::fill_n(instance.buffers().inputChannel(0, channel), kBlock, value);
    EXPECT_EQ(instance.process(kBlock), kResultOk);
    const float* left = instance.buffers().outputChannel(0, 0);
    const float* right = instance.buffers().outputChannel(0, 1);
    EXPECT_TRUE(std::all_of(left, left + kBlock, [&](float s) { return s == left[0]; }));
    EXPECT_TRUE(std::equal(left, left + kBlock, right));
    return left[0];
  }

  void sendToController(const char* id, const std::function<void(Vst::IAttributeList&)>& fill) {
    FUnknownPtr<Vst::IConnectionPoint> controllerPoint(plugin->controller());
    ASSERT_TRUE(controllerPoint);
    TUID messageIid;
    Vst::IMessage::iid.toTUID(messageIid);
    void* object = nullptr;
    ASSERT_EQ(context->createInstance(messageIid, messageIid, &object), kResultTrue);
    IPtr<Vst::IMessage> message = owned(static_cast<Vst::IMessage*>(object));
    message->setMessageID(id);
    fill(*message->getAttributes());
    controllerPoint->notify(message);
  }

  // Lets the host's main loop run until `done` holds (see host::pumpUntil).
  bool elapseUntil(const std::function<bool()>& done) {
    return host::pumpUntil(time, plugin->runLoop(), done);
  }

  host::ManualClock time;
  std::shared_ptr<host::HostContext> context =
      std::make_shared<host::HostContext>(u"Test Host", time.clock());
  std::shared_ptr<host::Module> module;
  std::unique_ptr<PluginInstance> plugin;
};

}  // namespace host_test
