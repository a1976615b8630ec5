#include "sdk/plugin_factory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "base/source/fobject.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"

using namespace Steinberg;

namespace {

int gLiveThings = 0;

// Offers IPluginBase and nothing else; counts its living instances.
class Thing : public FObject, public IPluginBase {
 public:
  Thing() { ++gLiveThings; }
  ~Thing() override { --gLiveThings; }
  tresult PLUGIN_API initialize(FUnknown*) override { return kResultOk; }
  tresult PLUGIN_API terminate() override { return kResultOk; }
  OBJ_METHODS(Thing, FObject)
  DEFINE_INTERFACES
  DEF_INTERFACE(IPluginBase)
  END_DEFINE_INTERFACES(FObject)
  REFCOUNT_METHODS(FObject)
};

FUnknown* createThing(void* context) {
  if (context != nullptr) ++*static_cast<int*>(context);
  return static_cast<IPluginBase*>(new Thing());
}
FUnknown* createNothing(void*) { return nullptr; }

const FUID kFirstId(0x11111111, 0x22222222, 0x33333333, 0x44444444);
const FUID kSecondId(0x55555555, 0x66666666, 0x77777777, 0x88888888);
const FUID kUnicodeId(0x99999999, 0xAAAAAAAA, 0xBBBBBBBB, 0xCCCCCCCC);
const FUID kFailingId(0xDDDDDDDD, 0xEEEEEEEE, 0xFFFFFFFF, 0x01010101);
const FUID kUnknownId(0x12345678, 0x12345678, 0x12345678, 0x12345678);

PClassInfo2 infoOf(const FUID& id, const char* category, const char* name, int32 flags,
                   const char* subCategories) {
  TUID cid;
  id.toTUID(cid);
  return PClassInfo2(cid, PClassInfo::kManyInstances, category, name, flags, subCategories, nullptr,
                     "1.0.1", "VST 3.5.0");
}

std::u16string text16(const char16* characters) {
  return std::u16string(reinterpret_cast<const char16_t*>(characters));
}

class PluginFactoryTest : public ::testing::Test {
 protected:
  PluginFactoryTest()
      : factory(owned(new CPluginFactory(PFactoryInfo("Tolvane", "http://tolvane.example",
                                                      "mailto:info@tolvane.example",
                                                      PFactoryInfo::kUnicode)))) {
    first = infoOf(kFirstId, "Audio Module Class", "First", 1, "Fx");
    second = infoOf(kSecondId, "Component Controller Class", "SecondController", 0, "");
    EXPECT_TRUE(factory->registerClass(&first, createThing, &created));
    EXPECT_TRUE(factory->registerClass(second, createThing));
  }
  ~PluginFactoryTest() override { EXPECT_EQ(gLiveThings, 0); }

  IPtr<CPluginFactory> factory;
  PClassInfo2 first;
  PClassInfo2 second;
  int created = 0;
};

}  // namespace

TEST_F(PluginFactoryTest, DescribesTheModuleAndItsClassesInAllThreeForms) {
  PFactoryInfo info;
  ASSERT_EQ(factory->getFactoryInfo(&info), kResultOk);
  EXPECT_STREQ(info.vendor, "Tolvane");
  EXPECT_STREQ(info.email, "mailto:info@tolvane.example");
  EXPECT_EQ(info.flags, 16);
  ASSERT_EQ(factory->countClasses(), 2);

  PClassInfo info1;
  ASSERT_EQ(factory->getClassInfo(0, &info1), kResultOk);
  EXPECT_EQ(FUID::fromTUID(info1.cid), kFirstId);
  EXPECT_STREQ(info1.category, "Audio Module Class");
  EXPECT_STREQ(info1.name, "First");
  EXPECT_EQ(info1.cardinality, PClassInfo::kManyInstances);

  PClassInfo2 info2;
  ASSERT_EQ(factory->getClassInfo2(1, &info2), kResultOk);
  EXPECT_EQ(FUID::fromTUID(info2.cid), kSecondId);
  EXPECT_STREQ(info2.name, "SecondController");
  EXPECT_STREQ(info2.version, "1.0.1");
  EXPECT_STREQ(info2.sdkVersion, "VST 3.5.0");
  ASSERT_EQ(factory->getClassInfo2(0, &info2), kResultOk);
  EXPECT_EQ(info2.classFlags, 1u);
  EXPECT_STREQ(info2.subCategories, "Fx");

  PClassInfoW infoW;
  ASSERT_EQ(factory->getClassInfoUnicode(0, &infoW), kResultOk);
  EXPECT_EQ(FUID::fromTUID(infoW.cid), kFirstId);
  EXPECT_STREQ(infoW.category, "Audio Module Class");
  EXPECT_EQ(text16(infoW.name), u"First");
  EXPECT_EQ(text16(infoW.version), u"1.0.1");
  EXPECT_EQ(text16(infoW.sdkVersion), u"VST 3.5.0");
  EXPECT_EQ(infoW.classFlags, 1u);

  EXPECT_EQ(factory->getClassInfo(2, &info1), kInvalidArgument);
  EXPECT_EQ(factory->getClassInfo2(-1, &info2), kInvalidArgument);
  EXPECT_EQ(factory->getClassInfoUnicode(2, &infoW), kInvalidArgument);
  EXPECT_EQ(factory->getClassInfo(0, nullptr), kInvalidArgument);
}

TEST_F(PluginFactoryTest, AUnicodeClassIsReportedOnlyInItsUnicodeForm) {
  TUID cid;
  kUnicodeId.toTUID(cid);
  const PClassInfoW unicode(cid, 1, "Audio Module Class", STR16("Wide"), 0, "Fx", nullptr,
                            STR16("2.0"), STR16("VST 3.5.0"));
  ASSERT_TRUE(factory->registerClass(&unicode, createThing));
  ASSERT_EQ(factory->countClasses(), 3);

  PClassInfo info1;
  std::memset(static_cast<void*>(&info1), 0xAB, sizeof info1);
  EXPECT_EQ(factory->getClassInfo(2, &info1), kResultFalse);
  EXPECT_EQ(info1.cardinality, 0);
  EXPECT_STREQ(info1.name, "");
  PClassInfo2 info2;
  EXPECT_EQ(factory->getClassInfo2(2, &info2), kResultFalse);
  PClassInfoW infoW;
  ASSERT_EQ(factory->getClassInfoUnicode(2, &infoW), kResultOk);
  EXPECT_EQ(text16(infoW.name), u"Wide");
  EXPECT_TRUE(factory->isClassRegistered(kUnicodeId));
}

TEST_F(PluginFactoryTest, CreatesRegisteredClassesWithTheirContext) {
  TUID cid;
  kFirstId.toTUID(cid);
  void* object = nullptr;
  ASSERT_EQ(factory->createInstance(cid, IPluginBase::iid, &object), kResultOk);
  ASSERT_NE(object, nullptr);
  EXPECT_EQ(created, 1);
  EXPECT_EQ(gLiveThings, 1);
  // The caller holds the only reference.
  EXPECT_EQ(static_cast<IPluginBase*>(object)->release(), 0u);
  EXPECT_EQ(gLiveThings, 0);
}

TEST_F(PluginFactoryTest, UnknownClassesAndInterfacesFailCleanly) {
  TUID unknown;
  kUnknownId.toTUID(unknown);
  void* object = reinterpret_cast<void*>(0x1);
  EXPECT_EQ(factory->createInstance(unknown, FUnknown::iid, &object), kNoInterface);
  EXPECT_EQ(object, nullptr);

  // A known class that lacks the interface: the object made is destroyed again.
  TUID cid;
  kFirstId.toTUID(cid);
  object = reinterpret_cast<void*>(0x1);
  EXPECT_EQ(factory->createInstance(cid, Vst::IAudioProcessor::iid, &object), kNoInterface);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(gLiveThings, 0);

  EXPECT_EQ(factory->createInstance(nullptr, FUnknown::iid, &object), kInvalidArgument);
  EXPECT_EQ(factory->createInstance(cid, nullptr, &object), kInvalidArgument);
  EXPECT_EQ(factory->createInstance(cid, FUnknown::iid, nullptr), kInvalidArgument);
}

TEST_F(PluginFactoryTest, AFailedCreationIsAFailedCreateInstance) {
  const PClassInfo2 failing = infoOf(kFailingId, "Audio Module Class", "Failing", 0, "");
  ASSERT_TRUE(factory->registerClass(&failing, createNothing));
  TUID cid;
  kFailingId.toTUID(cid);
  void* object = reinterpret_cast<void*>(0x1);
  EXPECT_NE(factory->createInstance(cid, FUnknown::iid, &object), kResultOk);
  EXPECT_EQ(object, nullptr);
}

TEST_F(PluginFactoryTest, RegistrationNeedsARecordAndACreator) {
  EXPECT_FALSE(factory->registerClass(static_cast<const PClassInfo2*>(nullptr), createThing));
  EXPECT_FALSE(factory->registerClass(&first, nullptr));
  EXPECT_EQ(factory->countClasses(), 2);
  // A version 1 record is kept with empty version 2 fields.
  TUID cid;
  kUnicodeId.toTUID(cid);
  const PClassInfo plain(cid, 1, "Audio Module Class", "Plain");
  ASSERT_TRUE(factory->registerClass(&plain, createThing));
  PClassInfo2 info2;
  ASSERT_EQ(factory->getClassInfo2(2, &info2), kResultOk);
  EXPECT_STREQ(info2.name, "Plain");
  EXPECT_STREQ(info2.version, "");
  factory->removeAllClasses();
  EXPECT_EQ(factory->countClasses(), 0);
  EXPECT_FALSE(factory->isClassRegistered(kFirstId));
}

TEST_F(PluginFactoryTest, AnswersForAllThreeFactoryInterfaces) {
  for (const FUID* iid :
       {&FUnknown::iid, &IPluginFactory::iid, &IPluginFactory2::iid, &IPluginFactory3::iid}) {
    void* object = nullptr;
    ASSERT_EQ(factory->queryInterface(*iid, &object), kResultOk);
    EXPECT_NE(object, nullptr);
    static_cast<FUnknown*>(object)->release();
  }
  void* object = reinterpret_cast<void*>(0x1);
  EXPECT_EQ(factory->queryInterface(Vst::IAudioProcessor::iid, &object), kNoInterface);
  EXPECT_EQ(object, nullptr);
  EXPECT_EQ(factory->setHostContext(nullptr), kNotImplemented);
}
