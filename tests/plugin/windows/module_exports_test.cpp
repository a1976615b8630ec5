// Windows: the module exports what Windows hosts look for and nothing of Linux'.

#include "pluginterfaces/gui/iplugview.h"
#include "tests/plugin/system_facts.h"

using namespace Steinberg;
using plugin_test::FactoryTest;

bool plugin_test::classIdsInComOrder() { return true; }
const char* plugin_test::editorPlatformType() { return kPlatformTypeHWND; }

TEST_F(FactoryTest, ExportsTheFactoryAndTheWindowsEntryPointsOnly) {
  for (const char* name : {"GetPluginFactory", "InitDll", "ExitDll", "VSTPluginMain"})
    EXPECT_NE(module->symbol(name), nullptr) << name;
  // Linux's module hooks and the old VST 2 alias are not what Windows hosts look for.
  EXPECT_EQ(module->symbol("ModuleEntry"), nullptr);
  EXPECT_EQ(module->symbol("ModuleExit"), nullptr);
  EXPECT_EQ(module->symbol("main"), nullptr);
  EXPECT_EQ(module->symbol("createInstance"), nullptr);
}

TEST_F(FactoryTest, InitAndExitReportSuccess) {
  using Hook = bool (*)();
  auto init = reinterpret_cast<Hook>(module->symbol("InitDll"));
  auto exit = reinterpret_cast<Hook>(module->symbol("ExitDll"));
  ASSERT_NE(init, nullptr);
  ASSERT_NE(exit, nullptr);
  // The host already entered the module once; a second pair changes nothing.
  EXPECT_TRUE(init());
  EXPECT_TRUE(exit());
  EXPECT_NE(module->factory(), nullptr);
}
