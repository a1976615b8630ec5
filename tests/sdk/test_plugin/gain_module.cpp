// Factory and module hooks of the test gain bundle.

#include "sdk/module_entry.h"
#include "sdk/plugin_factory.h"
#include "tests/sdk/test_plugin/gain_controller.h"
#include "tests/sdk/test_plugin/gain_ids.h"
#include "tests/sdk/test_plugin/gain_processor.h"

bool InitDll() { return true; }
bool ExitDll() { return true; }

BEGIN_FACTORY_DEF("Lobeshift Tests", "http://localhost/lobeshift-tests", "mailto:tests@localhost")
DEF_CLASS2(INLINE_UID_FROM_FUID(gain_plugin::kProcessorUID), PClassInfo::kManyInstances,
           kVstAudioEffectClass, "Test Gain", Vst::kDistributable, "Fx", "1.0.0", kVstVersionString,
           gain_plugin::GainProcessor::createInstance)
DEF_CLASS2(INLINE_UID_FROM_FUID(gain_plugin::kControllerUID), PClassInfo::kManyInstances,
           kVstComponentControllerClass, "Test GainController", 0, "", "1.0.0", kVstVersionString,
           gain_plugin::GainController::createInstance)
END_FACTORY
