#pragma once
// Stands in for the edit controller as the processor's peer and records the level
// messages it is sent. The instance's own controller is disconnected meanwhile.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/plugin_instance.h"
#include "pluginterfaces/vst/ivstmessage.h"
#include "tests/plugin/plugin_fixture.h"

namespace plugin_test {

class LevelsRecorder : public Steinberg::Vst::IConnectionPoint {
 public:
  struct Message {
    std::string id;
    std::vector<float> levels;  // "vuValue" as float32 values
    Steinberg::uint32 size;     // of "vuValue", in bytes
  };

  explicit LevelsRecorder(host::PluginInstance& instance)
      : processor_(Steinberg::FUnknownPtr<Steinberg::Vst::IConnectionPoint>(instance.component())),
        controller_(
            Steinberg::FUnknownPtr<Steinberg::Vst::IConnectionPoint>(instance.controller())) {
    EXPECT_EQ(processor_->disconnect(controller_), Steinberg::kResultOk);
    EXPECT_EQ(processor_->connect(this), Steinberg::kResultOk);
  }
  ~LevelsRecorder() {
    processor_->disconnect(this);
    processor_->connect(controller_);
  }

  Steinberg::tresult PLUGIN_API connect(IConnectionPoint*) override { return Steinberg::kResultOk; }
  Steinberg::tresult PLUGIN_API disconnect(IConnectionPoint*) override {
    return Steinberg::kResultOk;
  }
  Steinberg::tresult PLUGIN_API notify(Steinberg::Vst::IMessage* message) override {
    const void* data = nullptr;
    Steinberg::uint32 size = 0;
    message->getAttributes()->getBinary("vuValue", data, size);
    const auto* values = static_cast<const float*>(data);
    messages.push_back(
        {message->getMessageID(), std::vector<float>(values, values + size / sizeof(float)), size});
    return Steinberg::kResultOk;
  }

  Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override {
    QUERY_INTERFACE(iid, obj, Steinberg::FUnknown::iid, IConnectionPoint)
    QUERY_INTERFACE(iid, obj, IConnectionPoint::iid, IConnectionPoint)
    *obj = nullptr;
    return Steinberg::kNoInterface;
  }
  Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
  Steinberg::uint32 PLUGIN_API release() override { return 1; }

  std::vector<Message> messages;

 private:
  Steinberg::IPtr<Steinberg::Vst::IConnectionPoint> processor_;
  Steinberg::IPtr<Steinberg::Vst::IConnectionPoint> controller_;
};

// One block with a constant of its own on every input channel (some negative, say).
inline void feedConstants(host::PluginInstance& instance, const float (&values)[4]) {
  for (int channel = 0; channel < kInputChannels; ++channel)
    std::fill_n(instance.buffers().inputChannel(0, channel), kBlock, values[channel]);
  ASSERT_EQ(instance.process(kBlock), Steinberg::kResultOk);
}

}  // namespace plugin_test
