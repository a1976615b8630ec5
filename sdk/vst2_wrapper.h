#pragma once
// A VST 3 plug-in as a VST 2 effect. The wrapper makes the processor component and
// its edit controller through the module's own factory, connects them, and maps the
// VST 2 effect record and dispatcher onto them:
// - inputs and outputs: the channels of the audio buses;
// - parameters: count, names, units as labels, the controller's texts, normalized
//   values from any thread (Vst2ParameterSlots), changes to the processor as the
//   parameter changes of the next block;
// - initialDelay: the processor's latency; sample rate, block size, mains on and off
//   (setupProcessing, setActive, setProcessing); processReplacing in 32 bits;
// - the processor state as the program chunk, byte for byte the VST 3 state;
// - the module's programs (its factory presets), applied as a chunk is;
// - names, vendor, version, category and unique ID; the controller's edits reported
//   as begin / automate / end (Vst2ComponentHandler);
// - the controller's editor in the host's window (Vst2Editor).
//
// Threads: processReplacing and process on the host's audio thread; setParameter and
// getParameter on any thread; the dispatcher on the host's user-interface thread.
//
// The effect record outlives the wrapper: effClose destroys the wrapper, and a host
// that uses the record afterwards gets zero from every call.

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "pluginterfaces/base/ipluginbase.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "sdk/vst2_block_changes.h"
#include "sdk/vst2_component_handler.h"
#include "sdk/vst2_editor.h"
#include "sdk/vst2_host_application.h"
#include "sdk/vst2_host_callback.h"
#include "sdk/vst2_parameter_slots.h"
#include "sdk/vst2_programs.h"

namespace Steinberg::Vst {

class Vst2Wrapper {
 public:
  // The effect record of a new wrapper around the class `processorClassId` of
  // `factory`, or null when it cannot be made. `onClose` runs after the wrapper is gone.
  static AEffect* create(IPluginFactory* factory, const TUID processorClassId,
                         VstInt32 vst2UniqueId, audioMasterCallback hostCallback,
                         void (*onClose)() = nullptr, const Vst2Programs& programs = {});

  ~Vst2Wrapper();
  Vst2Wrapper(const Vst2Wrapper&) = delete;
  Vst2Wrapper& operator=(const Vst2Wrapper&) = delete;

 private:
  Vst2Wrapper(IPluginFactory* factory, audioMasterCallback hostCallback);
  // Steps of create (vst2_wrapper_setup.cpp).
  bool createObjects(const TUID processorClassId);
  bool createController();
  void connect();
  void takeParameters();
  void takeBuses();
  void describe(const TUID processorClassId, VstInt32 vst2UniqueId);

  // Entries of the effect record.
  static VstIntPtr dispatchEntry(AEffect* effect, int opcode, int index, VstIntPtr value, void* ptr,
                                 float opt);
  static void processReplacingEntry(AEffect* effect, float** inputs, float** outputs, int frames);
  static void processAccumulatingEntry(AEffect* effect, float** inputs, float** outputs,
                                       int frames);
  static void setParameterEntry(AEffect* effect, int index, float value);
  static float getParameterEntry(AEffect* effect, int index);
  static Vst2Wrapper* of(AEffect* effect);

  // The dispatcher (vst2_wrapper_dispatch.cpp and vst2_wrapper_parameters.cpp).
  VstIntPtr dispatch(int opcode, int index, VstIntPtr value, void* ptr, float opt);
  VstIntPtr dispatchParameter(int opcode, int index, void* ptr);
  VstIntPtr dispatchEditor(int opcode, void* ptr);
  VstIntPtr dispatchDescription(int opcode, int index, VstIntPtr value, void* ptr);
  VstIntPtr canDo(const char* what) const;
  VstIntPtr pinProperties(bool input, int index, void* ptr) const;
  VstIntPtr acceptsArrangement(VstIntPtr inputs, void* outputs) const;

  // Parameters (vst2_wrapper_parameters.cpp).
  void setParameter(int32 index, float value);
  // The values the controller is owed, on the user-interface thread.
  void updateController();
  // Every slot from the controller's values, nothing owed.
  void settleFromController();

  // Processing (vst2_wrapper_audio.cpp).
  void setMains(bool on);
  void setProcessing(bool on);
  void processReplacing(float** inputs, float** outputs, int32 frames);
  void processAccumulating(float** inputs, float** outputs, int32 frames);
  // One block of at most the block size, from and to the given sample offsets.
  bool processBlock(float** inputs, int32 inputOffset, float** outputs, int32 outputOffset,
                    int32 frames);
  static void clearOutputs(float** outputs, int32 channels, int32 frames);

  // The program chunk (vst2_wrapper_chunk.cpp).
  VstIntPtr getChunk(void** data);
  VstIntPtr setChunk(const void* data, VstIntPtr size);
  // A state to the processor and the controller, as a VST 3 host loads a project; false
  // when the processor refuses it (and then nothing changed).
  bool applyState(const void* data, VstIntPtr size);

  // The programs (vst2_wrapper_programs.cpp).
  VstIntPtr dispatchProgram(int opcode, int index, VstIntPtr value, void* ptr);
  bool setProgram(VstIntPtr index);

  std::unique_ptr<AEffect> record_;  // handed to the retired records on close
  AEffect* effect_;
  Vst2HostCallback host_;
  IPtr<IPluginFactory> factory_;
  // The SDK's host application does not count references: owned here, outliving both objects.
  std::unique_ptr<Vst2HostApplication> hostApplication_;
  IPtr<IComponent> component_;
  IPtr<IAudioProcessor> processor_;
  IPtr<IEditController> controller_;
  bool componentInitialized_ = false;
  bool controllerInitialized_ = false;
  bool controllerIsComponent_ = false;
  bool connected_ = false;
  void (*onClose_)() = nullptr;

  std::vector<ParamID> parameterIds_;  // by VST 2 index
  Vst2ParameterSlots slots_;
  Vst2BlockChanges blockChanges_;
  Vst2ComponentHandler handler_;
  std::unique_ptr<Vst2Editor> editor_;

  std::vector<AudioBusBuffers> inputBuses_;
  std::vector<AudioBusBuffers> outputBuses_;
  std::vector<Sample32*> channelPointers_;  // every bus's channels, inputs first
  std::vector<float> accumulation_;         // process(): the block before it is added
  std::vector<float*> accumulationChannels_;
  ProcessData processData_;

  std::string effectName_;
  std::string vendor_;
  VstInt32 vendorVersion_ = 0;
  Vst2Programs programs_;  // never empty: without the module's, one that changes nothing
  int32 currentProgram_ = 0;
  std::vector<char> chunk_;  // the last chunk handed out; kept until the next

  double sampleRate_ = 44100.0;
  int32 blockSize_ = 1024;
  int32 runningBlockSize_ = 1024;  // read by the audio thread while running_
  bool opened_ = false;
  bool active_ = false;
  bool processing_ = false;
  std::atomic<bool> running_{false};  // the audio thread may process
};

}  // namespace Steinberg::Vst
