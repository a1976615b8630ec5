#include "host/module.h"

#include <filesystem>

#include "host/module_file.h"

namespace host {

using namespace Steinberg;

namespace {

using GetFactoryFunction = IPluginFactory*(PLUGIN_API*)();

// The module file: the path itself, or the one inside the bundle folder it names.
Result<std::string> findLibrary(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::path given(path);
  if (!fs::exists(given, error))
    return Result<std::string>::failure("VST 3 module not found: " + path);
  if (fs::is_regular_file(given, error)) return Result<std::string>::success(path);
  const std::string library = module_file::inBundle(path);
  if (!fs::is_regular_file(library, error))
    return Result<std::string>::failure("VST 3 bundle " + path + " has no module file " + library);
  return Result<std::string>::success(library);
}

std::string text(const char8* characters, std::size_t capacity) {
  std::size_t length = 0;
  while (length < capacity && characters[length] != 0) ++length;
  return std::string(characters, length);
}

// The fields every version of the record has.
template <typename Record>
ClassInfo commonInfoOf(const Record& info) {
  ClassInfo result;
  result.classId = FUID::fromTUID(info.cid);
  result.cardinality = info.cardinality;
  result.category = text(info.category, PClassInfo::kCategorySize);
  result.name = text(info.name, PClassInfo::kNameSize);
  return result;
}

ClassInfo classInfoOf(const PClassInfo& info) { return commonInfoOf(info); }

ClassInfo classInfoOf(const PClassInfo2& info) {
  ClassInfo result = commonInfoOf(info);
  result.classFlags = info.classFlags;
  result.subCategories = text(info.subCategories, PClassInfo2::kSubCategoriesSize);
  result.vendor = text(info.vendor, PClassInfo2::kVendorSize);
  result.version = text(info.version, PClassInfo2::kVersionSize);
  result.sdkVersion = text(info.sdkVersion, PClassInfo2::kVersionSize);
  return result;
}

}  // namespace

std::string guidString(const FUID& classId) {
  char8 buffer[40] = {};
  classId.toRegistryString(buffer);
  return buffer;
}

Module::Module(std::string path, std::string libraryPath, void* handle)
    : path_(std::move(path)), libraryPath_(std::move(libraryPath)), handle_(handle) {}

Module::~Module() {
  if (factory_ != nullptr) factory_->release();
  if (entered_) {
    if (void* exit = symbol(module_file::kExitName)) module_file::callExit(exit);
  }
  module_file::close(handle_);
}

Result<std::shared_ptr<Module>> Module::load(const std::string& path) {
  using Loaded = Result<std::shared_ptr<Module>>;
  auto library = findLibrary(path);
  if (!library) return Loaded::failure(library.error());

  auto handle = module_file::open(*library);
  if (!handle) return Loaded::failure("cannot load " + *library + ": " + handle.error());
  // From here on the Module owns the handle and undoes whatever succeeded.
  std::shared_ptr<Module> module(new Module(path, *library, *handle));

  void* entry = module->symbol(module_file::kEntryName);
  const auto getFactory = reinterpret_cast<GetFactoryFunction>(module->symbol("GetPluginFactory"));
  if (entry == nullptr || module->symbol(module_file::kExitName) == nullptr ||
      getFactory == nullptr)
    return Loaded::failure(*library + " is not a VST 3 module: it lacks " +
                           module_file::kEntryName + ", " + module_file::kExitName +
                           " or GetPluginFactory");
  if (!module_file::callEntry(entry, *handle))
    return Loaded::failure(*library + ": " + module_file::kEntryName + " reported failure");
  module->entered_ = true;
  module->factory_ = getFactory();
  if (module->factory_ == nullptr)
    return Loaded::failure(*library + ": GetPluginFactory returned no factory");
  return Loaded::success(std::move(module));
}

void* Module::symbol(const char* name) const { return module_file::symbol(handle_, name); }

FactoryInfo Module::factoryInfo() const {
  PFactoryInfo info;
  if (factory_->getFactoryInfo(&info) != kResultOk) return {};
  return {text(info.vendor, PFactoryInfo::kNameSize), text(info.url, PFactoryInfo::kURLSize),
          text(info.email, PFactoryInfo::kEmailSize), info.flags};
}

std::vector<ClassInfo> Module::classes() const {
  std::vector<ClassInfo> result;
  FUnknownPtr<IPluginFactory2> factory2(factory_);
  const int32 count = factory_->countClasses();
  for (int32 i = 0; i < count; ++i) {
    if (factory2) {
      PClassInfo2 info;
      if (factory2->getClassInfo2(i, &info) == kResultOk) {
        result.push_back(classInfoOf(info));
        continue;
      }
    }
    PClassInfo info;
    if (factory_->getClassInfo(i, &info) == kResultOk) result.push_back(classInfoOf(info));
  }
  return result;
}

Result<ClassInfo> Module::firstClassOf(const std::string& category) const {
  for (ClassInfo& info : classes())
    if (info.category == category) return Result<ClassInfo>::success(std::move(info));
  return Result<ClassInfo>::failure(libraryPath_ + " has no class of category \"" + category +
                                    "\"");
}

}  // namespace host
