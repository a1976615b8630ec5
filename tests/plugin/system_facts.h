#pragma once
// What differs between the systems the bundles are built for: the module's exports (each
// system's checks are in tests/plugin/<system>/module_exports_test.cpp, which also defines
// the facts below), the byte order of class IDs and the editor's window system.

#include <gtest/gtest.h>

#include <memory>

#include "host/module.h"
#include "tests/plugin/plugin_fixture.h"

namespace plugin_test {

// Whether hosts of this system see class IDs in COM's byte order (Windows) rather than as
// four big-endian words (Linux).
bool classIdsInComOrder();

// The platform type of the windows the editor is attached to here ("X11EmbedWindowID",
// "HWND").
const char* editorPlatformType();

class FactoryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    module = plugin_test::loadBundle(LOBESHIFT_BUNDLE);
    ASSERT_TRUE(module);
    factory = Steinberg::FUnknownPtr<Steinberg::IPluginFactory3>(module->factory());
    ASSERT_TRUE(factory);
  }
  std::shared_ptr<host::Module> module;
  Steinberg::IPtr<Steinberg::IPluginFactory3> factory;
};

}  // namespace plugin_test
