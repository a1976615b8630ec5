#pragma once
// One plug-in instance as a host runs it: the processor component and its edit
// controller, created from a loaded Module, initialised with a HostContext, connected
// to each other directly through IConnectionPoint (both ways), the controller given a
// ComponentHandler and the component's state. Then:
//
//   auto module = host::Module::load(bundlePath);            // check module.ok()
//   auto plugin = host::PluginInstance::create(*module);      // first "Audio Module Class"
//   (*plugin)->setupProcessing(48000.0, 512);
//   (*plugin)->activate();
//   (*plugin)->setParameter(0, 0.25);                         // automation: both sides
//   float* in = (*plugin)->buffers().inputChannel(0, 0);     // fill inputs, then
//   (*plugin)->process(512);                                  // read buffers().outputChannel
//   auto state = (*plugin)->getState();                       // a project save
//
// Destruction deactivates, disconnects and terminates both objects, then lets the module
// go. Everything runs on the calling thread, which plays both the host's main thread and
// its audio thread; the host context's run loop runs only when pumped.

#include <memory>
#include <vector>

#include "host/component_handler.h"
#include "host/host_context.h"
#include "host/memory_streams.h"
#include "host/module.h"
#include "host/parameter_changes.h"
#include "host/process_buffers.h"
#include "host/result.h"
#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

namespace host {

using Channels = std::vector<std::vector<float>>;

class PluginInstance {
 public:
  // A null context gives the instance a host context of its own.
  static Result<std::unique_ptr<PluginInstance>> create(
      std::shared_ptr<Module> module, const Steinberg::FUID& processorClassId,
      std::shared_ptr<HostContext> context = nullptr);
  // The module's first class of category "Audio Module Class".
  static Result<std::unique_ptr<PluginInstance>> create(
      std::shared_ptr<Module> module, std::shared_ptr<HostContext> context = nullptr);
  ~PluginInstance();
  PluginInstance(const PluginInstance&) = delete;
  PluginInstance& operator=(const PluginInstance&) = delete;

  Steinberg::Vst::IComponent* component() const { return component_; }
  Steinberg::Vst::IAudioProcessor* processor() const { return processor_; }
  // Null when the component names no controller and is none itself.
  Steinberg::Vst::IEditController* controller() const { return controller_; }
  // False for a single-component plug-in (component and controller are one object).
  bool controllerIsSeparate() const { return controllerIsSeparate_; }

  HostContext& context() const { return *context_; }
  RunLoop& runLoop() const { return context_->runLoop(); }
  ComponentHandler& componentHandler() { return handler_; }

  //--- Processing
  // Reads the bus arrangements, activates every audio bus, hands the processor the
  // setup (32-bit float) and allocates the buffers. Not while active.
  Status setupProcessing(double sampleRate, Steinberg::int32 maxBlockSize,
                         Steinberg::int32 processMode = Steinberg::Vst::kRealtime);
  // The processor's answer to IAudioProcessor::setBusArrangements; call setupProcessing after.
  Steinberg::tresult setBusArrangements(std::vector<Steinberg::Vst::SpeakerArrangement> inputs,
                                        std::vector<Steinberg::Vst::SpeakerArrangement> outputs);
  // setActive(true) then setProcessing(true); deactivate() undoes both.
  Status activate();
  Status deactivate();
  bool isActive() const { return active_; }

  ProcessBuffers& buffers() { return buffers_; }

  // One block of `numSamples` from buffers(). The controller's edits made since the last
  // block and the queued changes go in at the start; parameter changes the processor
  // reports come back to the controller. Returns the processor's result
  // (kNotInitialized before setupProcessing, kInvalidArgument for a block too long).
  Steinberg::tresult process(Steinberg::int32 numSamples);
  // A block with parameter changes and no buses, as hosts send when the transport stops.
  Steinberg::tresult processParametersOnly();
  // Runs whole signals through in blocks: one vector per input channel, buses in order,
  // all of one length; gives one vector per output channel of that length.
  Result<Channels> render(const Channels& inputChannels, Steinberg::int32 blockSize);

  //--- Parameters
  // An automation value: queued for the processor's next block and set on the controller now.
  void setParameter(Steinberg::Vst::ParamID id, Steinberg::Vst::ParamValue normalized,
                    Steinberg::int32 sampleOffset = 0);
  // The changes the next block will carry (for several points per parameter, say).
  ParameterChanges& nextInputChanges() { return inputChanges_; }
  // What the processor reported in the last block.
  ParameterChanges& lastOutputChanges() { return outputChanges_; }

  //--- State, as a project stores and restores it
  Result<StateBytes> getState();
  // The component's state goes to the component and then to the controller
  // (setComponentState), the way a host loads a project.
  Status setState(const StateBytes& state);
  // A VST 3 preset file (.vstpreset) loaded the way hosts load one: its chunk list read,
  // its class ID checked against the processor's, its component state handed to the
  // processor and then to the controller (and the controller's own state, if it has
  // one). A file that is truncated or garbled, or another plug-in's, fails and changes
  // nothing; so does a state the plug-in refuses.
  Status loadPreset(const StateBytes& presetFile);
  Result<StateBytes> getControllerState();
  Status setControllerState(const StateBytes& state);

  //--- Editor
  // The controller's view of that name (the caller owns the reference), or null.
  Steinberg::IPlugView* createView(Steinberg::FIDString name);

 private:
  PluginInstance(std::shared_ptr<Module> module, std::shared_ptr<HostContext> context);
  Status build(const Steinberg::FUID& processorClassId);
  Status createController();
  void connect();
  void disconnect();
  Status transferComponentState();
  void takeControllerEdits();
  void forwardOutputChanges();

  // Declared first, released last: the module's code must outlive its objects.
  std::shared_ptr<Module> module_;
  std::shared_ptr<HostContext> context_;
  Steinberg::FUID processorClassId_;
  ComponentHandler handler_;
  Steinberg::IPtr<Steinberg::Vst::IComponent> component_;
  Steinberg::IPtr<Steinberg::Vst::IAudioProcessor> processor_;
  Steinberg::IPtr<Steinberg::Vst::IEditController> controller_;
  bool componentInitialized_ = false;
  bool controllerInitialized_ = false;
  bool controllerIsSeparate_ = false;
  bool connected_ = false;
  bool active_ = false;
  bool processing_ = false;
  ProcessBuffers buffers_;
  ParameterChanges inputChanges_;
  ParameterChanges outputChanges_;
};

}  // namespace host
