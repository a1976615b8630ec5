// The VST 2 dispatcher: every opcode the wrapper answers. Anything else, and every
// opcode before effOpen, gets zero.

#include <cstdio>
#include <cstring>

#include "sdk/vst2_text.h"
#include "sdk/vst2_wrapper.h"

namespace Steinberg::Vst {

namespace {

constexpr const char* kCanDoYes[] = {"plugAsChannelInsert", "plugAsSend"};
constexpr const char* kCanDoNo[] = {"sendVstEvents",
                                    "sendVstMidiEvent",
                                    "receiveVstEvents",
                                    "receiveVstMidiEvent",
                                    "midiProgramNames",
                                    "offline",
                                    "bypass"};

bool listed(const char* what, const auto& list) {
  for (const char* entry : list) {
    if (std::strcmp(what, entry) == 0) return true;
  }
  return false;
}

// Sample rates and block sizes a host may sensibly ask for.
constexpr double kHighestSampleRate = 1536000.0;
constexpr VstIntPtr kLargestBlock = 1 << 20;

}  // namespace

VstIntPtr Vst2Wrapper::dispatchEntry(AEffect* effect, int opcode, int index, VstIntPtr value,
                                     void* ptr, float opt) {
  Vst2Wrapper* wrapper = of(effect);
  if (wrapper == nullptr) return 0;
  if (opcode == effClose) {
    void (*onClose)() = wrapper->onClose_;
    delete wrapper;
    if (onClose != nullptr) onClose();
    return 1;
  }
  return wrapper->dispatch(opcode, index, value, ptr, opt);
}

VstIntPtr Vst2Wrapper::dispatch(int opcode, int index, VstIntPtr value, void* ptr, float opt) {
  if (opcode == effOpen) {
    opened_ = true;
    return 0;
  }
  if (!opened_) return 0;
  switch (opcode) {
    case effSetSampleRate:
      if (!(opt > 0.0f && opt <= kHighestSampleRate)) return 0;
      sampleRate_ = opt;
      if (active_) {
        // The new rate takes effect the way a VST 3 host applies one: set up again.
        setMains(false);
        setMains(true);
      }
      return 1;
    case effSetBlockSize:
      if (value <= 0 || value > kLargestBlock) return 0;
      blockSize_ = static_cast<int32>(value);
      if (active_) {
        setMains(false);
        setMains(true);
      }
      return 1;
    case effMainsChanged:
      setMains(value != 0);
      return 0;
    case effStartProcess:
    case effStopProcess:
      setProcessing(opcode == effStartProcess);
      return 0;
    case effSetProcessPrecision:
      return value == kVstProcessPrecision32 ? 1 : 0;
    case effGetChunk:
      return getChunk(static_cast<void**>(ptr));
    case effSetChunk:
      return setChunk(ptr, value);
    case effGetParamName:
    case effGetParamLabel:
    case effGetParamDisplay:
    case effCanBeAutomated:
    case effString2Parameter:
      return dispatchParameter(opcode, index, ptr);
    case effEditGetRect:
    case effEditOpen:
    case effEditIdle:
    case effEditClose:
      return dispatchEditor(opcode, ptr);
    default:
      return dispatchDescription(opcode, index, value, ptr);
  }
}

VstIntPtr Vst2Wrapper::dispatchEditor(int opcode, void* ptr) {
  switch (opcode) {
    case effEditGetRect: {
      ERect* rect = editor_->rect();
      if (ptr == nullptr || rect == nullptr) return 0;
      *static_cast<ERect**>(ptr) = rect;
      return 1;
    }
    case effEditOpen:
      // The editor shows the values automation has set since the last idle.
      updateController();
      return editor_->open(ptr) ? 1 : 0;
    case effEditIdle:
      updateController();
      if (!editor_->isOpen()) return 0;
      editor_->idle();
      return 1;
    case effEditClose:
      return editor_->close() ? 1 : 0;
    default:
      return 0;
  }
}

VstIntPtr Vst2Wrapper::dispatchDescription(int opcode, int index, VstIntPtr value, void* ptr) {
  switch (opcode) {
    case effGetProgram:
    case effSetProgram:
    case effSetProgramName:
    case effGetProgramName:
    case effGetProgramNameIndexed:
      return dispatchProgram(opcode, index, value, ptr);
    case effGetEffectName:
      return copyText(ptr, effectName_.c_str(), Vst2::kEffectNameBytes);
    case effGetProductString:
      return copyText(ptr, effectName_.c_str(), Vst2::kVendorTextBytes);
    case effGetVendorString:
      return copyText(ptr, vendor_.c_str(), Vst2::kVendorTextBytes);
    case effGetVendorVersion:
      return vendorVersion_;
    case effGetPlugCategory:
      return kPlugCategEffect;
    case effGetVstVersion:
      return kVstVersion;
    case effIdentify:
      return CCONST('N', 'v', 'E', 'f');
    case effCanDo:
      return ptr != nullptr ? canDo(static_cast<const char*>(ptr)) : 0;
    case effGetInputProperties:
    case effGetOutputProperties:
      return pinProperties(opcode == effGetInputProperties, index, ptr);
    case effSetSpeakerArrangement:
      return acceptsArrangement(value, ptr);
    case effGetCurrentMidiProgram:
      return -1;
    case effSetTotalSampleToProcess:
      return value;
    default:
      return 0;
  }
}

VstIntPtr Vst2Wrapper::canDo(const char* what) const {
  if (listed(what, kCanDoYes)) return Vst2::kCanDoYes;
  if (listed(what, kCanDoNo)) return Vst2::kCanDoNo;
  return Vst2::kCanDoUnknown;
}

VstIntPtr Vst2Wrapper::pinProperties(bool input, int index, void* ptr) const {
  const int32 channels = input ? effect_->numInputs : effect_->numOutputs;
  if (ptr == nullptr || index < 0 || index >= channels) return 0;
  const auto& buses = input ? inputBuses_ : outputBuses_;
  const BusDirection direction = input ? kInput : kOutput;
  // The bus the channel belongs to names it: "AudioInput 3".
  int32 bus = 0;
  int32 channel = index;
  while (bus < static_cast<int32>(buses.size()) && channel >= buses[bus].numChannels)
    channel -= buses[bus++].numChannels;
  BusInfo info{};
  component_->getBusInfo(kAudio, direction, bus, info);
  char busName[Vst2::kPinLabelBytes] = {};
  utf16ToAscii(info.name, busName, sizeof(busName));

  VstPinProperties properties{};
  std::snprintf(properties.label, sizeof(properties.label), "%.50s %d", busName, channel + 1);
  std::snprintf(properties.shortLabel, sizeof(properties.shortLabel), "%s%d", input ? "In" : "Out",
                (index + 1) % 1000);  // a host's short label holds 7 characters
  std::memcpy(ptr, &properties, sizeof(properties));
  return 1;
}

VstIntPtr Vst2Wrapper::acceptsArrangement(VstIntPtr inputs, void* outputs) const {
  // The buses are fixed: an arrangement is accepted when it is the one they have.
  const auto* in = reinterpret_cast<const VstSpeakerArrangement*>(inputs);
  const auto* out = static_cast<const VstSpeakerArrangement*>(outputs);
  if (in == nullptr || out == nullptr) return 0;
  return in->numChannels == effect_->numInputs && out->numChannels == effect_->numOutputs ? 1 : 0;
}

}  // namespace Steinberg::Vst
