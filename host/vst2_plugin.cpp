#include "host/vst2_plugin.h"

#include <algorithm>
#include <cstring>

#include "host/module_file.h"

namespace host {

namespace {
using MainProc = AEffect* (*)(audioMasterCallback);

// The host whose VSTPluginMain is running: the plug-in may call back before the
// host knows its effect record.
thread_local Vst2Plugin* tConstructing = nullptr;
}  // namespace

std::string vst2ModuleOfBundle(const std::string& bundlePath) {
  return module_file::inBundle(bundlePath);
}

Result<std::unique_ptr<Vst2Plugin>> Vst2Plugin::load(const std::string& modulePath,
                                                     Vst2HostOptions options) {
  using R = Result<std::unique_ptr<Vst2Plugin>>;
  auto library = module_file::open(modulePath);
  if (!library) return R::failure("cannot open module: " + library.error());
  auto main = reinterpret_cast<MainProc>(module_file::symbol(*library, "VSTPluginMain"));
  std::unique_ptr<Vst2Plugin> plugin(new Vst2Plugin(*library, options));
  if (main == nullptr) return R::failure("the module exports no VSTPluginMain");
  tConstructing = plugin.get();
  plugin->effect_ = main(&Vst2Plugin::callback);
  tConstructing = nullptr;
  if (plugin->effect_ == nullptr) return R::failure("VSTPluginMain returned no effect");
  if (plugin->effect_->magic != kEffectMagic) {
    plugin->closed_ = true;  // not ours to close
    return R::failure("the effect record has the wrong magic number");
  }
  plugin->effect_->user = plugin.get();
  return R::success(std::move(plugin));
}

Vst2Plugin::Vst2Plugin(void* library, Vst2HostOptions options)
    : library_(library), options_(options) {}

Vst2Plugin::~Vst2Plugin() {
  close();
  module_file::close(library_);
}

VstIntPtr Vst2Plugin::dispatch(int opcode, int index, VstIntPtr value, void* ptr, float opt) {
  return effect_->dispatcher(effect_, opcode, index, value, ptr, opt);
}

void Vst2Plugin::close() {
  if (effect_ == nullptr || closed_) return;
  dispatch(effClose);
  closed_ = true;
}

void Vst2Plugin::resume(double sampleRate, VstInt32 blockSize) {
  options_.sampleRate = sampleRate;
  options_.blockSize = blockSize;
  dispatch(effSetSampleRate, 0, 0, nullptr, static_cast<float>(sampleRate));
  dispatch(effSetBlockSize, 0, blockSize);
  dispatch(effMainsChanged, 0, 1);
}

void Vst2Plugin::suspend() { dispatch(effMainsChanged, 0, 0); }

Vst2Channels Vst2Plugin::render(const Vst2Channels& inputs, VstInt32 blockSize) {
  const std::size_t length = inputs.empty() ? 0 : inputs.front().size();
  Vst2Channels outputs(static_cast<std::size_t>(effect_->numOutputs),
                       std::vector<float>(length, 0.0f));
  std::vector<float*> in(static_cast<std::size_t>(effect_->numInputs), nullptr);
  std::vector<float*> out(outputs.size(), nullptr);
  // The plug-in may not write into the host's input signals.
  Vst2Channels inputCopy = inputs;
  inputCopy.resize(in.size(), std::vector<float>(length, 0.0f));
  for (std::size_t start = 0; start < length; start += static_cast<std::size_t>(blockSize)) {
    const auto frames = static_cast<int>(std::min<std::size_t>(blockSize, length - start));
    for (std::size_t c = 0; c < in.size(); ++c) in[c] = inputCopy[c].data() + start;
    for (std::size_t c = 0; c < out.size(); ++c) out[c] = outputs[c].data() + start;
    effect_->processReplacing(effect_, in.data(), out.data(), frames);
  }
  return outputs;
}

std::string Vst2Plugin::text(int opcode, int index) {
  // Larger than any buffer a plug-in may fill, and marked so an overrun shows.
  char buffer[256];
  std::memset(buffer, 0x7f, sizeof(buffer));
  buffer[sizeof(buffer) - 1] = '\0';
  if (dispatch(opcode, index, 0, buffer) == 0) return "";
  return std::string(buffer, strnlen(buffer, sizeof(buffer)));
}

std::vector<char> Vst2Plugin::chunk() {
  void* data = nullptr;
  const VstIntPtr size = dispatch(effGetChunk, 0, 0, &data);
  if (size <= 0 || data == nullptr) return {};
  const char* bytes = static_cast<const char*>(data);
  return std::vector<char>(bytes, bytes + size);
}

VstIntPtr Vst2Plugin::setChunk(const std::vector<char>& bytes) {
  return dispatch(effSetChunk, 0, static_cast<VstIntPtr>(bytes.size()),
                  const_cast<char*>(bytes.data()));
}

std::vector<Vst2HostCall> Vst2Plugin::calls() const {
  const std::lock_guard<std::mutex> lock(callsLock_);
  return calls_;
}

std::vector<Vst2HostCall> Vst2Plugin::callsOf(int opcode) const {
  std::vector<Vst2HostCall> found;
  for (const Vst2HostCall& call : calls()) {
    if (call.opcode == opcode) found.push_back(call);
  }
  return found;
}

void Vst2Plugin::clearCalls() {
  const std::lock_guard<std::mutex> lock(callsLock_);
  calls_.clear();
}

VstIntPtr Vst2Plugin::callback(AEffect* effect, int opcode, int index, VstIntPtr value, void* ptr,
                               float opt) {
  Vst2Plugin* plugin = effect != nullptr && effect->user != nullptr
                           ? static_cast<Vst2Plugin*>(effect->user)
                           : tConstructing;
  if (plugin == nullptr) return opcode == audioMasterVersion ? 2400 : 0;
  return plugin->answer(opcode, index, value, ptr, opt);
}

VstIntPtr Vst2Plugin::answer(int opcode, int index, VstIntPtr value, void* ptr, float opt) {
  {
    const std::lock_guard<std::mutex> lock(callsLock_);
    calls_.push_back({opcode, index, value, opt});
  }
  switch (opcode) {
    case audioMasterVersion:
      return options_.version;
    case audioMasterGetSampleRate:
      return static_cast<VstIntPtr>(options_.sampleRate);
    case audioMasterGetBlockSize:
      return options_.blockSize;
    case audioMasterGetCurrentProcessLevel:
      return options_.processLevel;
    case audioMasterGetProductString:
      if (ptr != nullptr) std::strcpy(static_cast<char*>(ptr), "Lobeshift VST 2 test host");
      return ptr != nullptr ? 1 : 0;
    case audioMasterGetVendorString:
      if (ptr != nullptr) std::strcpy(static_cast<char*>(ptr), "Lobeshift");
      return ptr != nullptr ? 1 : 0;
    case audioMasterSizeWindow:
      return 1;
    default:
      return 0;
  }
}

}  // namespace host
