// Making the wrapper: the VST 3 objects created, initialised and connected, and the
// effect record filled from what they report. Tearing it down again.

#include <cstdio>
#include <mutex>

#include "platform/diagnostics.h"
#include "pluginterfaces/base/ustring.h"
#include "pluginterfaces/vst/ivstmessage.h"
#include "public.sdk/source/common/memorystream.h"
#include "sdk/vst2_wrapper.h"

namespace Steinberg::Vst {

namespace {

// Effect records of closed wrappers. A host that still calls one after effClose finds
// no wrapper behind it and gets zero; the records go when the module is unloaded.
std::mutex gRetiredLock;
std::vector<std::unique_ptr<AEffect>>& retiredRecords() {
  static std::vector<std::unique_ptr<AEffect>> records;
  return records;
}

void retire(std::unique_ptr<AEffect> record) {
  const std::lock_guard<std::mutex> lock(gRetiredLock);
  retiredRecords().push_back(std::move(record));
}

std::string hostProductName(const Vst2HostCallback& host) {
  char name[256] = {};
  host.call(audioMasterGetProductString, 0, 0, name);
  name[sizeof(name) - 1] = '\0';
  return name[0] != '\0' ? name : "VST 2 host";
}

// "1.0.1" -> 1010: major, minor, patch and build as decimal digits, the way VST 2
// hosts read a vendor version.
VstInt32 vendorVersionOf(const char* version) {
  int parts[4] = {};
  std::sscanf(version, "%d.%d.%d.%d", &parts[0], &parts[1], &parts[2], &parts[3]);
  return parts[0] * 1000 + parts[1] * 100 + parts[2] * 10 + parts[3];
}

}  // namespace

AEffect* Vst2Wrapper::create(IPluginFactory* factory, const TUID processorClassId,
                             VstInt32 vst2UniqueId, audioMasterCallback hostCallback,
                             void (*onClose)(), const Vst2Programs& programs) {
  if (factory == nullptr || hostCallback == nullptr) return nullptr;
  std::unique_ptr<Vst2Wrapper> wrapper(new Vst2Wrapper(factory, hostCallback));
  if (!wrapper->createObjects(processorClassId)) return nullptr;
  wrapper->connect();
  wrapper->takeParameters();
  wrapper->takeBuses();
  wrapper->describe(processorClassId, vst2UniqueId);
  wrapper->onClose_ = onClose;
  wrapper->programs_ = programs.empty() ? Vst2Programs{{"Default", {}}} : programs;
  wrapper->effect_->numPrograms = static_cast<VstInt32>(wrapper->programs_.size());
  wrapper->host_.effect = wrapper->effect_;
  return wrapper.release()->effect_;
}

Vst2Wrapper::Vst2Wrapper(IPluginFactory* factory, audioMasterCallback hostCallback)
    : record_(new AEffect{}),
      effect_(record_.get()),
      host_{hostCallback, nullptr},
      factory_(factory),
      handler_(host_, parameterIds_, slots_) {}

bool Vst2Wrapper::createObjects(const TUID processorClassId) {
  hostApplication_ = std::make_unique<Vst2HostApplication>(hostProductName(host_));
  IComponent* component = nullptr;
  if (factory_->createInstance(processorClassId, IComponent::iid,
                               reinterpret_cast<void**>(&component)) != kResultOk ||
      component == nullptr) {
    diag::write("VST 2 wrapper: the factory made no processor component\n");
    return false;
  }
  component_ = owned(component);
  if (component_->initialize(hostApplication_.get()) != kResultOk) {
    diag::write("VST 2 wrapper: the processor component did not initialise\n");
    return false;
  }
  componentInitialized_ = true;
  processor_ = FUnknownPtr<IAudioProcessor>(component_);
  if (!processor_ || processor_->canProcessSampleSize(kSample32) != kResultOk) {
    diag::write("VST 2 wrapper: the component processes no 32-bit audio\n");
    return false;
  }
  return createController();
}

bool Vst2Wrapper::createController() {
  TUID controllerClassId;
  if (component_->getControllerClassId(controllerClassId) == kResultOk &&
      FUID::fromTUID(controllerClassId).isValid()) {
    IEditController* controller = nullptr;
    if (factory_->createInstance(controllerClassId, IEditController::iid,
                                 reinterpret_cast<void**>(&controller)) == kResultOk &&
        controller != nullptr) {
      controller_ = owned(controller);
      controllerInitialized_ = controller_->initialize(hostApplication_.get()) == kResultOk;
    }
  } else {
    controller_ = FUnknownPtr<IEditController>(component_);
    controllerIsComponent_ = controllerInitialized_ = bool(controller_);
  }
  if (!controller_ || !controllerInitialized_) {
    diag::write("VST 2 wrapper: the edit controller could not be made\n");
    return false;
  }
  controller_->setComponentHandler(&handler_);
  return true;
}

void Vst2Wrapper::connect() {
  if (!controllerIsComponent_) {
    FUnknownPtr<IConnectionPoint> componentPoint(component_);
    FUnknownPtr<IConnectionPoint> controllerPoint(controller_);
    if (componentPoint && controllerPoint) {
      componentPoint->connect(controllerPoint);
      controllerPoint->connect(componentPoint);
      connected_ = true;
    }
  }
  // The controller starts from the processor's state, as a VST 3 host would make it.
  IPtr<MemoryStream> state = owned(new MemoryStream());
  if (component_->getState(state) == kResultOk) {
    state->seek(0, IBStream::kIBSeekSet, nullptr);
    controller_->setComponentState(state);
  }
}

void Vst2Wrapper::takeParameters() {
  const int32 count = controller_->getParameterCount();
  for (int32 index = 0; index < count; ++index) {
    ParameterInfo info{};
    controller_->getParameterInfo(index, info);
    parameterIds_.push_back(info.id);
  }
  slots_.allocate(count);
  blockChanges_.allocate(count);
  settleFromController();
}

void Vst2Wrapper::takeBuses() {
  int32 channels[2] = {0, 0};
  for (BusDirection direction : {kInput, kOutput}) {
    auto& buses = direction == kInput ? inputBuses_ : outputBuses_;
    const int32 count = component_->getBusCount(kAudio, direction);
    for (int32 index = 0; index < count; ++index) {
      BusInfo info{};
      if (component_->getBusInfo(kAudio, direction, index, info) != kResultOk) continue;
      component_->activateBus(kAudio, direction, index, true);
      AudioBusBuffers bus{};
      bus.numChannels = info.channelCount;
      buses.push_back(bus);
      channels[direction] += info.channelCount;
    }
  }
  // Each bus points into one list of channel pointers, inputs first; processReplacing
  // fills the list from the host's buffers.
  channelPointers_.assign(static_cast<size_t>(channels[kInput] + channels[kOutput]), nullptr);
  Sample32** next = channelPointers_.data();
  for (auto* buses : {&inputBuses_, &outputBuses_}) {
    for (AudioBusBuffers& bus : *buses) {
      bus.channelBuffers32 = next;
      next += bus.numChannels;
    }
  }
  accumulationChannels_.assign(static_cast<size_t>(channels[kOutput]), nullptr);
  effect_->numInputs = channels[kInput];
  effect_->numOutputs = channels[kOutput];

  processData_.symbolicSampleSize = kSample32;
  processData_.numInputs = static_cast<int32>(inputBuses_.size());
  processData_.numOutputs = static_cast<int32>(outputBuses_.size());
  processData_.inputs = inputBuses_.data();
  processData_.outputs = outputBuses_.data();
  processData_.inputParameterChanges = &blockChanges_;
}

void Vst2Wrapper::describe(const TUID processorClassId, VstInt32 vst2UniqueId) {
  PFactoryInfo factoryInfo;
  if (factory_->getFactoryInfo(&factoryInfo) == kResultOk) vendor_ = factoryInfo.vendor;
  FUnknownPtr<IPluginFactory2> factory2(factory_);
  for (int32 index = 0; factory2 && index < factory_->countClasses(); ++index) {
    PClassInfo2 info;
    if (factory2->getClassInfo2(index, &info) != kResultOk ||
        FUID::fromTUID(info.cid) != FUID::fromTUID(processorClassId))
      continue;
    effectName_ = info.name;
    if (info.vendor[0] != '\0') vendor_ = info.vendor;
    vendorVersion_ = vendorVersionOf(info.version);
  }

  editor_ = std::make_unique<Vst2Editor>(controller_, host_);
  AEffect& effect = *effect_;
  effect.magic = kEffectMagic;
  effect.dispatcher = &Vst2Wrapper::dispatchEntry;
  effect.process = &Vst2Wrapper::processAccumulatingEntry;
  effect.processReplacing = &Vst2Wrapper::processReplacingEntry;
  effect.processDoubleReplacing = nullptr;
  effect.setParameter = &Vst2Wrapper::setParameterEntry;
  effect.getParameter = &Vst2Wrapper::getParameterEntry;
  effect.numParams = slots_.count();
  effect.flags = effFlagsCanReplacing | effFlagsProgramChunks;
  if (editor_->probe()) effect.flags |= effFlagsHasEditor;
  effect.initialDelay = static_cast<VstInt32>(processor_->getLatencySamples());
  effect.object = this;
  effect.uniqueID = vst2UniqueId;
  effect.version = vendorVersion_;
}

Vst2Wrapper::~Vst2Wrapper() {
  effect_->object = nullptr;
  editor_.reset();
  setMains(false);
  if (connected_) {
    FUnknownPtr<IConnectionPoint> componentPoint(component_);
    FUnknownPtr<IConnectionPoint> controllerPoint(controller_);
    componentPoint->disconnect(controllerPoint);
    controllerPoint->disconnect(componentPoint);
  }
  if (controller_) controller_->setComponentHandler(nullptr);
  if (controllerInitialized_ && !controllerIsComponent_) controller_->terminate();
  if (componentInitialized_) component_->terminate();
  controller_ = nullptr;
  processor_ = nullptr;
  component_ = nullptr;
  hostApplication_.reset();
  factory_ = nullptr;
  retire(std::move(record_));
}

Vst2Wrapper* Vst2Wrapper::of(AEffect* effect) {
  return effect != nullptr ? static_cast<Vst2Wrapper*>(effect->object) : nullptr;
}

}  // namespace Steinberg::Vst
