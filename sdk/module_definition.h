#pragma once
// What a plug-in module supplies to the entry points of sdk/module_entry.cpp.
//
// A module defines, once each:
// - bool InitDll() and bool ExitDll(): its initialisation and de-initialisation hooks,
//   called by the first ModuleEntry and the last ModuleExit;
// - Steinberg::createModuleFactory(): a new factory holding the module's information
//   and classes, usually written with the macros below:
//
//     BEGIN_FACTORY_DEF ("Vendor", "http://www.vendor.example", "mailto:info@vendor.example")
//       DEF_CLASS2 (INLINE_UID_FROM_FUID (kProcessorUID), PClassInfo::kManyInstances,
//                   kVstAudioEffectClass, "Name", Vst::kDistributable, "Fx", "1.0.0",
//                   kVstVersionString, Processor::createInstance)
//     END_FACTORY
//
// GetPluginFactory calls createModuleFactory the first time only; later calls add a
// reference to the same factory.

#include "sdk/plugin_factory.h"

#include <new>

bool InitDll();
bool ExitDll();

namespace Steinberg {

// Returns a new factory (reference count 1) or null when it cannot be made.
CPluginFactory* createModuleFactory();

}  // namespace Steinberg

#define BEGIN_FACTORY_DEF(vendor, url, email)                                                     \
  Steinberg::CPluginFactory* Steinberg::createModuleFactory() {                                   \
    static const PFactoryInfo factoryInfo(vendor, url, email, PFactoryInfo::kUnicode);           \
    auto* factory = new (std::nothrow) CPluginFactory(factoryInfo);                               \
    if (factory == nullptr) return nullptr;

#define DEF_CLASS2(cid, cardinality, category, name, classFlags, subCategories, version, sdkVersion,   \
                   createMethod)                                                                      \
  {                                                                                                   \
    TUID classId = cid;                                                                               \
    static const PClassInfo2 classInfo(classId, cardinality, category, name, classFlags, subCategories, \
                                       nullptr, version, sdkVersion);                                 \
    factory->registerClass(&classInfo, createMethod);                                                 \
  }

#define DEF_CLASS_W(cid, cardinality, category, name, classFlags, subCategories, version, sdkVersion,  \
                    createMethod)                                                                     \
  {                                                                                                   \
    TUID classId = cid;                                                                               \
    static const PClassInfoW classInfo(classId, cardinality, category, name, classFlags, subCategories, \
                                       nullptr, version, sdkVersion);                                 \
    factory->registerClass(&classInfo, createMethod);                                                 \
  }

#define END_FACTORY \
  return factory;   \
  }
