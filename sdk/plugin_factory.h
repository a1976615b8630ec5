#pragma once
// The module's class factory: IPluginFactory, IPluginFactory2 and IPluginFactory3
// over a list of registered classes, each with its class-information record and the
// function that creates an instance. Behaves like the SDK's documented CPluginFactory:
// - a class registered with an 8-bit record (PClassInfo / PClassInfo2) is reported in
//   all three forms; its Unicode form is converted from the 8-bit strings;
// - a class registered with a Unicode record (PClassInfoW) is reported only in the
//   Unicode form; asking for its 8-bit forms gives kResultFalse and a zeroed record;
// - createInstance looks the class ID up, creates the object and hands out the asked
//   interface; an unknown class ID or interface gives kNoInterface and a null object,
//   a creation function that returns null gives kOutOfMemory.
//
// A module defines its exported GetPluginFactory with the SDK's macros, which create
// the factory on the first call and add a reference on every later one:
//
//   BEGIN_FACTORY_DEF ("Vendor", "http://www.vendor.example", "mailto:info@vendor.example")
//     DEF_CLASS2 (INLINE_UID_FROM_FUID (kProcessorUID), PClassInfo::kManyInstances,
//                 kVstAudioEffectClass, "Name", Vst::kDistributable, "Fx", "1.0.0",
//                 kVstVersionString, Processor::createInstance)
//   END_FACTORY
//
// (BEGIN_FACTORY_DEF comes with the VST component interface and sets the Unicode flag;
// BEGIN_FACTORY takes the flags explicitly.)

#include "pluginterfaces/base/ipluginbase.h"
#include "pluginterfaces/vst/ivstcomponent.h"

namespace Steinberg {

class CPluginFactory : public IPluginFactory3 {
 public:
  // Creates an object of a registered class. `context` is the value given at registration.
  using CreateFunction = FUnknown* (*)(void* context);

  explicit CPluginFactory(const PFactoryInfo& info);
  virtual ~CPluginFactory();

  CPluginFactory(const CPluginFactory&) = delete;
  CPluginFactory& operator=(const CPluginFactory&) = delete;

  // Each returns false (and registers nothing) for a null record or function, or when
  // memory runs out.
  bool registerClass(const PClassInfo* info, CreateFunction createFunction,
                     void* context = nullptr);
  bool registerClass(const PClassInfo2* info, CreateFunction createFunction,
                     void* context = nullptr);
  bool registerClass(const PClassInfoW* info, CreateFunction createFunction,
                     void* context = nullptr);
  bool registerClass(const PClassInfo2& info, CreateFunction createFunction,
                     void* context = nullptr) {
    return registerClass(&info, createFunction, context);
  }

  bool isClassRegistered(const FUID& classId) const;
  void removeAllClasses();

  //--- IPluginFactory
  tresult PLUGIN_API getFactoryInfo(PFactoryInfo* info) SMTG_OVERRIDE;
  int32 PLUGIN_API countClasses() SMTG_OVERRIDE;
  tresult PLUGIN_API getClassInfo(int32 index, PClassInfo* info) SMTG_OVERRIDE;
  tresult PLUGIN_API createInstance(FIDString cid, FIDString iid, void** obj) SMTG_OVERRIDE;

  //--- IPluginFactory2
  tresult PLUGIN_API getClassInfo2(int32 index, PClassInfo2* info) SMTG_OVERRIDE;

  //--- IPluginFactory3
  tresult PLUGIN_API getClassInfoUnicode(int32 index, PClassInfoW* info) SMTG_OVERRIDE;
  tresult PLUGIN_API setHostContext(FUnknown* context) SMTG_OVERRIDE;

  DECLARE_FUNKNOWN_METHODS

 private:
  struct ClassEntry {
    PClassInfo2 info8;
    PClassInfoW info16;
    CreateFunction createFunction;
    void* context;
    bool isUnicode;
  };

  const ClassEntry* entryAt(int32 index) const;
  template <typename Record>
  tresult copyEightBitInfo(int32 index, Record* info) const;
  ClassEntry* appendEntry();  // null when the table cannot grow

  PFactoryInfo factoryInfo_;
  ClassEntry* classes_ = nullptr;  // malloc'ed table of classCount_ entries out of capacity_
  int32 classCount_ = 0;
  int32 capacity_ = 0;
};

}  // namespace Steinberg

// The module's one factory while it exists: set by GetPluginFactory when it creates the
// factory, cleared when the factory is destroyed.
extern Steinberg::CPluginFactory* gPluginFactory;

#define BEGIN_FACTORY(vendor, url, email, flags)                     \
  using namespace Steinberg;                                         \
  SMTG_EXPORT_SYMBOL IPluginFactory* PLUGIN_API GetPluginFactory() { \
    if (!gPluginFactory) {                                           \
      static PFactoryInfo factoryInfo(vendor, url, email, flags);    \
      gPluginFactory = new CPluginFactory(factoryInfo);

#define DEF_CLASS(cid, cardinality, category, name, createMethod)        \
  {                                                                      \
    TUID lcid = cid;                                                     \
    static PClassInfo componentClass(lcid, cardinality, category, name); \
    gPluginFactory->registerClass(&componentClass, createMethod);        \
  }

#define DEF_CLASS2(cid, cardinality, category, name, classFlags, subCategories, version, \
                   sdkVersion, createMethod)                                             \
  {                                                                                      \
    TUID lcid = cid;                                                                     \
    static PClassInfo2 componentClass(lcid, cardinality, category, name, classFlags,     \
                                      subCategories, nullptr, version, sdkVersion);      \
    gPluginFactory->registerClass(&componentClass, createMethod);                        \
  }

#define DEF_CLASS_W(cid, cardinality, category, name, classFlags, subCategories, version, \
                    sdkVersion, createMethod)                                             \
  {                                                                                       \
    TUID lcid = cid;                                                                      \
    static PClassInfoW componentClass(lcid, cardinality, category, name, classFlags,      \
                                      subCategories, nullptr, version, sdkVersion);       \
    gPluginFactory->registerClass(&componentClass, createMethod);                         \
  }

#define END_FACTORY              \
  }                              \
  else gPluginFactory->addRef(); \
  return gPluginFactory;         \
  }
