#pragma once
// A loaded VST 3 plug-in module, the way this system's hosts load one (host/module_file.h):
// the bundle's module file is loaded, its entry hook is called (Linux: ModuleEntry with
// its handle; Windows: InitDll), and GetPluginFactory gives the factory. Destroying the
// Module releases the factory, calls the exit hook (ModuleExit, ExitDll) and unloads the
// file. Plug-in instances keep their Module
// alive (shared ownership), so the code is never unloaded under a living object.

#include <memory>
#include <string>
#include <vector>

#include "host/result.h"
#include "pluginterfaces/base/ipluginbase.h"

namespace host {

struct FactoryInfo {
  std::string vendor;
  std::string url;
  std::string email;
  Steinberg::int32 flags = 0;
};

// A class as the factory describes it (the version 2 record when the factory has one).
struct ClassInfo {
  Steinberg::FUID classId;
  Steinberg::int32 cardinality = 0;
  std::string category;
  std::string name;
  Steinberg::uint32 classFlags = 0;
  std::string subCategories;
  std::string vendor;
  std::string version;
  std::string sdkVersion;
};

// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"
std::string guidString(const Steinberg::FUID& classId);

class Module {
 public:
  // `path` is a bundle folder (….vst3) or the module file itself.
  static Result<std::shared_ptr<Module>> load(const std::string& path);
  ~Module();
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;

  const std::string& path() const { return path_; }
  const std::string& libraryPath() const { return libraryPath_; }

  Steinberg::IPluginFactory* factory() const { return factory_; }
  FactoryInfo factoryInfo() const;
  std::vector<ClassInfo> classes() const;
  // The first class of the category ("Audio Module Class", …), if any.
  Result<ClassInfo> firstClassOf(const std::string& category) const;

  // An exported symbol of the module file, or null.
  void* symbol(const char* name) const;

 private:
  Module(std::string path, std::string libraryPath, void* handle);

  std::string path_;
  std::string libraryPath_;
  void* handle_;
  bool entered_ = false;                          // the entry hook succeeded; the exit hook is owed
  Steinberg::IPluginFactory* factory_ = nullptr;  // one reference held
};

}  // namespace host
