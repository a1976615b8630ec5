// The controller's own state through the real bundle: the editor's zoom goes into a
// project and comes back; states that are no such state leave 100 % and never touch the
// processor's state or the parameters.

#include <cstdint>
#include <random>
#include <string>

#include "plugin_fixture.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "user_settings_folder.h"

namespace plugin_test {
namespace {

using namespace Steinberg;

// "LSed", version 1, then the zoom in percent; all little-endian.
host::StateBytes zoomState(std::uint32_t percent, std::uint32_t magic = 0x6465534C,
                           std::uint32_t version = 1) {
  host::StateBytes bytes;
  for (std::uint32_t word : {magic, version, percent})
    for (int b = 0; b < 4; ++b) bytes.push_back(static_cast<char>(word >> (8 * b)));
  return bytes;
}

class ControllerState : public PluginTest {
 protected:
  void SetUp() override {
    // No user default from this machine's settings: a folder with none.
    test_support::useSettingsFolder(::testing::TempDir() + "controller_state_settings");
    PluginTest::SetUp();
  }
  std::pair<int32, int32> editorSize() {
    IPlugView* view = plugin->createView(Vst::ViewType::kEditor);
    if (view == nullptr) return {0, 0};
    ViewRect size;
    view->getSize(&size);
    view->release();
    return {size.getWidth(), size.getHeight()};
  }
};

TEST_F(ControllerState, TheZoomGoesIntoTheProjectAndComesBack) {
  auto fresh = plugin->getControllerState();
  ASSERT_TRUE(fresh.ok());
  EXPECT_EQ(*fresh, zoomState(100));
  ASSERT_TRUE(plugin->setControllerState(zoomState(150)).ok());
  EXPECT_EQ(editorSize(), (std::pair<int32, int32>{1170, 570}));
  auto saved = plugin->getControllerState();
  ASSERT_TRUE(saved.ok());
  EXPECT_EQ(*saved, zoomState(150));

  auto reopened = createInstance();
  ASSERT_TRUE(reopened->setControllerState(*saved).ok());
  auto again = reopened->getControllerState();
  ASSERT_TRUE(again.ok());
  EXPECT_EQ(*again, zoomState(150));
}

struct HostileState {
  const char* name;
  host::StateBytes bytes;
};

class HostileControllerState : public ControllerState,
                               public ::testing::WithParamInterface<HostileState> {};

TEST_P(HostileControllerState, LeavesOneHundredPercentAndTheProcessorAsItWas) {
  ASSERT_TRUE(plugin->setControllerState(zoomState(200)).ok());
  plugin->setParameter(kMidType, 0.25);
  auto processorBefore = plugin->getState();
  ASSERT_TRUE(processorBefore.ok());
  EXPECT_FALSE(plugin->setControllerState(GetParam().bytes).ok());
  EXPECT_EQ(editorSize(), (std::pair<int32, int32>{780, 380}));
  EXPECT_EQ(*plugin->getControllerState(), zoomState(100));
  EXPECT_EQ(*plugin->getState(), *processorBefore);
  EXPECT_DOUBLE_EQ(plugin->controller()->getParamNormalized(kMidType), 0.25);
}

host::StateBytes randomBytes() {
  std::mt19937 random(21);
  host::StateBytes bytes(64);
  for (char& byte : bytes) byte = static_cast<char>(random());
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    States, HostileControllerState,
    ::testing::Values(HostileState{"Empty", {}}, HostileState{"ThreeBytes", {'L', 'S', 'e'}},
                      HostileState{"WrongMagic", zoomState(150, 0x12345678)},
                      HostileState{"HugeVersion", zoomState(150, 0x6465534C, 0xFFFFFFFF)},
                      HostileState{"ZoomNotAChoice", zoomState(137)},
                      HostileState{"RandomBytes", randomBytes()}),
    [](const ::testing::TestParamInfo<HostileState>& info) { return info.param.name; });

}  // namespace
}  // namespace plugin_test
