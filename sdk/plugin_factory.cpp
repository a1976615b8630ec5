#include "sdk/plugin_factory.h"

#include <cstdlib>
#include <cstring>

Steinberg::CPluginFactory* gPluginFactory = nullptr;

namespace Steinberg {

namespace {
constexpr int32 kClassTableGrowth = 8;
}

CPluginFactory::CPluginFactory(const PFactoryInfo& info)
    : factoryInfo_(info){FUNKNOWN_CTOR}

      CPluginFactory::~CPluginFactory() {
  if (gPluginFactory == this) gPluginFactory = nullptr;
  std::free(classes_);
  FUNKNOWN_DTOR
}

IMPLEMENT_REFCOUNT(CPluginFactory)

tresult PLUGIN_API CPluginFactory::queryInterface(const TUID iid, void** obj) {
  if (obj == nullptr) return kInvalidArgument;
  QUERY_INTERFACE(iid, obj, FUnknown::iid, IPluginFactory)
  QUERY_INTERFACE(iid, obj, IPluginFactory::iid, IPluginFactory)
  QUERY_INTERFACE(iid, obj, IPluginFactory2::iid, IPluginFactory2)
  QUERY_INTERFACE(iid, obj, IPluginFactory3::iid, IPluginFactory3)
  *obj = nullptr;
  return kNoInterface;
}

CPluginFactory::ClassEntry* CPluginFactory::appendEntry() {
  if (classCount_ == capacity_) {
    const int32 grown = capacity_ + kClassTableGrowth;
    void* table = std::realloc(classes_, sizeof(ClassEntry) * static_cast<size_t>(grown));
    if (table == nullptr) return nullptr;
    classes_ = static_cast<ClassEntry*>(table);
    capacity_ = grown;
  }
  ClassEntry* entry = &classes_[classCount_];
  std::memset(static_cast<void*>(entry), 0, sizeof(ClassEntry));
  return entry;
}

bool CPluginFactory::registerClass(const PClassInfo* info, CreateFunction createFunction,
                                   void* context) {
  if (info == nullptr || createFunction == nullptr) return false;
  PClassInfo2 info2;
  std::memcpy(static_cast<void*>(&info2), info, sizeof(PClassInfo));
  return registerClass(&info2, createFunction, context);
}

bool CPluginFactory::registerClass(const PClassInfo2* info, CreateFunction createFunction,
                                   void* context) {
  if (info == nullptr || createFunction == nullptr) return false;
  ClassEntry* entry = appendEntry();
  if (entry == nullptr) return false;
  entry->info8 = *info;
  entry->info16.fromAscii(*info);
  entry->createFunction = createFunction;
  entry->context = context;
  entry->isUnicode = false;
  ++classCount_;
  return true;
}

bool CPluginFactory::registerClass(const PClassInfoW* info, CreateFunction createFunction,
                                   void* context) {
  if (info == nullptr || createFunction == nullptr) return false;
  ClassEntry* entry = appendEntry();
  if (entry == nullptr) return false;
  entry->info16 = *info;
  entry->createFunction = createFunction;
  entry->context = context;
  entry->isUnicode = true;
  ++classCount_;
  return true;
}

bool CPluginFactory::isClassRegistered(const FUID& classId) const {
  for (int32 i = 0; i < classCount_; ++i) {
    if (classId == FUID::fromTUID(classes_[i].info16.cid)) return true;
  }
  return false;
}

void CPluginFactory::removeAllClasses() { classCount_ = 0; }

const CPluginFactory::ClassEntry* CPluginFactory::entryAt(int32 index) const {
  if (index < 0 || index >= classCount_) return nullptr;
  return &classes_[index];
}

tresult PLUGIN_API CPluginFactory::getFactoryInfo(PFactoryInfo* info) {
  if (info == nullptr) return kInvalidArgument;
  std::memcpy(static_cast<void*>(info), &factoryInfo_, sizeof(PFactoryInfo));
  return kResultOk;
}

int32 PLUGIN_API CPluginFactory::countClasses() { return classCount_; }

// The 8-bit record of a class (PClassInfo is the leading part of PClassInfo2); a class
// registered in Unicode has none, and the caller gets a zeroed record.
template <typename Record>
tresult CPluginFactory::copyEightBitInfo(int32 index, Record* info) const {
  const ClassEntry* entry = entryAt(index);
  if (info == nullptr || entry == nullptr) return kInvalidArgument;
  if (entry->isUnicode) {
    std::memset(static_cast<void*>(info), 0, sizeof(Record));
    return kResultFalse;
  }
  std::memcpy(static_cast<void*>(info), &entry->info8, sizeof(Record));
  return kResultOk;
}

tresult PLUGIN_API CPluginFactory::getClassInfo(int32 index, PClassInfo* info) {
  return copyEightBitInfo(index, info);
}

tresult PLUGIN_API CPluginFactory::getClassInfo2(int32 index, PClassInfo2* info) {
  return copyEightBitInfo(index, info);
}

tresult PLUGIN_API CPluginFactory::getClassInfoUnicode(int32 index, PClassInfoW* info) {
  const ClassEntry* entry = entryAt(index);
  if (info == nullptr || entry == nullptr) return kInvalidArgument;
  std::memcpy(static_cast<void*>(info), &entry->info16, sizeof(PClassInfoW));
  return kResultOk;
}

tresult PLUGIN_API CPluginFactory::createInstance(FIDString cid, FIDString iid, void** obj) {
  if (obj == nullptr) return kInvalidArgument;
  *obj = nullptr;
  if (cid == nullptr || iid == nullptr) return kInvalidArgument;
  for (int32 i = 0; i < classCount_; ++i) {
    if (std::memcmp(classes_[i].info16.cid, cid, sizeof(TUID)) != 0) continue;
    FUnknown* instance = classes_[i].createFunction(classes_[i].context);
    if (instance == nullptr) return kOutOfMemory;
    // queryInterface adds the reference the caller owns; ours from creation goes.
    const tresult result = instance->queryInterface(iid, obj);
    instance->release();
    if (result == kResultOk) return kResultOk;
    *obj = nullptr;
    break;
  }
  return kNoInterface;
}

tresult PLUGIN_API CPluginFactory::setHostContext(FUnknown* /*context*/) { return kNotImplemented; }

}  // namespace Steinberg
