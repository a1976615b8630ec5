// The text a host shows for each parameter and reads back from typed text, through the
// real bundle's controller: the plain value in the parameter's own terms.

#include <cmath>
#include <string>

#include "pluginterfaces/base/ustring.h"
#include "tests/plugin/plugin_fixture.h"

using namespace Steinberg;
using namespace plugin_test;

namespace {

std::string textOf(Vst::IEditController& controller, ParameterId id, double normalized) {
  Vst::String128 text{};
  EXPECT_EQ(controller.getParamStringByValue(id, normalized, text), kResultTrue);
  char ascii[128] = {};
  UString(text, 128).toAscii(ascii, sizeof ascii);
  return ascii;
}

// The normalized value of typed text, or -1 when the controller refuses it (and then
// the value handed in must come back untouched).
double valueOf(Vst::IEditController& controller, ParameterId id, const std::string& typed) {
  Vst::String128 text{};
  UString(text, 128).fromAscii(typed.c_str());
  Vst::ParamValue value = -1.0;
  const tresult result = controller.getParamValueByString(id, text, value);
  EXPECT_EQ(result == kResultTrue, value != -1.0) << typed;
  return value;
}

// How far apart two plain values may be and show the same text.
double precisionOf(ParameterId id) {
  switch (id) {
    case kLowType:
    case kMidType:
    case kHighType:
      return 0.005;
    case kLowFrequency:
      return 0.05;
    case kMidFrequency:
    case kHighFrequency:
      return 0.5;
    default:
      return 0.05;  // gains; named values compare by their text
  }
}

bool named(ParameterId id) {
  return id == kMicOmniType || id == kMicEightType || id == kSoloState ||
         id == kProximityCompensation;
}

std::string titleName(const ::testing::TestParamInfo<ParameterId>& info) {
  std::string name;
  for (const char* c = parameterTitle(info.param); *c != '\0'; ++c)
    if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
  return name;
}

class ParameterText : public PluginTest, public ::testing::WithParamInterface<ParameterId> {};

TEST_P(ParameterText, RoundTripsWithinItsPrecisionOverTheRange) {
  Vst::IEditController& controller = *plugin->controller();
  const ParameterId id = GetParam();
  for (int step = 0; step <= 200; ++step) {
    const double normalized = step / 200.0;
    const std::string text = textOf(controller, id, normalized);
    SCOPED_TRACE(text);
    const double back = valueOf(controller, id, text);
    ASSERT_GE(back, 0.0);
    EXPECT_EQ(textOf(controller, id, back), text);
    if (!named(id)) {
      EXPECT_NEAR(normalizedToPlain(id, back), normalizedToPlain(id, normalized),
                  precisionOf(id) + 1e-9);
    }
  }
}

TEST_P(ParameterText, RefusesWhatItCannotReadAndLeavesTheValue) {
  Vst::IEditController& controller = *plugin->controller();
  for (const char* typed : {"", "   ", "abc", "nan", "NaN", "inf", "-inf", "1e3", "0x10", "--1",
                            "1.2.3", "5 parsecs", "k"})
    EXPECT_EQ(valueOf(controller, GetParam(), typed), -1.0) << typed;
}

INSTANTIATE_TEST_SUITE_P(EveryParameter, ParameterText,
                         ::testing::Range(ParameterId{0}, kParameterCount), titleName);

TEST_F(PluginTest, TextShowsThePlainValueInItsOwnTerms) {
  Vst::IEditController& controller = *plugin->controller();
  struct Case {
    ParameterId id;
    double normalized;
    const char* text;
  };
  for (const Case& c : std::initializer_list<Case>{{kLowFrequency, 0.375, "50.0"},
                                                   {kLowFrequency, 0.0, "20.0"},
                                                   {kLowFrequency, 1.0, "100"},
                                                   {kMidFrequency, 2.0 / 7.0, "1000"},
                                                   {kMidFrequency, 0.5, "1600"},
                                                   {kHighFrequency, 1.0, "20000"},
                                                   {kMicLOmniGain, 0.5, "0.0"},
                                                   {kMicLOmniGain, 0.0, "-6.0"},
                                                   {kMicLEightGain, 1.0, "+6.0"},
                                                   {kMicLEightGain, 0.625, "+1.5"},
                                                   {kMicLOmniGain, 0.4999999, "0.0"},
                                                   {kLowType, 0.5, "0.50 cardioid"},
                                                   {kMidType, 1.0, "1.00 omni"},
                                                   {kHighType, 0.0, "0.00 figure-eight"},
                                                   {kHighType, 0.25, "0.25 hypercardioid"},
                                                   {kLowType, 0.7, "0.70 wide cardioid"},
                                                   {kMidType, 0.37, "0.37 supercardioid"},
                                                   {kMicOmniType, 0.0, "Rova O1"},
                                                   {kMicOmniType, 1.0, "Rova O2"},
                                                   {kMicEightType, 0.5, "Rova E2"},
                                                   {kSoloState, 0.0, "off"},
                                                   {kSoloState, 1.0 / 6.0, "O pre"},
                                                   {kSoloState, 5.0 / 6.0, "O+8 post"},
                                                   {kSoloState, 1.0, "8 post"},
                                                   {kProximityCompensation, 0.0, "off"},
                                                   {kProximityCompensation, 0.9999, "off"},
                                                   {kProximityCompensation, 1.0, "on"}}) {
    EXPECT_EQ(textOf(controller, c.id, c.normalized), c.text) << parameterTitle(c.id);
  }
}

TEST_F(PluginTest, TypedTextIsReadInTheParametersOwnTerms) {
  Vst::IEditController& controller = *plugin->controller();
  struct Case {
    ParameterId id;
    const char* typed;
    double plain;
  };
  for (const Case& c : std::initializer_list<Case>{
           {kMidFrequency, "1000", 1000},     {kMidFrequency, "1k", 1000},
           {kMidFrequency, "1000 Hz", 1000},  {kMidFrequency, " 1.2 kHz ", 1200},
           {kHighFrequency, "12.5K", 12500},  {kLowFrequency, "1k", 100},
           {kLowFrequency, "5", 20},          {kMicLOmniGain, "-3 dB", -3},
           {kMicLOmniGain, "+1.5", 1.5},      {kMicLEightGain, "-40", -6},
           {kLowType, "cardioid", 0.5},       {kMidType, "HYPERCARDIOID", 0.25},
           {kHighType, "0.7", 0.7},           {kHighType, "0.37 supercardioid", 0.37},
           {kMicOmniType, "rova o2", 1},      {kMicEightType, "ROVA E1", 0},
           {kMicEightType, "1", 1},           {kSoloState, "o+8 pre", 2},
           {kSoloState, "8 Post", 6},         {kProximityCompensation, "ON", 1},
           {kProximityCompensation, "off", 0}}) {
    EXPECT_NEAR(valueOf(controller, c.id, c.typed), plainToNormalized(c.id, c.plain), 1e-12)
        << parameterTitle(c.id) << ": " << c.typed;
  }
  // Names belong to their parameter: a pattern is no frequency, a model no solo state.
  EXPECT_EQ(valueOf(controller, kMidFrequency, "cardioid"), -1.0);
  EXPECT_EQ(valueOf(controller, kSoloState, "Rova O1"), -1.0);
  EXPECT_EQ(valueOf(controller, kMicOmniType, "Rova E1"), -1.0);
  EXPECT_EQ(valueOf(controller, kLowFrequency, "50 dB"), -1.0);
}

TEST_F(PluginTest, TheHostsConversionsFollowTheLinearLaw) {
  Vst::IEditController& controller = *plugin->controller();
  EXPECT_DOUBLE_EQ(controller.normalizedParamToPlain(kMidFrequency, 0.5), 1600.0);
  EXPECT_DOUBLE_EQ(controller.normalizedParamToPlain(kHighFrequency, 0.5), 12500.0);
  EXPECT_DOUBLE_EQ(controller.normalizedParamToPlain(kMicLOmniGain, 0.0), -6.0);
  EXPECT_DOUBLE_EQ(controller.plainParamToNormalized(kLowFrequency, 60.0), 0.5);
  EXPECT_DOUBLE_EQ(controller.plainParamToNormalized(kSoloState, 3.0), 0.5);
}

}  // namespace
