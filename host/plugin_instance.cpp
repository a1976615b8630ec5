#include "host/plugin_instance.h"

#include <algorithm>
#include <string>

namespace host {

using namespace Steinberg;

namespace {

std::string resultText(tresult result) { return "result " + std::to_string(result); }

// IConnectionPoint of an object, or null.
IPtr<Vst::IConnectionPoint> connectionPointOf(FUnknown* object) {
  return object != nullptr ? IPtr<Vst::IConnectionPoint>(FUnknownPtr<Vst::IConnectionPoint>(object))
                           : nullptr;
}

// Arrangements of every audio bus in one direction, as the processor reports them.
std::vector<Vst::SpeakerArrangement> arrangementsOf(Vst::IComponent* component,
                                                    Vst::IAudioProcessor* processor,
                                                    Vst::BusDirection direction) {
  std::vector<Vst::SpeakerArrangement> arrangements;
  const int32 count = component->getBusCount(Vst::kAudio, direction);
  for (int32 bus = 0; bus < count; ++bus) {
    Vst::SpeakerArrangement arrangement = 0;
    if (processor->getBusArrangement(direction, bus, arrangement) != kResultOk) arrangement = 0;
    arrangements.push_back(arrangement);
  }
  return arrangements;
}

int32 totalChannels(ProcessBuffers& buffers, bool inputs) {
  int32 total = 0;
  const int32 buses = inputs ? buffers.inputBusCount() : buffers.outputBusCount();
  for (int32 bus = 0; bus < buses; ++bus)
    total += inputs ? buffers.inputChannelCount(bus) : buffers.outputChannelCount(bus);
  return total;
}

}  // namespace

PluginInstance::PluginInstance(std::shared_ptr<Module> module, std::shared_ptr<HostContext> context)
    : module_(std::move(module)), context_(std::move(context)) {}

Result<std::unique_ptr<PluginInstance>> PluginInstance::create(
    std::shared_ptr<Module> module, std::shared_ptr<HostContext> context) {
  if (module == nullptr) return Result<std::unique_ptr<PluginInstance>>::failure("no module");
  auto processorClass = module->firstClassOf(kVstAudioEffectClass);
  if (!processorClass)
    return Result<std::unique_ptr<PluginInstance>>::failure(processorClass.error());
  return create(std::move(module), processorClass->classId, std::move(context));
}

Result<std::unique_ptr<PluginInstance>> PluginInstance::create(
    std::shared_ptr<Module> module, const FUID& processorClassId,
    std::shared_ptr<HostContext> context) {
  using Created = Result<std::unique_ptr<PluginInstance>>;
  if (module == nullptr) return Created::failure("no module");
  if (context == nullptr) context = std::make_shared<HostContext>();
  std::unique_ptr<PluginInstance> instance(
      new PluginInstance(std::move(module), std::move(context)));
  // On failure the destructor undoes whatever the build got done.
  if (Status built = instance->build(processorClassId); !built)
    return Created::failure(built.error());
  return Created::success(std::move(instance));
}

Status PluginInstance::build(const FUID& processorClassId) {
  const std::string where = module_->libraryPath() + ", class " + guidString(processorClassId);
  processorClassId_ = processorClassId;
  IPluginFactory* factory = module_->factory();

  TUID classId;
  processorClassId.toTUID(classId);
  void* object = nullptr;
  if (factory->createInstance(classId, Vst::IComponent::iid, &object) != kResultOk ||
      object == nullptr)
    return Status::failure(where + ": the factory cannot create it as a component");
  component_ = owned(static_cast<Vst::IComponent*>(object));

  if (tresult result = component_->initialize(context_.get()); result != kResultOk)
    return Status::failure(where + ": initialize failed (" + resultText(result) + ")");
  componentInitialized_ = true;

  processor_ = FUnknownPtr<Vst::IAudioProcessor>(component_);
  if (!processor_) return Status::failure(where + ": the component is no audio processor");

  if (Status made = createController(); !made) return Status::failure(where + ": " + made.error());
  if (controller_) {
    controller_->setComponentHandler(&handler_);
    connect();
    if (Status transferred = transferComponentState(); !transferred)
      return Status::failure(where + ": " + transferred.error());
  }
  return Status::success();
}

Status PluginInstance::createController() {
  TUID controllerClassId;
  if (component_->getControllerClassId(controllerClassId) == kResultOk) {
    void* object = nullptr;
    if (module_->factory()->createInstance(controllerClassId, Vst::IEditController::iid, &object) !=
            kResultOk ||
        object == nullptr)
      return Status::failure("the factory cannot create controller class " +
                             guidString(FUID::fromTUID(controllerClassId)));
    controller_ = owned(static_cast<Vst::IEditController*>(object));
    controllerIsSeparate_ = true;
    if (tresult result = controller_->initialize(context_.get()); result != kResultOk)
      return Status::failure("controller initialize failed (" + resultText(result) + ")");
    controllerInitialized_ = true;
    return Status::success();
  }
  // A single-component plug-in is its own controller; a plug-in may also have none.
  controller_ = FUnknownPtr<Vst::IEditController>(component_);
  return Status::success();
}

void PluginInstance::connect() {
  if (!controllerIsSeparate_) return;
  auto componentPoint = connectionPointOf(component_);
  auto controllerPoint = connectionPointOf(controller_);
  if (!componentPoint || !controllerPoint) return;
  componentPoint->connect(controllerPoint);
  controllerPoint->connect(componentPoint);
  connected_ = true;
}

void PluginInstance::disconnect() {
  if (!connected_) return;
  auto componentPoint = connectionPointOf(component_);
  auto controllerPoint = connectionPointOf(controller_);
  componentPoint->disconnect(controllerPoint);
  controllerPoint->disconnect(componentPoint);
  connected_ = false;
}

Status PluginInstance::transferComponentState() {
  auto state = getState();
  // A component without state has nothing to tell its controller.
  if (!state) return Status::success();
  auto stream = streamOf(*state);
  const tresult result = controller_->setComponentState(stream);
  if (result != kResultOk && result != kNotImplemented)
    return Status::failure("the controller refused the component's state (" + resultText(result) +
                           ")");
  return Status::success();
}

PluginInstance::~PluginInstance() {
  if (active_) deactivate();
  disconnect();
  if (controller_) controller_->setComponentHandler(nullptr);
  if (controllerInitialized_) controller_->terminate();
  if (componentInitialized_) component_->terminate();
  controller_ = nullptr;
  processor_ = nullptr;
  component_ = nullptr;
}

Status PluginInstance::setupProcessing(double sampleRate, int32 maxBlockSize, int32 processMode) {
  if (active_) return Status::failure("setupProcessing while active");
  if (sampleRate <= 0.0 || maxBlockSize <= 0)
    return Status::failure("setupProcessing needs a sample rate and a block size");
  if (processor_->canProcessSampleSize(Vst::kSample32) != kResultOk)
    return Status::failure("the processor cannot process 32-bit float samples");

  const auto inputs = arrangementsOf(component_, processor_, Vst::kInput);
  const auto outputs = arrangementsOf(component_, processor_, Vst::kOutput);
  for (int32 bus = 0; bus < static_cast<int32>(inputs.size()); ++bus)
    component_->activateBus(Vst::kAudio, Vst::kInput, bus, true);
  for (int32 bus = 0; bus < static_cast<int32>(outputs.size()); ++bus)
    component_->activateBus(Vst::kAudio, Vst::kOutput, bus, true);

  Vst::ProcessSetup setup{processMode, Vst::kSample32, maxBlockSize, sampleRate};
  if (tresult result = processor_->setupProcessing(setup); result != kResultOk)
    return Status::failure("setupProcessing failed (" + resultText(result) + ")");
  buffers_.configure(inputs, outputs, maxBlockSize, sampleRate, processMode);
  return Status::success();
}

tresult PluginInstance::setBusArrangements(std::vector<Vst::SpeakerArrangement> inputs,
                                           std::vector<Vst::SpeakerArrangement> outputs) {
  return processor_->setBusArrangements(inputs.data(), static_cast<int32>(inputs.size()),
                                        outputs.data(), static_cast<int32>(outputs.size()));
}

Status PluginInstance::activate() {
  if (active_) return Status::success();
  if (buffers_.maxBlockSize() == 0) return Status::failure("activate before setupProcessing");
  if (tresult result = component_->setActive(true); result != kResultOk)
    return Status::failure("setActive(true) failed (" + resultText(result) + ")");
  active_ = true;
  // Many processors do not implement setProcessing; that is no failure.
  const tresult result = processor_->setProcessing(true);
  processing_ = result == kResultOk;
  if (result != kResultOk && result != kNotImplemented)
    return Status::failure("setProcessing(true) failed (" + resultText(result) + ")");
  return Status::success();
}

Status PluginInstance::deactivate() {
  if (!active_) return Status::success();
  if (processing_) processor_->setProcessing(false);
  processing_ = false;
  active_ = false;
  if (tresult result = component_->setActive(false); result != kResultOk)
    return Status::failure("setActive(false) failed (" + resultText(result) + ")");
  return Status::success();
}

void PluginInstance::takeControllerEdits() {
  for (const auto& edit : handler_.takePendingValues())
    inputChanges_.addChange(edit.id, edit.value, 0);
}

void PluginInstance::forwardOutputChanges() {
  if (!controller_) return;
  for (int32 i = 0; i < outputChanges_.getParameterCount(); ++i) {
    Vst::IParamValueQueue* queue = outputChanges_.getParameterData(i);
    int32 offset = 0;
    Vst::ParamValue value = 0.0;
    if (queue->getPoint(queue->getPointCount() - 1, offset, value) == kResultOk)
      controller_->setParamNormalized(queue->getParameterId(), value);
  }
}

tresult PluginInstance::process(int32 numSamples) {
  if (buffers_.maxBlockSize() == 0) return kNotInitialized;
  if (numSamples < 0 || numSamples > buffers_.maxBlockSize()) return kInvalidArgument;
  takeControllerEdits();
  outputChanges_.clear();
  const tresult result =
      processor_->process(buffers_.prepare(numSamples, &inputChanges_, &outputChanges_));
  inputChanges_.clear();
  buffers_.advance(numSamples);
  forwardOutputChanges();
  return result;
}

tresult PluginInstance::processParametersOnly() {
  if (buffers_.maxBlockSize() == 0) return kNotInitialized;
  takeControllerEdits();
  outputChanges_.clear();
  const tresult result = processor_->process(
      buffers_.prepare(0, &inputChanges_, &outputChanges_, /*withAudio=*/false));
  inputChanges_.clear();
  forwardOutputChanges();
  return result;
}

Result<Channels> PluginInstance::render(const Channels& inputChannels, int32 blockSize) {
  if (blockSize <= 0 || blockSize > buffers_.maxBlockSize())
    return Result<Channels>::failure("render needs a block size between 1 and the set-up maximum");
  if (static_cast<int32>(inputChannels.size()) != totalChannels(buffers_, true))
    return Result<Channels>::failure("render got " + std::to_string(inputChannels.size()) +
                                     " input channels, the buses have " +
                                     std::to_string(totalChannels(buffers_, true)));
  const std::size_t length = inputChannels.empty() ? 0 : inputChannels.front().size();
  for (const auto& channel : inputChannels)
    if (channel.size() != length)
      return Result<Channels>::failure("render needs input channels of one length");

  Channels output(static_cast<std::size_t>(totalChannels(buffers_, false)),
                  std::vector<float>(length));
  for (std::size_t start = 0; start < length; start += static_cast<std::size_t>(blockSize)) {
    const auto count = static_cast<int32>(
        std::min<std::size_t>(static_cast<std::size_t>(blockSize), length - start));
    std::size_t flat = 0;
    for (int32 bus = 0; bus < buffers_.inputBusCount(); ++bus)
      for (int32 channel = 0; channel < buffers_.inputChannelCount(bus); ++channel, ++flat)
        std::copy_n(inputChannels[flat].begin() + static_cast<std::ptrdiff_t>(start), count,
                    buffers_.inputChannel(bus, channel));
    if (tresult result = process(count); result != kResultOk)
      return Result<Channels>::failure("process failed at sample " + std::to_string(start) + " (" +
                                       resultText(result) + ")");
    flat = 0;
    for (int32 bus = 0; bus < buffers_.outputBusCount(); ++bus)
      for (int32 channel = 0; channel < buffers_.outputChannelCount(bus); ++channel, ++flat)
        std::copy_n(buffers_.outputChannel(bus, channel), count,
                    output[flat].begin() + static_cast<std::ptrdiff_t>(start));
  }
  return Result<Channels>::success(std::move(output));
}

void PluginInstance::setParameter(Vst::ParamID id, Vst::ParamValue normalized, int32 sampleOffset) {
  inputChanges_.addChange(id, normalized, sampleOffset);
  if (controller_) controller_->setParamNormalized(id, normalized);
}

Result<StateBytes> PluginInstance::getState() {
  auto stream = owned(new MemoryStream());
  if (tresult result = component_->getState(stream); result != kResultOk)
    return Result<StateBytes>::failure("the component's getState failed (" + resultText(result) +
                                       ")");
  return Result<StateBytes>::success(bytesOf(*stream));
}

Status PluginInstance::setState(const StateBytes& state) {
  if (tresult result = component_->setState(streamOf(state)); result != kResultOk)
    return Status::failure("the component's setState failed (" + resultText(result) + ")");
  if (!controller_) return Status::success();
  const tresult result = controller_->setComponentState(streamOf(state));
  if (result != kResultOk && result != kNotImplemented)
    return Status::failure("the controller's setComponentState failed (" + resultText(result) +
                           ")");
  return Status::success();
}

Result<StateBytes> PluginInstance::getControllerState() {
  if (!controller_) return Result<StateBytes>::failure("the plug-in has no controller");
  auto stream = owned(new MemoryStream());
  if (tresult result = controller_->getState(stream); result != kResultOk)
    return Result<StateBytes>::failure("the controller's getState failed (" + resultText(result) +
                                       ")");
  return Result<StateBytes>::success(bytesOf(*stream));
}

Status PluginInstance::setControllerState(const StateBytes& state) {
  if (!controller_) return Status::failure("the plug-in has no controller");
  if (tresult result = controller_->setState(streamOf(state)); result != kResultOk)
    return Status::failure("the controller's setState failed (" + resultText(result) + ")");
  return Status::success();
}

IPlugView* PluginInstance::createView(FIDString name) {
  return controller_ ? controller_->createView(name) : nullptr;
}

}  // namespace host
