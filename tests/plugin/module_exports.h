#pragma once
// What the module exports and how its class IDs read differ by system; each system's
// checks are in tests/plugin/<system>/module_exports_test.cpp.

#include <gtest/gtest.h>

#include <memory>

#include "host/module.h"
#include "tests/plugin/plugin_fixture.h"

namespace plugin_test {

// Whether hosts of this system see class IDs in COM's byte order (Windows) rather than as
// four big-endian words (Linux).
bool classIdsInComOrder();

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
