#pragma once

#include "public.sdk/source/vst/vsteditcontroller.h"

namespace gain_plugin {

class GainController : public Steinberg::Vst::EditController {
 public:
  static Steinberg::FUnknown* createInstance(void* context);

  Steinberg::tresult PLUGIN_API initialize(Steinberg::FUnknown* context) override;
  Steinberg::tresult PLUGIN_API setComponentState(Steinberg::IBStream* state) override;
  Steinberg::tresult PLUGIN_API notify(Steinberg::Vst::IMessage* message) override;

 private:
  void simulateEdit(Steinberg::Vst::IAttributeList& attributes);
};

}  // namespace gain_plugin
