// The module's exports, factory information and class records, as a host reads them.

#include <cstdlib>
#include <cstring>

#include "host/module.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "tests/plugin/plugin_fixture.h"
#include "tests/plugin/system_facts.h"

using namespace Steinberg;
using plugin_test::FactoryTest;

namespace {

struct ExpectedClass {
  const char* guid;
  unsigned char linuxBytes[16];  // the TUID as Linux hosts see it: the four words big-endian
  unsigned char comBytes[16];    // as Windows hosts see it: COM's order
  const char* category;
  const char* name;
  uint32 classFlags;
  const char* subCategories;
};

#if LOBESHIFT_STEREO
const ExpectedClass kProcessor{"{239B9121-C445-40EB-9DFE-4E2FC05CBB2C}",
                               {0x23, 0x9B, 0x91, 0x21, 0xC4, 0x45, 0x40, 0xEB, 0x9D, 0xFE, 0x4E,
                                0x2F, 0xC0, 0x5C, 0xBB, 0x2C},
                               {0x21, 0x91, 0x9B, 0x23, 0x45, 0xC4, 0xEB, 0x40, 0x9D, 0xFE, 0x4E,
                                0x2F, 0xC0, 0x5C, 0xBB, 0x2C},
                               "Audio Module Class",
                               "Lobeshift Stereo",
                               1,
                               "Fx"};
const ExpectedClass kController{"{2F78E25B-7936-4AF9-8B57-0FB79FB4F3D5}",
                                {0x2F, 0x78, 0xE2, 0x5B, 0x79, 0x36, 0x4A, 0xF9, 0x8B, 0x57, 0x0F,
                                 0xB7, 0x9F, 0xB4, 0xF3, 0xD5},
                                {0x5B, 0xE2, 0x78, 0x2F, 0x36, 0x79, 0xF9, 0x4A, 0x8B, 0x57, 0x0F,
                                 0xB7, 0x9F, 0xB4, 0xF3, 0xD5},
                                "Component Controller Class",
                                "Lobeshift StereoController",
                                0,
                                ""};
#else
const ExpectedClass kProcessor{"{58B6D178-17C2-4E20-856B-AEC38AC3C135}",
                               {0x58, 0xB6, 0xD1, 0x78, 0x17, 0xC2, 0x4E, 0x20, 0x85, 0x6B, 0xAE,
                                0xC3, 0x8A, 0xC3, 0xC1, 0x35},
                               {0x78, 0xD1, 0xB6, 0x58, 0xC2, 0x17, 0x20, 0x4E, 0x85, 0x6B, 0xAE,
                                0xC3, 0x8A, 0xC3, 0xC1, 0x35},
                               "Audio Module Class",
                               "Lobeshift",
                               1,
                               "Fx"};
const ExpectedClass kController{"{0B1751D8-2B23-47B2-886E-4EA932696A6A}",
                                {0x0B, 0x17, 0x51, 0xD8, 0x2B, 0x23, 0x47, 0xB2, 0x88, 0x6E, 0x4E,
                                 0xA9, 0x32, 0x69, 0x6A, 0x6A},
                                {0xD8, 0x51, 0x17, 0x0B, 0x23, 0x2B, 0xB2, 0x47, 0x88, 0x6E, 0x4E,
                                 0xA9, 0x32, 0x69, 0x6A, 0x6A},
                                "Component Controller Class",
                                "LobeshiftController",
                                0,
                                ""};
#endif

// The class ID's bytes as hosts of this system see them.
const unsigned char* bytesHere(const ExpectedClass& expected) {
  return plugin_test::classIdsInComOrder() ? expected.comBytes : expected.linuxBytes;
}

void expectClass(IPluginFactory3& factory, int32 index, const ExpectedClass& expected) {
  SCOPED_TRACE(expected.name);
  PClassInfo2 info;
  ASSERT_EQ(factory.getClassInfo2(index, &info), kResultOk);
  const unsigned char* bytes = bytesHere(expected);
  EXPECT_EQ(std::memcmp(info.cid, bytes, sizeof(TUID)), 0);
  EXPECT_EQ(host::guidString(FUID::fromTUID(info.cid)), expected.guid);
  EXPECT_EQ(info.cardinality, PClassInfo::kManyInstances);
  EXPECT_STREQ(info.category, expected.category);
  EXPECT_STREQ(info.name, expected.name);
  EXPECT_EQ(info.classFlags, expected.classFlags);
  EXPECT_STREQ(info.subCategories, expected.subCategories);
  EXPECT_STREQ(info.vendor, "");
  EXPECT_STREQ(info.version, "1.0.1");
  EXPECT_STREQ(info.sdkVersion, "VST 3.5.0");

  PClassInfoW wide;
  ASSERT_EQ(factory.getClassInfoUnicode(index, &wide), kResultOk);
  EXPECT_EQ(std::memcmp(wide.cid, bytes, sizeof(TUID)), 0);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(wide.name)).size(),
            std::strlen(expected.name));
}

}  // namespace

TEST_F(FactoryTest, EveryCallGivesTheOneFactoryWithOneMoreReference) {
  using GetFactory = IPluginFactory* (*)();
  auto getFactory = reinterpret_cast<GetFactory>(module->symbol("GetPluginFactory"));
  ASSERT_NE(getFactory, nullptr);
  auto referencesOf = [](IPluginFactory* object) {
    object->addRef();
    return object->release();
  };
  IPluginFactory* first = getFactory();
  const uint32 before = referencesOf(first);
  IPluginFactory* second = getFactory();
  EXPECT_EQ(second, first);
  EXPECT_EQ(referencesOf(first), before + 1);
  second->release();
  first->release();
}

TEST_F(FactoryTest, DescribesTheVendorAndTwoClassesProcessorFirst) {
  const host::FactoryInfo info = module->factoryInfo();
  EXPECT_EQ(info.vendor, "Tolvane");
  EXPECT_EQ(info.url.rfind("http://", 0), 0u) << info.url;
  EXPECT_EQ(info.email.rfind("mailto:", 0), 0u) << info.email;
  EXPECT_EQ(info.flags, PFactoryInfo::kUnicode);

  ASSERT_EQ(factory->countClasses(), 2);
  expectClass(*factory, 0, kProcessor);
  expectClass(*factory, 1, kController);
}

TEST_F(FactoryTest, CreatesEachClassAsTheInterfaceItIsRegisteredFor) {
  TUID processorId;
  std::memcpy(processorId, bytesHere(kProcessor), sizeof processorId);
  TUID controllerId;
  std::memcpy(controllerId, bytesHere(kController), sizeof controllerId);

  void* object = nullptr;
  ASSERT_EQ(factory->createInstance(processorId, Vst::IAudioProcessor::iid, &object), kResultOk);
  static_cast<FUnknown*>(object)->release();
  ASSERT_EQ(factory->createInstance(controllerId, Vst::IEditController::iid, &object), kResultOk);
  static_cast<FUnknown*>(object)->release();

  // The processor is no controller, and an unknown class is nothing.
  EXPECT_EQ(factory->createInstance(processorId, Vst::IEditController::iid, &object), kNoInterface);
  EXPECT_EQ(object, nullptr);
  TUID unknown = {};
  EXPECT_EQ(factory->createInstance(unknown, Vst::IAudioProcessor::iid, &object), kNoInterface);
}

TEST_F(FactoryTest, TheProcessorNamesItsController) {
  auto plugin = host::PluginInstance::create(module);
  ASSERT_TRUE(plugin.ok()) << plugin.error();
  TUID controllerId;
  ASSERT_EQ((*plugin)->component()->getControllerClassId(controllerId), kResultOk);
  EXPECT_EQ(host::guidString(FUID::fromTUID(controllerId)), kController.guid);
  EXPECT_TRUE((*plugin)->controllerIsSeparate());
}
