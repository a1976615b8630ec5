// The factory presets as the build writes them: VST 3 preset files read back with the
// SDK's reader and loaded through the real bundle, as a host loads them; and damaged
// preset files, which must leave the setting in force.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "controller/class_ids.h"
#include "controller/factory_presets.h"
#include "public.sdk/source/vst/vstpresetfile.h"
#include "tests/plugin/plugin_fixture.h"

using namespace Steinberg;
using namespace plugin_test;

namespace {

std::filesystem::path presetFolder() {
  return std::filesystem::path(LOBESHIFT_PRESETS_DIR) / lobeshift::kVendor /
         lobeshift::kProcessorName;
}

host::StateBytes presetFile(const FactoryPreset& preset) {
  std::ifstream in(presetFolder() / (std::string(preset.name) + ".vstpreset"), std::ios::binary);
  EXPECT_TRUE(in.is_open()) << preset.name;
  return host::StateBytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string presetName(const ::testing::TestParamInfo<std::size_t>& info) {
  std::string name;
  for (const char* c = factoryPresets()[info.param].name; *c != '\0'; ++c)
    if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
  return name;
}

class FactoryPresetFile : public PluginTest, public ::testing::WithParamInterface<std::size_t> {
 protected:
  const FactoryPreset& preset() const { return factoryPresets()[GetParam()]; }
};

TEST_P(FactoryPresetFile, IsTheBuildsStateUnderItsClassId) {
  const host::StateBytes bytes = presetFile(preset());
  Vst::PresetFile file(host::streamOf(bytes));
  ASSERT_TRUE(file.readChunkList());
  EXPECT_EQ(file.getClassID(), lobeshift::kProcessorUID);
  const Vst::PresetFile::Entry* component = file.getEntry(Vst::kComponentState);
  ASSERT_NE(component, nullptr);
  EXPECT_EQ(component->size, static_cast<TSize>(kParameterCount * sizeof(float)));
  EXPECT_FALSE(file.contains(Vst::kControllerState));
  EXPECT_LE(std::string(preset().name).size(), kLongestPresetName);
}

TEST_P(FactoryPresetFile, LoadedIntoTheBundleGivesItsTableValues) {
  ASSERT_TRUE(plugin->loadPreset(presetFile(preset())).ok());
  EXPECT_EQ(*plugin->getState(), presetState(preset(), kParameterCount));
  Vst::IEditController& controller = *plugin->controller();
  for (ParameterId id = 0; id < kParameterCount; ++id) {
    const double plain = controller.normalizedParamToPlain(id, controller.getParamNormalized(id));
    EXPECT_NEAR(plain, presetPlainValue(preset(), id), 1e-6 * parameterMaximum(id))
        << parameterTitle(id);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryPreset, FactoryPresetFile,
                         ::testing::Range(std::size_t{0}, factoryPresets().size()), presetName);

TEST(FactoryPresets, AreTenOrMoreDistinctSettingsEachWithItsOwnFile) {
  EXPECT_GE(factoryPresets().size(), 10u);
  std::set<host::StateBytes> states;
  std::set<std::string> names;
  for (const FactoryPreset& preset : factoryPresets()) {
    states.insert(presetState(preset, kParameterCount));
    names.insert(std::string(preset.name) + ".vstpreset");
  }
  EXPECT_EQ(states.size(), factoryPresets().size());
  std::set<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(presetFolder()))
    files.insert(entry.path().filename().string());
  EXPECT_EQ(files, names);
  EXPECT_EQ(findFactoryPreset("close VOCAL"), &factoryPresets()[9]);
  EXPECT_EQ(findFactoryPreset("Close"), nullptr);
}

TEST(FactoryPresets, TheReadmeListsEachWithItsPurpose) {
  std::ifstream in(LOBESHIFT_README);
  const std::string readme((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  for (const FactoryPreset& preset : factoryPresets())
    EXPECT_NE(readme.find("| " + std::string(preset.name) + " | " + preset.purpose + " |"),
              std::string::npos)
        << preset.name;
}

// Where in a preset file the chunk list's entry for the processor state keeps its size.
std::size_t componentSizeAt(const host::StateBytes& bytes) {
  const std::string text(bytes.begin(), bytes.end());
  return text.rfind("Comp") + 4 + sizeof(std::int64_t);
}

TEST_F(PluginTest, DamagedPresetFilesAreRefusedAndTheSettingStays) {
  const host::StateBytes good = presetFile(factoryPresets()[1]);
  ASSERT_TRUE(plugin->loadPreset(presetFile(factoryPresets()[2])).ok());
  const host::StateBytes before = *plugin->getState();

  std::vector<std::pair<const char*, host::StateBytes>> damaged;
  damaged.emplace_back("cut before its chunk list",
                       host::StateBytes(good.begin(), good.end() - 20));
  damaged.emplace_back("cut inside its state", host::StateBytes(good.begin(), good.begin() + 60));
  host::StateBytes otherClass = good;
  otherClass[8] = otherClass[8] == '0' ? '1' : '0';  // the first digit of the class ID
  damaged.emplace_back("of another class", otherClass);
  host::StateBytes garbledList = good;
  const std::string text(good.begin(), good.end());
  std::copy_n("Lost", 4, garbledList.begin() + static_cast<std::ptrdiff_t>(text.rfind("List")));
  damaged.emplace_back("with a garbled chunk list", garbledList);
  host::StateBytes shortState = good;
  shortState[componentSizeAt(good)] = 20;  // the list says the state has 20 bytes
  damaged.emplace_back("whose list cuts the state short", shortState);
  host::StateBytes pastTheEnd = good;
  pastTheEnd[componentSizeAt(good) - 8 + 1] = 0x7f;  // the state's offset far past the end
  damaged.emplace_back("whose list points past its end", pastTheEnd);

  for (const auto& [what, bytes] : damaged) {
    EXPECT_FALSE(plugin->loadPreset(bytes).ok()) << what;
    EXPECT_EQ(*plugin->getState(), before) << what;
    for (ParameterId id = 0; id < kParameterCount; ++id)
      EXPECT_EQ(static_cast<float>(plugin->controller()->getParamNormalized(id)),
                valuesOf(before)[id])
          << what << ", " << parameterTitle(id);
  }
}

}  // namespace
