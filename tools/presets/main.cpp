// lobeshift-presets-<build> FOLDER: writes the build's factory presets as VST 3 preset
// files, FOLDER/<vendor>/<plug-in name>/<preset name>.vstpreset, where hosts look for
// them under their preset folders. The folder's old preset files go first, so a
// renamed preset leaves none behind. Each file is the SDK's preset format: the header
// with the processor's class ID, the processor state as the component chunk, the
// chunk list.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "controller/class_ids.h"
#include "controller/factory_presets.h"
#include "controller/parameters.h"
#include "public.sdk/source/common/memorystream.h"
#include "public.sdk/source/vst/vstpresetfile.h"

namespace {

bool writePreset(const FactoryPreset& preset, const std::filesystem::path& folder) {
  const std::vector<char> state = presetState(preset, kParameterCount);
  Steinberg::MemoryStream component(const_cast<char*>(state.data()),
                                    static_cast<Steinberg::TSize>(state.size()));
  Steinberg::MemoryStream file;
  if (!Steinberg::Vst::PresetFile::savePreset(&file, lobeshift::kProcessorUID, &component))
    return false;
  std::ofstream out(folder / (std::string(preset.name) + ".vstpreset"), std::ios::binary);
  out.write(file.getData(), static_cast<std::streamsize>(file.getSize()));
  return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder =
      std::filesystem::path(argv[1]) / lobeshift::kVendor / lobeshift::kProcessorName;
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    std::fprintf(stderr, "%s: cannot make %s: %s\n", argv[0], folder.c_str(),
                 error.message().c_str());
    return 1;
  }
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    if (entry.path().extension() == ".vstpreset") std::filesystem::remove(entry.path());
  for (const FactoryPreset& preset : factoryPresets()) {
    if (!writePreset(preset, folder)) {
      std::fprintf(stderr, "%s: cannot write the preset \"%s\" into %s\n", argv[0], preset.name,
                   folder.c_str());
      return 1;
    }
  }
  return 0;
}
