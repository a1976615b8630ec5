// Linux: the module exports what Linux hosts look for and nothing of Windows'.

#include <dlfcn.h>

#include <cstdlib>

#include "pluginterfaces/gui/iplugview.h"
#include "tests/plugin/system_facts.h"

using namespace Steinberg;
using plugin_test::FactoryTest;

bool plugin_test::classIdsInComOrder() { return false; }
const char* plugin_test::editorPlatformType() { return kPlatformTypeX11EmbedWindowID; }

TEST_F(FactoryTest, ExportsTheFactoryAndTheLinuxEntryPointsOnly) {
  for (const char* name : {"GetPluginFactory", "ModuleEntry", "ModuleExit", "VSTPluginMain"})
    EXPECT_NE(module->symbol(name), nullptr) << name;
  // Windows' module hooks and the old VST 2 alias are not what Linux hosts look for.
  EXPECT_EQ(module->symbol("InitDll"), nullptr);
  EXPECT_EQ(module->symbol("main"), nullptr);
  EXPECT_EQ(module->symbol("createInstance"), nullptr);
}

TEST(ModuleLifetime, AHostThatQuitsWithoutLeavingTheModuleExitsCleanly) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const std::string library = plugin_test::loadBundle(LOBESHIFT_BUNDLE)->libraryPath();
  EXPECT_EXIT(
      {
        void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
        auto moduleEntry = reinterpret_cast<bool (*)(void*)>(dlsym(handle, "ModuleEntry"));
        if (moduleEntry == nullptr || !moduleEntry(handle)) std::_Exit(2);
        std::exit(0);  // no ModuleExit, no dlclose
      },
      ::testing::ExitedWithCode(0), "");
}
