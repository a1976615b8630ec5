#include "host/module.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "host/module_file.h"
#include "host/plugin_instance.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "tests/host/system_library.h"

namespace fs = std::filesystem;
using host::Module;

namespace {

// A scratch folder of this test process, removed afterwards.
class ScratchFolder {
 public:
  ScratchFolder()
      : path_(fs::temp_directory_path() /
              ("lobeshift-host-test-" + std::to_string(std::random_device{}()))) {
    fs::create_directories(path_);
  }
  ~ScratchFolder() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

}  // namespace

TEST(Module, AMissingBundleIsReportedByItsPath) {
  auto module = Module::load("/nonexistent/Nothing.vst3");
  ASSERT_FALSE(module.ok());
  EXPECT_NE(module.error().find("/nonexistent/Nothing.vst3"), std::string::npos) << module.error();
}

TEST(Module, ABundleWithoutItsModuleFileIsReported) {
  ScratchFolder scratch;
  const fs::path bundle = scratch.path() / "Empty.vst3";
  const fs::path moduleFile = host::module_file::inBundle(bundle.string());
  fs::create_directories(moduleFile.parent_path());
  auto module = Module::load(bundle.string());
  ASSERT_FALSE(module.ok());
  // Linux: Contents/x86_64-linux/Empty.so; Windows: Contents\x86_64-win\Empty.vst3.
  const fs::path inContents =
      fs::path("Contents") / moduleFile.parent_path().filename() / moduleFile.filename();
  EXPECT_NE(module.error().find(inContents.string()), std::string::npos) << module.error();
  EXPECT_EQ(moduleFile.stem(), "Empty");
}

TEST(Module, AFileThatIsNoLibraryOrNoPlugInIsRefused) {
  ScratchFolder scratch;
  const fs::path garbage = scratch.path() / "Garbage.vst3";
  std::ofstream(garbage) << "not a shared library";
  auto notALibrary = Module::load(garbage.string());
  ASSERT_FALSE(notALibrary.ok());
  EXPECT_NE(notALibrary.error().find("cannot load"), std::string::npos) << notALibrary.error();

  // A real shared library, but not a VST 3 module.
  auto notAPlugIn = Module::load(host_test::systemLibrary());
  ASSERT_FALSE(notAPlugIn.ok());
  EXPECT_NE(notAPlugIn.error().find("not a VST 3 module"), std::string::npos) << notAPlugIn.error();
}

TEST(Module, LoadsABundleAndListsItsClasses) {
  auto module = Module::load(LOBESHIFT_TEST_BUNDLE);
  ASSERT_TRUE(module.ok()) << module.error();
  EXPECT_EQ((*module)->libraryPath(), host::module_file::inBundle(LOBESHIFT_TEST_BUNDLE));
  EXPECT_EQ(fs::path((*module)->libraryPath()).stem(), "LobeshiftTestGain");

  const host::FactoryInfo factory = (*module)->factoryInfo();
  EXPECT_EQ(factory.vendor, "Lobeshift Tests");
  EXPECT_EQ(factory.email, "mailto:tests@localhost");
  EXPECT_EQ(factory.flags, Steinberg::PFactoryInfo::kUnicode);

  const auto classes = (*module)->classes();
  ASSERT_EQ(classes.size(), 2u);
  EXPECT_EQ(classes[0].category, kVstAudioEffectClass);
  EXPECT_EQ(classes[0].name, "Test Gain");
  EXPECT_EQ(classes[0].subCategories, "Fx");
  EXPECT_EQ(classes[0].classFlags, static_cast<Steinberg::uint32>(Steinberg::Vst::kDistributable));
  EXPECT_EQ(classes[0].cardinality, Steinberg::PClassInfo::kManyInstances);
  EXPECT_EQ(classes[1].category, kVstComponentControllerClass);
  EXPECT_EQ(host::guidString(classes[0].classId), "{6C1A2B3D-4E5F-4A1B-9C8D-7E6F10213243}");

  auto controller = (*module)->firstClassOf(kVstComponentControllerClass);
  ASSERT_TRUE(controller.ok());
  EXPECT_EQ(controller->name, "Test GainController");
  EXPECT_FALSE((*module)->firstClassOf("Nonsense Class").ok());
}

TEST(Module, LoadsTheModuleFileDirectlyToo) {
  auto module = Module::load(host::module_file::inBundle(LOBESHIFT_TEST_BUNDLE));
  ASSERT_TRUE(module.ok()) << module.error();
  EXPECT_EQ((*module)->classes().size(), 2u);
}

TEST(Module, TwoBundlesLiveSideBySideAndUnloadApart) {
  auto first = Module::load(LOBESHIFT_TEST_BUNDLE);
  auto twin = Module::load(LOBESHIFT_TEST_TWIN_BUNDLE);
  ASSERT_TRUE(first.ok() && twin.ok());
  EXPECT_NE((*first)->factory(), (*twin)->factory());

  auto twinInstance = host::PluginInstance::create(*twin);
  ASSERT_TRUE(twinInstance.ok()) << twinInstance.error();
  std::shared_ptr<Module> firstModule = std::move(*first);
  firstModule.reset();  // unloads the first module
  ASSERT_TRUE((*twinInstance)->setupProcessing(44100.0, 32).ok());
  ASSERT_TRUE((*twinInstance)->activate().ok());
  EXPECT_EQ((*twinInstance)->process(32), Steinberg::kResultOk);
}
