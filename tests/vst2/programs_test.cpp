// The factory presets as the VST 2 entry's programs: counted, named and applied the
// way the VST 3 preset files are, and an index out of range changes nothing.

#include <filesystem>
#include <fstream>
#include <iterator>

#include "controller/class_ids.h"
#include "controller/factory_presets.h"
#include "host/memory_streams.h"
#include "public.sdk/source/vst/vstpresetfile.h"
#include "vst2_fixture.h"

namespace vst2_test {
namespace {

// The processor state inside the build's preset file of that name.
std::vector<char> stateInPresetFile(const char* name) {
  const auto path = std::filesystem::path(LOBESHIFT_PRESETS_DIR) / lobeshift::kVendor /
                    lobeshift::kProcessorName / (std::string(name) + ".vstpreset");
  std::ifstream in(path, std::ios::binary);
  const std::vector<char> file((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
  Steinberg::Vst::PresetFile preset(host::streamOf(file));
  if (!preset.readChunkList()) return {};
  const auto* entry = preset.getEntry(Steinberg::Vst::kComponentState);
  if (entry == nullptr) return {};
  return std::vector<char>(file.begin() + entry->offset,
                           file.begin() + entry->offset + entry->size);
}

TEST(Vst2Programs, AreTheFactoryPresetsByName) {
  auto plugin = openVst2();
  ASSERT_TRUE(plugin);
  const auto presets = factoryPresets();
  ASSERT_EQ(plugin->effect()->numPrograms, static_cast<VstInt32>(presets.size()));
  for (std::size_t index = 0; index < presets.size(); ++index)
    EXPECT_EQ(plugin->text(effGetProgramNameIndexed, static_cast<int>(index)), presets[index].name);
  EXPECT_EQ(plugin->text(effGetProgramNameIndexed, static_cast<int>(presets.size())), "");
  EXPECT_EQ(plugin->text(effGetProgramNameIndexed, -1), "");
}

TEST(Vst2Programs, EachGivesTheStateOfItsPresetFile) {
  auto plugin = runningVst2();
  ASSERT_TRUE(plugin);
  const auto presets = factoryPresets();
  // From the last to the first, so every program changes something.
  for (int index = static_cast<int>(presets.size()) - 1; index >= 0; --index) {
    const FactoryPreset& preset = presets[static_cast<std::size_t>(index)];
    SCOPED_TRACE(preset.name);
    EXPECT_EQ(plugin->dispatch(effSetProgram, 0, index), 1);
    EXPECT_EQ(plugin->dispatch(effGetProgram), index);
    EXPECT_EQ(plugin->text(effGetProgramName), preset.name);
    const std::vector<char> fromFile = stateInPresetFile(preset.name);
    EXPECT_EQ(plugin->chunk(), fromFile);
    std::vector<float> values(kParameterCount);
    std::memcpy(values.data(), fromFile.data(), std::min(fromFile.size(), values.size() * 4));
    EXPECT_EQ(parametersOf(*plugin), values);
  }
}

TEST(Vst2Programs, AnIndexOutOfRangeChangesNothing) {
  auto plugin = openVst2();
  ASSERT_TRUE(plugin);
  ASSERT_EQ(plugin->dispatch(effSetProgram, 0, 2), 1);
  const auto chunk = plugin->chunk();
  for (VstIntPtr index :
       {VstIntPtr{-1}, static_cast<VstIntPtr>(factoryPresets().size()), VstIntPtr{1} << 40}) {
    EXPECT_EQ(plugin->dispatch(effSetProgram, 0, index), 0);
    EXPECT_EQ(plugin->dispatch(effGetProgram), 2);
    EXPECT_EQ(plugin->chunk(), chunk);
  }
  // A renamed program keeps its new name in this instance.
  EXPECT_EQ(plugin->dispatch(effSetProgramName, 0, 0, const_cast<char*>("My Eight")), 1);
  EXPECT_EQ(plugin->text(effGetProgramNameIndexed, 2), "My Eight");
}

}  // namespace
}  // namespace vst2_test
