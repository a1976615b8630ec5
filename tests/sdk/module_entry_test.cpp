// The entry points of sdk/module_entry.cpp, linked into this test program as they are
// into a bundle; this file plays the module that supplies the hooks and the factory.

#include "sdk/linux/module_entry.h"

#include <gtest/gtest.h>

#include "platform/module_path.h"
#include "sdk/plugin_factory.h"

namespace {
int gInitCalls = 0;
int gExitCalls = 0;
bool gInitSucceeds = true;
int gFactoriesMade = 0;
}  // namespace

bool InitDll() {
  ++gInitCalls;
  return gInitSucceeds;
}

bool ExitDll() {
  ++gExitCalls;
  return true;
}

BEGIN_FACTORY_DEF("Tolvane", "http://tolvane.example", "mailto:info@tolvane.example")
++gFactoriesMade;
END_FACTORY

namespace {

class ModuleEntryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gInitCalls = gExitCalls = gFactoriesMade = 0;
    gInitSucceeds = true;
  }
};

}  // namespace

TEST_F(ModuleEntryTest, NestedEntriesInitialiseOnceAndTheBalancingExitDeinitialises) {
  int handle = 0;
  EXPECT_TRUE(ModuleEntry(&handle));
  EXPECT_TRUE(ModuleEntry(&handle));
  EXPECT_EQ(gInitCalls, 1);
  EXPECT_EQ(platform::moduleHandle(), &handle);

  EXPECT_TRUE(ModuleExit());
  EXPECT_EQ(gExitCalls, 0);
  EXPECT_TRUE(ModuleExit());
  EXPECT_EQ(gExitCalls, 1);
  EXPECT_EQ(platform::moduleHandle(), nullptr);

  // An exit without an entry balances nothing, and does not unbalance the next entry.
  EXPECT_FALSE(ModuleExit());
  EXPECT_TRUE(ModuleEntry(&handle));
  EXPECT_EQ(gInitCalls, 2);
  EXPECT_TRUE(ModuleExit());
  EXPECT_EQ(gExitCalls, 2);
}

TEST_F(ModuleEntryTest, AFailedInitialisationCountsAsNoEntry) {
  gInitSucceeds = false;
  EXPECT_FALSE(ModuleEntry(nullptr));
  EXPECT_FALSE(ModuleExit());
  EXPECT_EQ(gExitCalls, 0);
  gInitSucceeds = true;
  EXPECT_TRUE(ModuleEntry(nullptr));
  EXPECT_EQ(gInitCalls, 2);
  EXPECT_TRUE(ModuleExit());
}

TEST_F(ModuleEntryTest, TheModuleKnowsTheFolderItWasLoadedFrom) {
  const std::string& folder = platform::moduleFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.front(), '/');
  EXPECT_EQ(folder.back(), '/');
}

TEST_F(ModuleEntryTest, GetPluginFactoryHandsOutOneFactoryWithOneMoreReferencePerCall) {
  Steinberg::IPluginFactory* first = GetPluginFactory();
  ASSERT_NE(first, nullptr);
  Steinberg::IPluginFactory* second = GetPluginFactory();
  EXPECT_EQ(first, second);
  EXPECT_EQ(gFactoriesMade, 1);
  EXPECT_EQ(first->addRef(), 3u);  // two from GetPluginFactory, one just now
  first->release();

  Steinberg::PFactoryInfo info;
  ASSERT_EQ(first->getFactoryInfo(&info), Steinberg::kResultOk);
  EXPECT_STREQ(info.vendor, "Tolvane");
  EXPECT_EQ(info.flags, Steinberg::PFactoryInfo::kUnicode);

  EXPECT_EQ(second->release(), 1u);
  EXPECT_EQ(first->release(), 0u);
  // Once the last reference is gone, the next call makes a new factory.
  Steinberg::IPluginFactory* third = GetPluginFactory();
  ASSERT_NE(third, nullptr);
  EXPECT_EQ(gFactoriesMade, 2);
  third->release();
  EXPECT_EQ(gPluginFactory, nullptr);
}
