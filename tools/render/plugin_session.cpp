#include "tools/render/plugin_session.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>

#include "controller/factory_presets.h"
#include "pluginterfaces/vst/vstspeaker.h"
#include "tools/render/lobeshift_classes.h"

namespace render {

using namespace Steinberg;

namespace {

// Channels on every audio bus of one direction, as the processor arranges them.
int busChannels(host::PluginInstance& plugin, Vst::BusDirection direction) {
  int channels = 0;
  const int32 buses = plugin.component()->getBusCount(Vst::kAudio, direction);
  for (int32 bus = 0; bus < buses; ++bus) {
    Vst::SpeakerArrangement arrangement = 0;
    if (plugin.processor()->getBusArrangement(direction, bus, arrangement) == kResultOk)
      channels += Vst::SpeakerArr::getChannelCount(arrangement);
  }
  return channels;
}

// Far more than any plug-in's state; a larger file is not one.
constexpr std::size_t kLargestStateFile = std::size_t{64} << 20;

std::string joined(const std::vector<std::string>& items) {
  std::string text;
  for (const auto& item : items) text += (text.empty() ? "" : ", ") + item;
  return text;
}

}  // namespace

PluginSession::PluginSession(std::shared_ptr<host::Module> module,
                             std::unique_ptr<host::PluginInstance> instance,
                             host::ClassInfo processorClass, std::string bundlePath)
    : module_(std::move(module)),
      instance_(std::move(instance)),
      processorClass_(std::move(processorClass)),
      bundlePath_(std::move(bundlePath)) {
  catalog_ = ParameterCatalog::of(*instance_, processorClass_.classId);
  inputChannels_ = busChannels(*instance_, Vst::kInput);
  outputChannels_ = busChannels(*instance_, Vst::kOutput);
  // Lobeshift's state is one value per parameter, so its length is known; other
  // plug-ins judge their own states.
  if (lobeshiftClassOf(processorClass_.classId) != nullptr)
    if (auto state = instance_->getState()) stateSize_ = state->size();
}

host::Result<std::unique_ptr<PluginSession>> PluginSession::load(const std::string& bundlePath) {
  using Loaded = host::Result<std::unique_ptr<PluginSession>>;
  auto module = host::Module::load(bundlePath);
  if (!module) return Loaded::failure("cannot load plug-in: " + module.error());
  auto processorClass = (*module)->firstClassOf(kVstAudioEffectClass);
  if (!processorClass)
    return Loaded::failure("cannot load plug-in " + bundlePath + ": " + processorClass.error());
  auto instance = host::PluginInstance::create(*module, processorClass->classId);
  if (!instance)
    return Loaded::failure("cannot start plug-in " + bundlePath + ": " + instance.error());
  return Loaded::success(std::unique_ptr<PluginSession>(
      new PluginSession(*module, std::move(*instance), *processorClass, bundlePath)));
}

std::string PluginSession::inputChannelOrder() const {
  const LobeshiftClass* known = lobeshiftClassOf(processorClass_.classId);
  return known != nullptr ? joined(known->inputs) : std::string();
}

std::vector<std::string> PluginSession::outputChannelNames() const {
  if (const LobeshiftClass* known = lobeshiftClassOf(processorClass_.classId);
      known != nullptr && static_cast<int>(known->outputNames.size()) == outputChannels_)
    return known->outputNames;
  std::vector<std::string> names;
  for (int channel = 1; channel <= outputChannels_; ++channel)
    names.push_back(std::to_string(channel));
  return names;
}

host::Status PluginSession::startProcessing(double sampleRate, int blockSize) {
  if (host::Status setUp = instance_->setupProcessing(sampleRate, blockSize, Vst::kOffline); !setUp)
    return host::Status::failure(name() + ": " + setUp.error());
  if (host::Status active = instance_->activate(); !active)
    return host::Status::failure(name() + ": " + active.error());
  return host::Status::success();
}

host::Status PluginSession::loadStateFile(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0)
    return host::Status::failure("cannot read state file '" + path + "': " + std::strerror(errno));
  if (!S_ISREG(info.st_mode))
    return host::Status::failure("cannot read state file '" + path + "': it is not a file");
  // The size comes first: a state of the wrong length is another plug-in's, or damaged.
  const auto size = static_cast<std::size_t>(info.st_size);
  if (stateSize_ != 0 && size != stateSize_)
    return host::Status::failure("state file '" + path + "' holds " + std::to_string(size) +
                                 " bytes; a " + name() + " state holds " +
                                 std::to_string(stateSize_));
  if (size > kLargestStateFile)
    return host::Status::failure("state file '" + path + "' holds " + std::to_string(size) +
                                 " bytes; too many for a plug-in state");
  std::ifstream file(path, std::ios::binary);
  if (!file.is_open())
    return host::Status::failure("cannot read state file '" + path + "': " + std::strerror(errno));
  host::StateBytes bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (!file.good() && !file.eof())
    return host::Status::failure("cannot read state file '" + path + "'");
  if (bytes.size() != size)
    return host::Status::failure("cannot read state file '" + path +
                                 "': it changed while being read");
  if (host::Status loaded = instance_->setState(bytes); !loaded)
    return host::Status::failure("state file '" + path + "' was refused: " + loaded.error());
  return host::Status::success();
}

host::Status PluginSession::loadPreset(const std::string& presetName) {
  const FactoryPreset* preset = findFactoryPreset(presetName);
  if (preset == nullptr)
    return host::Status::failure("unknown preset \"" + presetName +
                                 "\" (--list-presets shows the presets)");
  if (lobeshiftClassOf(processorClass_.classId) == nullptr)
    return host::Status::failure(name() + " has no factory presets; they are Lobeshift's");
  const auto parameterCount = static_cast<ParameterId>(catalog_.parameters().size());
  if (host::Status loaded = instance_->setState(presetState(*preset, parameterCount)); !loaded)
    return host::Status::failure("the preset \"" + std::string(preset->name) +
                                 "\" was refused: " + loaded.error());
  return host::Status::success();
}

host::Status PluginSession::applyAssignments(const std::vector<std::string>& assignments) {
  std::vector<ParameterChange> changes;
  for (const auto& assignment : assignments) {
    auto change = catalog_.resolve(assignment);
    if (!change) return host::Status::failure(change.error());
    changes.push_back(*change);
  }
  // A parameter set twice keeps the later value: its queue holds one point per offset.
  for (const auto& change : changes) instance_->setParameter(change.id, change.normalized);
  if (const tresult applied = instance_->processParametersOnly(); applied != kResultOk)
    return host::Status::failure(name() + " refused the parameter settings (result " +
                                 std::to_string(applied) + ")");
  return host::Status::success();
}

host::Result<host::StateBytes> PluginSession::currentState() {
  auto state = instance_->getState();
  if (!state) return host::Result<host::StateBytes>::failure(name() + ": " + state.error());
  return state;
}

}  // namespace render
