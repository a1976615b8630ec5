// Parameters by title in their own units, and by ID normalized, against the real
// bundles' controllers.

#include "tools/render/parameter_catalog.h"

#include <gtest/gtest.h>

#include "tests/render/tool_process.h"
#include "tools/render/plugin_session.h"

namespace render {
namespace {

class ParameterCatalogTest : public ::testing::Test {
 protected:
  static std::unique_ptr<PluginSession> load(const std::string& bundle) {
    auto session = PluginSession::load(render_test::bundlePath(bundle));
    EXPECT_TRUE(session.ok()) << session.error();
    return session.ok() ? std::move(*session) : nullptr;
  }

  double normalized(const std::string& assignment) {
    auto change = stereo->parameters().resolve(assignment);
    EXPECT_TRUE(change.ok()) << assignment << ": " << change.error();
    return change.ok() ? change->normalized : -1.0;
  }
  std::string refusal(const std::string& assignment) {
    auto change = stereo->parameters().resolve(assignment);
    return change.ok() ? std::string("accepted") : change.error();
  }

  std::unique_ptr<PluginSession> stereo = load("LobeshiftStereo64.vst3");
};

TEST_F(ParameterCatalogTest, KnowsEachBuildsTitlesRangesAndChannels) {
  ASSERT_TRUE(stereo);
  EXPECT_EQ(stereo->name(), "Lobeshift Stereo");
  EXPECT_EQ(stereo->inputChannels(), 4);
  EXPECT_EQ(stereo->outputChannels(), 2);
  const auto& parameters = stereo->parameters().parameters();
  ASSERT_EQ(parameters.size(), 14u);
  EXPECT_EQ(parameters[3].title, "Mid Frequency");
  EXPECT_EQ(parameters[3].units, "Hz");
  EXPECT_EQ(parameters[3].minimum, 200.0);
  EXPECT_EQ(parameters[3].maximum, 3000.0);
  EXPECT_EQ(parameters[9].kind, ValueKind::kSwitch);
  EXPECT_EQ(parameters[8].kind, ValueKind::kWhole);
  EXPECT_EQ(stereo->outputChannelNames(), (std::vector<std::string>{"MicL", "MicR"}));

  auto mono = load("Lobeshift64.vst3");
  ASSERT_TRUE(mono);
  EXPECT_EQ(mono->name(), "Lobeshift");
  EXPECT_EQ(mono->inputChannels(), 2);
  EXPECT_EQ(mono->inputChannelOrder(), "omni, figure-eight");
  EXPECT_EQ(mono->parameters().parameters().size(), 12u);
  EXPECT_NE(mono->parameters().findByTitle("Mic Eight Gain"), nullptr);
  EXPECT_EQ(mono->parameters().findByTitle("MicR Eight Gain"), nullptr);
}

TEST_F(ParameterCatalogTest, ReadsPlainValuesInTheParametersUnits) {
  ASSERT_TRUE(stereo);
  EXPECT_DOUBLE_EQ(normalized("Low Frequency=60"), 0.5);  // the linear law: 20 + 0.5 × 80
  EXPECT_DOUBLE_EQ(normalized("Mid Frequency=1.6 kHz"), 0.5);
  EXPECT_DOUBLE_EQ(normalized("High Frequency = 12500Hz"), 0.5);
  EXPECT_DOUBLE_EQ(normalized("MicL Omni Gain=-3 dB"), 0.25);
  EXPECT_DOUBLE_EQ(normalized("MicR Eight Gain=+6"), 1.0);
  EXPECT_DOUBLE_EQ(normalized("mid type=0.25"),
                   0.25);  // titles ignore case when nothing matches exactly
  EXPECT_DOUBLE_EQ(normalized("Mic Eight Type=1"), 0.5);
  EXPECT_DOUBLE_EQ(normalized("Solo State=5"), 5.0 / 6.0);
  EXPECT_DOUBLE_EQ(normalized("Proximity Compensation=on"), 1.0);
  EXPECT_DOUBLE_EQ(normalized("Proximity Compensation=OFF"), 0.0);
  EXPECT_DOUBLE_EQ(normalized("Proximity Compensation=1"), 1.0);
  EXPECT_DOUBLE_EQ(normalized("3=0.125"), 0.125);  // by ID: normalized as the host sends it
}

TEST_F(ParameterCatalogTest, RefusesWhatTheParameterCannotTake) {
  ASSERT_TRUE(stereo);
  EXPECT_NE(refusal("Low Frequency=19.9").find("takes 20 to 100 Hz"), std::string::npos);
  EXPECT_NE(refusal("Low Frequency=inf").find("takes 20 to 100 Hz"), std::string::npos);
  EXPECT_NE(refusal("Low Frequency=50 kHz").find("takes"), std::string::npos);  // 50000 Hz
  EXPECT_NE(refusal("Low Frequency=fifty").find("takes"), std::string::npos);
  EXPECT_NE(refusal("Mid Type=0.5 dB").find("takes 0 to 1"), std::string::npos);
  EXPECT_NE(refusal("Solo State=7").find("a whole number from 0 to 6"), std::string::npos);
  EXPECT_NE(refusal("Proximity Compensation=maybe").find("on or off"), std::string::npos);
  EXPECT_NE(refusal("=0.5").find("--set needs"), std::string::npos);
  EXPECT_NE(refusal("Mid Type=").find("--set needs"), std::string::npos);
  EXPECT_NE(refusal("3=-0.1").find("normalized value from 0 to 1"), std::string::npos);
  EXPECT_NE(refusal("99999999999=0.5").find("unknown parameter ID"), std::string::npos);
}

TEST_F(ParameterCatalogTest,
       OtherPluginsUseTheirControllersConversionAndKeepReadOnlyParametersAlone) {
  auto gain = load("LobeshiftTestGain.vst3");
  ASSERT_TRUE(gain);
  auto change = gain->parameters().resolve("Gain=0.75");
  ASSERT_TRUE(change.ok()) << change.error();
  EXPECT_DOUBLE_EQ(change->normalized, 0.75);
  auto readOnly = gain->parameters().resolve("Level=0.5");
  ASSERT_FALSE(readOnly.ok());
  EXPECT_NE(readOnly.error().find("read-only"), std::string::npos);
}

}  // namespace
}  // namespace render
