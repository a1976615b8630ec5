// What the host shows for a parameter and reads from what the user types: the plain
// value in the parameter's own terms (controller/parameter_text.h), and the one linear
// law between plain and normalized values. Tags outside the table keep the SDK's answers.

#include <string>

#include "controller/parameter_text.h"
#include "controller/vst_plugin_controller.h"
#include "pluginterfaces/base/ustring.h"
#include "processor/normalized_input.h"

namespace Steinberg::Vst {

namespace {

bool inTable(ParamID tag) { return tag < kParameterCount; }

// Typed text as ASCII; nothing for text with other characters, which no value has.
bool asciiOf(const TChar* text, std::string& out) {
  if (text == nullptr) return false;
  for (std::size_t i = 0; i < 128 && text[i] != 0; ++i) {
    if (text[i] >= 0x80) return false;
    out += static_cast<char>(text[i]);
  }
  return true;
}

}  // namespace

tresult PLUGIN_API VST_PlugInController::getParamStringByValue(ParamID tag,
                                                               ParamValue valueNormalized,
                                                               String128 string) {
  if (!inTable(tag) || string == nullptr)
    return PlugIn_PlugInController::getParamStringByValue(tag, valueNormalized, string);
  const double plain = normalizedToPlain(tag, acceptNormalized(tag, valueNormalized));
  UString(string, 128).fromAscii(parameterText(tag, plain, models_).c_str());
  return kResultTrue;
}

tresult PLUGIN_API VST_PlugInController::getParamValueByString(ParamID tag, TChar* string,
                                                               ParamValue& valueNormalized) {
  if (!inTable(tag))
    return PlugIn_PlugInController::getParamValueByString(tag, string, valueNormalized);
  std::string text;
  if (!asciiOf(string, text)) return kResultFalse;
  const auto plain = parameterValueOfText(tag, text, models_);
  if (!plain) return kResultFalse;
  valueNormalized = plainToNormalized(tag, *plain);
  return kResultTrue;
}

ParamValue PLUGIN_API VST_PlugInController::normalizedParamToPlain(ParamID tag,
                                                                   ParamValue valueNormalized) {
  if (!inTable(tag)) return PlugIn_PlugInController::normalizedParamToPlain(tag, valueNormalized);
  return normalizedToPlain(tag, valueNormalized);
}

ParamValue PLUGIN_API VST_PlugInController::plainParamToNormalized(ParamID tag,
                                                                   ParamValue plainValue) {
  if (!inTable(tag)) return PlugIn_PlugInController::plainParamToNormalized(tag, plainValue);
  return plainToNormalized(tag, plainValue);
}

}  // namespace Steinberg::Vst
