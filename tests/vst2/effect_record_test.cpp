// The effect record and the descriptive opcodes, as a VST 2 host reads them when it
// scans and instantiates the plug-in.

#include "controller/factory_presets.h"
#include "vst2_fixture.h"

namespace vst2_test {
namespace {

TEST(Vst2EffectRecord, DescribesTheBuild) {
  auto plugin = openVst2();
  ASSERT_TRUE(plugin);
  const AEffect& effect = *plugin->effect();
  EXPECT_EQ(effect.magic, kEffectMagic);
  EXPECT_EQ(effect.uniqueID,
            LOBESHIFT_STEREO ? CCONST('L', 'b', 's', 's') : CCONST('L', 'b', 's', 'm'));
  EXPECT_EQ(effect.numInputs, kInputChannels);
  EXPECT_EQ(effect.numOutputs, 2);
  EXPECT_EQ(effect.numParams, static_cast<VstInt32>(kParameterCount));
  EXPECT_EQ(effect.numPrograms, static_cast<VstInt32>(factoryPresets().size()));
  EXPECT_EQ(effect.initialDelay, kLatency);
  EXPECT_EQ(effect.version, 1010);
  EXPECT_NE(effect.flags & effFlagsCanReplacing, 0);
  EXPECT_NE(effect.flags & effFlagsProgramChunks, 0);
  EXPECT_EQ(effect.flags & effFlagsIsSynth, 0);
  EXPECT_EQ(effect.flags & effFlagsCanDoubleReplacing, 0);
  EXPECT_NE(effect.processReplacing, nullptr);
  EXPECT_NE(effect.process, nullptr);
  EXPECT_EQ(effect.processDoubleReplacing, nullptr);
}

TEST(Vst2EffectRecord, OffersAnEditorExactlyWhenTheControllerHasOne) {
  auto vst3 = openVst3();
  ASSERT_TRUE(vst3);
  Steinberg::IPlugView* view = vst3->createView("editor");
  const bool controllerHasEditor = view != nullptr;
  if (view != nullptr) view->release();

  auto plugin = openVst2();
  ASSERT_TRUE(plugin);
  EXPECT_EQ((plugin->effect()->flags & effFlagsHasEditor) != 0, controllerHasEditor);
  ERect* rect = nullptr;
  const VstIntPtr answered = plugin->dispatch(effEditGetRect, 0, 0, &rect);
  EXPECT_EQ(answered != 0, controllerHasEditor);
  if (controllerHasEditor) {
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right - rect->left, 780);
    EXPECT_EQ(rect->bottom - rect->top, 380);
  }
}

TEST(Vst2EffectRecord, NamesVendorVersionAndCategory) {
  auto plugin = openVst2();
  ASSERT_TRUE(plugin);
  EXPECT_EQ(plugin->text(effGetEffectName), lobeshift::kProcessorName);
  EXPECT_EQ(plugin->text(effGetProductString), lobeshift::kProcessorName);
  EXPECT_EQ(plugin->text(effGetVendorString), "Tolvane");
  EXPECT_EQ(plugin->dispatch(effGetVendorVersion), 1010);
  EXPECT_EQ(plugin->dispatch(effGetPlugCategory), kPlugCategEffect);
  EXPECT_EQ(plugin->dispatch(effGetVstVersion), 2400);
  EXPECT_EQ(plugin->text(effGetProgramName), "Cardioid");
  EXPECT_EQ(plugin->dispatch(effGetProgram), 0);
}

TEST(Vst2EffectRecord, AnswersWhatItCanDo) {
  auto plugin = openVst2();
  ASSERT_TRUE(plugin);
  auto canDo = [&](const char* what) {
    return plugin->dispatch(effCanDo, 0, 0, const_cast<char*>(what));
  };
  EXPECT_EQ(canDo("plugAsChannelInsert"), 1);
  EXPECT_EQ(canDo("receiveVstMidiEvent"), -1);
  EXPECT_EQ(canDo("sendVstEvents"), -1);
  EXPECT_EQ(canDo("offline"), -1);
  EXPECT_EQ(canDo("somethingNoHostAsks"), 0);
  EXPECT_EQ(plugin->dispatch(effCanDo), 0);  // no text at all
  EXPECT_EQ(plugin->dispatch(effSetProcessPrecision, 0, kVstProcessPrecision32), 1);
  EXPECT_EQ(plugin->dispatch(effSetProcessPrecision, 0, kVstProcessPrecision64), 0);
}

TEST(Vst2EffectRecord, NamesEveryPin) {
  auto plugin = openVst2();
  ASSERT_TRUE(plugin);
  VstPinProperties pin{};
  ASSERT_EQ(plugin->dispatch(effGetInputProperties, kInputChannels - 1, 0, &pin), 1);
  EXPECT_STREQ(pin.label, (std::string("AudioInput ") + std::to_string(kInputChannels)).c_str());
  ASSERT_EQ(plugin->dispatch(effGetOutputProperties, 0, 0, &pin), 1);
  EXPECT_STREQ(pin.label, "AudioOutput 1");
  EXPECT_EQ(plugin->dispatch(effGetInputProperties, kInputChannels, 0, &pin), 0);
  EXPECT_EQ(plugin->dispatch(effGetOutputProperties, -1, 0, &pin), 0);
  EXPECT_EQ(plugin->dispatch(effGetOutputProperties, 0, 0, nullptr), 0);
}

TEST(Vst2EffectRecord, DescribesEveryParameterAsTheControllerDoes) {
  auto plugin = openVst2();
  ASSERT_TRUE(plugin);
  for (ParameterId id = 0; id < kParameterCount; ++id) {
    const int index = static_cast<int>(id);
    SCOPED_TRACE(index);
    EXPECT_EQ(plugin->text(effGetParamName, index), parameterTitle(id));
    EXPECT_EQ(plugin->text(effGetParamLabel, index), parameterUnits(id));
    EXPECT_LE(plugin->text(effGetParamDisplay, index).size(), 8u);
    EXPECT_EQ(plugin->dispatch(effCanBeAutomated, index), 1);
    EXPECT_FLOAT_EQ(plugin->getParameter(index),
                    static_cast<float>(parameterNormalizedDefault(id)));
  }
}

// The display holds 8 characters: the number, and a name only where it fits.
TEST(Vst2EffectRecord, DisplaysThePlainValueInEightCharacters) {
  auto plugin = openVst2();
  ASSERT_TRUE(plugin);
  struct Case {
    ParameterId id;
    float normalized;
    const char* display;
  };
  for (const Case& c : std::initializer_list<Case>{{kLowType, 0.5f, "0.50"},
                                                   {kLowFrequency, 0.375f, "50.0"},
                                                   {kHighFrequency, 1.0f, "20000"},
                                                   {kMicOmniType, 1.0f, "Rova O2"},
                                                   {kMicEightType, 0.0f, "Rova E1"},
                                                   {kSoloState, 5.0f / 6.0f, "O+8 post"},
                                                   {kProximityCompensation, 1.0f, "on"},
                                                   {kMicLOmniGain, 0.0f, "-6.0"},
                                                   {kMicLEightGain, 0.5f, "0.0"}}) {
    plugin->setParameter(static_cast<int>(c.id), c.normalized);
    EXPECT_EQ(plugin->text(effGetParamDisplay, static_cast<int>(c.id)), c.display)
        << parameterTitle(c.id);
  }
}

TEST(Vst2EffectRecord, ParameterOpcodesOutOfRangeAnswerZeroAndWriteNothing) {
  auto plugin = openVst2();
  ASSERT_TRUE(plugin);
  for (int index : {-1, static_cast<int>(kParameterCount), 1 << 30}) {
    for (int opcode : {effGetParamName, effGetParamLabel, effGetParamDisplay}) {
      char buffer[32];
      std::memset(buffer, 'x', sizeof(buffer));
      EXPECT_EQ(plugin->dispatch(opcode, index, 0, buffer), 0);
      EXPECT_EQ(buffer[0], 'x');
      EXPECT_EQ(plugin->dispatch(opcode, 0, 0, nullptr), 0);  // no buffer at all
    }
    EXPECT_EQ(plugin->dispatch(effCanBeAutomated, index), 0);
    EXPECT_EQ(plugin->dispatch(effString2Parameter, index, 0, const_cast<char*>("0.5")), 0);
    EXPECT_EQ(plugin->getParameter(index), 0.0f);
    plugin->setParameter(index, 0.5f);  // ignored
  }
  EXPECT_EQ(parametersOf(*plugin), defaultParameters());
}

TEST(Vst2EffectRecord, TypedTextIsReadInThePlainUnitsAndGarbageChangesNothing) {
  auto plugin = openVst2();
  ASSERT_TRUE(plugin);
  auto type = [&](ParameterId id, const char* text) {
    return plugin->dispatch(effString2Parameter, static_cast<int>(id), 0, const_cast<char*>(text));
  };
  EXPECT_EQ(plugin->dispatch(effString2Parameter, kLowType), 1);  // "does it exist?"
  EXPECT_EQ(type(kMidFrequency, "1k"), 1);
  EXPECT_FLOAT_EQ(plugin->getParameter(kMidFrequency), plainToNormalized(kMidFrequency, 1000));
  EXPECT_EQ(type(kLowType, "hypercardioid"), 1);
  EXPECT_FLOAT_EQ(plugin->getParameter(kLowType), 0.25f);
  EXPECT_EQ(type(kMicEightType, "rova e2"), 1);
  EXPECT_FLOAT_EQ(plugin->getParameter(kMicEightType), 0.5f);
  EXPECT_EQ(type(kMicLOmniGain, "-3 dB"), 1);
  EXPECT_FLOAT_EQ(plugin->getParameter(kMicLOmniGain), 0.25f);
  const auto before = parametersOf(*plugin);
  for (ParameterId id = 0; id < kParameterCount; ++id)
    for (const char* garbage : {"", "nan", "garbage", "1e9"}) EXPECT_EQ(type(id, garbage), 0);
  EXPECT_EQ(parametersOf(*plugin), before);
}

// What the display shows, typed back, gives the value again within the display's precision.
TEST(Vst2EffectRecord, TheDisplayTypedBackGivesTheValueAgain) {
  auto plugin = openVst2();
  ASSERT_TRUE(plugin);
  for (ParameterId id = 0; id < kParameterCount; ++id) {
    const int index = static_cast<int>(id);
    for (int step = 0; step <= 40; ++step) {
      plugin->setParameter(index, static_cast<float>(step / 40.0));
      const std::string shown = plugin->text(effGetParamDisplay, index);
      ASSERT_EQ(plugin->dispatch(effString2Parameter, index, 0, const_cast<char*>(shown.c_str())),
                1)
          << parameterTitle(id) << ": " << shown;
      EXPECT_EQ(plugin->text(effGetParamDisplay, index), shown) << parameterTitle(id);
    }
  }
}

}  // namespace
}  // namespace vst2_test
