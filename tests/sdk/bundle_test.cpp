// The SDK helpers as a host meets them: inside a real bundle, through its exports.

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>

#include "host/module.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

using namespace Steinberg;

namespace {

std::shared_ptr<host::Module> loadTestBundle() {
  auto module = host::Module::load(LOBESHIFT_TEST_BUNDLE);
  EXPECT_TRUE(module.ok()) << module.error();
  return module.ok() ? *module : nullptr;
}

// Names of the dynamic symbols the file defines, as `nm -D --defined-only` lists them.
std::set<std::string> exportedSymbols(const std::string& library) {
  std::set<std::string> names;
  const std::string command = "nm -D --defined-only '" + library + "'";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return names;
  char line[512];
  while (std::fgets(line, sizeof line, pipe) != nullptr) {
    std::istringstream fields(line);
    std::string address, type, name;
    if (fields >> address >> type >> name) names.insert(name);
  }
  EXPECT_EQ(pclose(pipe), 0) << command;
  return names;
}

using ModuleEntryFunction = bool (*)(void*);
using ModuleExitFunction = bool (*)();
using GetFactoryFunction = IPluginFactory*(PLUGIN_API*)();

}  // namespace

TEST(Bundle, ExportsTheThreeEntryPointsAndNothingElse) {
  auto module = loadTestBundle();
  ASSERT_TRUE(module);
  EXPECT_EQ(exportedSymbols(module->libraryPath()),
            (std::set<std::string>{"GetPluginFactory", "ModuleEntry", "ModuleExit"}));
}

TEST(Bundle, ModuleEntriesNestAroundTheHostsOwn) {
  auto module = loadTestBundle();  // the host's entry is the first
  ASSERT_TRUE(module);
  auto entry = reinterpret_cast<ModuleEntryFunction>(module->symbol("ModuleEntry"));
  auto exit = reinterpret_cast<ModuleExitFunction>(module->symbol("ModuleExit"));
  ASSERT_TRUE(entry && exit);
  EXPECT_TRUE(entry(nullptr));
  EXPECT_TRUE(exit());
  EXPECT_TRUE(exit());          // balances the host's entry
  EXPECT_FALSE(exit());         // nothing left to balance
  EXPECT_TRUE(entry(nullptr));  // the host's ModuleExit at unload balances this one
}

TEST(Bundle, GetPluginFactoryReturnsOneFactoryWithOneMoreReference) {
  auto module = loadTestBundle();
  ASSERT_TRUE(module);
  auto getFactory = reinterpret_cast<GetFactoryFunction>(module->symbol("GetPluginFactory"));
  IPluginFactory* again = getFactory();
  EXPECT_EQ(again, module->factory());
  // The host's reference, this call's, and the one addRef adds now.
  EXPECT_EQ(again->addRef(), 3u);
  again->release();
  again->release();
}

TEST(Bundle, DescribesItsClassesInAllThreeForms) {
  auto module = loadTestBundle();
  ASSERT_TRUE(module);
  IPluginFactory* factory = module->factory();
  PFactoryInfo factoryInfo;
  ASSERT_EQ(factory->getFactoryInfo(&factoryInfo), kResultOk);
  EXPECT_EQ(factoryInfo.flags & PFactoryInfo::kUnicode, PFactoryInfo::kUnicode);
  ASSERT_EQ(factory->countClasses(), 2);

  PClassInfo info;
  ASSERT_EQ(factory->getClassInfo(0, &info), kResultOk);
  EXPECT_STREQ(info.category, kVstAudioEffectClass);
  EXPECT_STREQ(info.name, "Test Gain");

  FUnknownPtr<IPluginFactory2> factory2(factory);
  ASSERT_TRUE(factory2);
  PClassInfo2 info2;
  ASSERT_EQ(factory2->getClassInfo2(1, &info2), kResultOk);
  EXPECT_STREQ(info2.category, kVstComponentControllerClass);
  EXPECT_STREQ(info2.name, "Test GainController");
  EXPECT_STREQ(info2.version, "1.0.0");

  FUnknownPtr<IPluginFactory3> factory3(factory);
  ASSERT_TRUE(factory3);
  PClassInfoW infoW;
  ASSERT_EQ(factory3->getClassInfoUnicode(0, &infoW), kResultOk);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(infoW.name)), u"Test Gain");
  EXPECT_EQ(std::memcmp(infoW.cid, info.cid, sizeof(TUID)), 0);
  EXPECT_STREQ(infoW.subCategories, "Fx");
}

TEST(Bundle, CreateInstanceWithAnUnknownClassOrInterfaceFailsCleanly) {
  auto module = loadTestBundle();
  ASSERT_TRUE(module);
  const TUID unknown = INLINE_UID(0x01020304, 0x05060708, 0x090A0B0C, 0x0D0E0F10);
  void* object = reinterpret_cast<void*>(0x1);
  EXPECT_NE(module->factory()->createInstance(unknown, FUnknown::iid, &object), kResultOk);
  EXPECT_EQ(object, nullptr);

  PClassInfo info;
  ASSERT_EQ(module->factory()->getClassInfo(0, &info), kResultOk);
  object = reinterpret_cast<void*>(0x1);
  EXPECT_NE(module->factory()->createInstance(info.cid, Vst::IEditController::iid, &object),
            kResultOk);
  EXPECT_EQ(object, nullptr);
  object = nullptr;
  ASSERT_EQ(module->factory()->createInstance(info.cid, Vst::IAudioProcessor::iid, &object),
            kResultOk);
  static_cast<Vst::IAudioProcessor*>(object)->release();
}
