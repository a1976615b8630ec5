#pragma once
// One plug-in, loaded from its bundle and made ready for an offline render: the
// instance, its parameters and the size of its state, plus the steps a render takes
// with it (processing set-up, state file, parameter settings).

#include <memory>
#include <string>
#include <vector>

#include "host/module.h"
#include "host/plugin_instance.h"
#include "host/result.h"
#include "tools/render/parameter_catalog.h"

namespace render {

class PluginSession {
 public:
  static host::Result<std::unique_ptr<PluginSession>> load(const std::string& bundlePath);

  host::PluginInstance& instance() { return *instance_; }
  const ParameterCatalog& parameters() const { return catalog_; }
  const std::string& bundlePath() const { return bundlePath_; }
  // The processor class's name ("Lobeshift Stereo").
  const std::string& name() const { return processorClass_.name; }
  int inputChannels() const { return inputChannels_; }
  int outputChannels() const { return outputChannels_; }
  // "MicL omni, MicR omni, …" for Lobeshift's buses; empty for other plug-ins.
  std::string inputChannelOrder() const;
  // Short names of the output channels for the summary ("MicL", "MicR"; "1", "2").
  std::vector<std::string> outputChannelNames() const;

  // Offline processing at the recording's rate, then activation (the plug-in then
  // runs at that rate, which matters for everything given in Hz).
  host::Status startProcessing(double sampleRate, int blockSize);
  // A state file as a DAW stores it; for Lobeshift its size must be that of its state.
  host::Status loadStateFile(const std::string& path);
  // A factory preset by name (ignoring case); Lobeshift's processors only.
  host::Status loadPreset(const std::string& name);
  // --set assignments in order; the processor has them before any audio.
  host::Status applyAssignments(const std::vector<std::string>& assignments);
  // The processor state in force, as a DAW would store it.
  host::Result<host::StateBytes> currentState();

 private:
  PluginSession(std::shared_ptr<host::Module> module,
                std::unique_ptr<host::PluginInstance> instance, host::ClassInfo processorClass,
                std::string bundlePath);

  std::shared_ptr<host::Module> module_;
  std::unique_ptr<host::PluginInstance> instance_;
  host::ClassInfo processorClass_;
  std::string bundlePath_;
  ParameterCatalog catalog_;
  std::size_t stateSize_ = 0;  // bytes of Lobeshift's state; 0 when the plug-in's may vary
  int inputChannels_ = 0;
  int outputChannels_ = 0;
};

}  // namespace render
