// Parameters as a VST 2 host sees them: by index, normalized, from any thread.

#include <algorithm>
#include <cmath>

#include "platform/diagnostics.h"
#include "sdk/vst2_text.h"
#include "sdk/vst2_wrapper.h"

namespace Steinberg::Vst {

void Vst2Wrapper::setParameterEntry(AEffect* effect, int index, float value) {
  if (Vst2Wrapper* wrapper = of(effect)) wrapper->setParameter(index, value);
}

float Vst2Wrapper::getParameterEntry(AEffect* effect, int index) {
  Vst2Wrapper* wrapper = of(effect);
  return wrapper != nullptr ? static_cast<float>(wrapper->slots_.value(index)) : 0.0f;
}

void Vst2Wrapper::setParameter(int32 index, float value) {
  if (!slots_.contains(index)) return;
  if (!std::isfinite(value)) {
    // Safe on any thread: the line is queued, not printed here.
    diag::write("VST 2 host set parameter %d to %f; the value is kept\n", index,
                static_cast<double>(value));
    return;
  }
  slots_.setFromHost(index, std::clamp(value, 0.0f, 1.0f));
}

void Vst2Wrapper::updateController() {
  slots_.takeForController([this](int32 index, ParamValue value) {
    controller_->setParamNormalized(parameterIds_[static_cast<size_t>(index)], value);
  });
}

void Vst2Wrapper::settleFromController() {
  for (int32 index = 0; index < slots_.count(); ++index)
    slots_.settle(index,
                  controller_->getParamNormalized(parameterIds_[static_cast<size_t>(index)]));
}

VstIntPtr Vst2Wrapper::dispatchParameter(int opcode, int index, void* ptr) {
  if (!slots_.contains(index)) return 0;
  const ParamID id = parameterIds_[static_cast<size_t>(index)];
  ParameterInfo info{};
  if (controller_->getParameterInfo(index, info) != kResultOk) return 0;
  switch (opcode) {
    case effCanBeAutomated:
      return (info.flags & ParameterInfo::kCanAutomate) != 0 ? 1 : 0;
    case effGetParamName:
    case effGetParamLabel: {
      if (ptr == nullptr) return 0;
      const bool name = opcode == effGetParamName;
      utf16ToAscii(name ? info.title : info.units, static_cast<char*>(ptr),
                   name ? Vst2::kParameterNameBytes : Vst2::kParameterTextBytes);
      return 1;
    }
    case effGetParamDisplay: {
      String128 text{};
      if (ptr == nullptr ||
          controller_->getParamStringByValue(id, slots_.value(index), text) != kResultOk)
        return 0;
      utf16ToAsciiWords(text, static_cast<char*>(ptr), Vst2::kParameterTextBytes);
      return 1;
    }
    case effString2Parameter: {
      // Without text the host only asks whether the parameter exists.
      if (ptr == nullptr) return 1;
      String128 text{};
      const char* typed = static_cast<const char*>(ptr);
      for (size_t i = 0; i + 1 < 128 && typed[i] != '\0'; ++i)
        text[i] = static_cast<char16>(static_cast<unsigned char>(typed[i]));
      ParamValue value = 0.0;
      if (controller_->getParamValueByString(id, text, value) != kResultOk) return 0;
      setParameter(index, static_cast<float>(value));
      return 1;
    }
    default:
      return 0;
  }
}

}  // namespace Steinberg::Vst
