#pragma once
// A VST 2 plug-in as a VST 2 host of this system runs it: the module file is opened,
// VSTPluginMain is called with this host's callback, and the effect record it returns
// is driven through its dispatcher and its processing and parameter entries. The
// callback answers what hosts answer (version, sample rate, block size, process
// level, product) and records every call the plug-in makes, so tests can check what
// the plug-in told the host (begin/automate/end of edits, window sizes).
//
//   auto plugin = host::Vst2Plugin::load(modulePath);      // check plugin.ok()
//   (*plugin)->open();                                     // effOpen
//   (*plugin)->resume(48000.0, 512);                       // rate, block size, mains on
//   auto out = (*plugin)->render(inputs, 512);             // processReplacing
//   auto chunk = (*plugin)->chunk();                       // effGetChunk
//
// Destruction closes the effect (effClose) and then the module file.

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "host/result.h"
#include "sdk/vst2_abi.h"

namespace host {

using Vst2Channels = std::vector<std::vector<float>>;

struct Vst2HostOptions {
  VstIntPtr version = 2400;  // the answer to audioMasterVersion; 0 makes plug-ins refuse
  double sampleRate = 48000.0;
  VstInt32 blockSize = 512;
  VstIntPtr processLevel = kVstProcessLevelRealtime;
};

// One call of the plug-in to the host.
struct Vst2HostCall {
  int opcode;
  int index;
  VstIntPtr value;
  float opt;
};

// The module file inside a VST 3 bundle folder (see host/module_file.h), which also
// serves VST 2 hosts.
std::string vst2ModuleOfBundle(const std::string& bundlePath);

class Vst2Plugin {
 public:
  static Result<std::unique_ptr<Vst2Plugin>> load(const std::string& modulePath,
                                                  Vst2HostOptions options = {});
  ~Vst2Plugin();
  Vst2Plugin(const Vst2Plugin&) = delete;
  Vst2Plugin& operator=(const Vst2Plugin&) = delete;

  // The record as VSTPluginMain returned it; it stays readable after close().
  AEffect* effect() const { return effect_; }

  VstIntPtr dispatch(int opcode, int index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                     float opt = 0.0f);
  void open() { dispatch(effOpen); }
  // effClose; later dispatches still go to the record, as a careless host's would.
  void close();
  bool isClosed() const { return closed_; }

  // Sample rate and block size, then mains on; suspend() is mains off.
  void resume(double sampleRate, VstInt32 blockSize);
  void suspend();

  // Whole signals through processReplacing in blocks: one vector per input channel,
  // all of one length; gives one vector per output channel of that length.
  Vst2Channels render(const Vst2Channels& inputs, VstInt32 blockSize);

  void setParameter(int index, float value) { effect_->setParameter(effect_, index, value); }
  float getParameter(int index) { return effect_->getParameter(effect_, index); }
  // The text of a name, label or display opcode (effGetParamName, …), or "" when the
  // plug-in answers 0.
  std::string text(int opcode, int index = 0);

  std::vector<char> chunk();
  VstIntPtr setChunk(const std::vector<char>& bytes);

  std::vector<Vst2HostCall> calls() const;
  std::vector<Vst2HostCall> callsOf(int opcode) const;
  void clearCalls();

 private:
  Vst2Plugin(void* library, Vst2HostOptions options);
  static VstIntPtr callback(AEffect* effect, int opcode, int index, VstIntPtr value, void* ptr,
                            float opt);
  VstIntPtr answer(int opcode, int index, VstIntPtr value, void* ptr, float opt);

  void* library_;
  Vst2HostOptions options_;
  AEffect* effect_ = nullptr;
  bool closed_ = false;
  mutable std::mutex callsLock_;  // the plug-in may call from any thread
  std::vector<Vst2HostCall> calls_;
};

}  // namespace host
