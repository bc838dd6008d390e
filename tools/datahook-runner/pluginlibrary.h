#pragma once
#include "sdk/interface_datahookplugin.h"
#include <memory>
#include <string>

namespace datahookrunner {

// A loaded plug-in library and the object its factory returned. The object belongs to the library, so it
// is only valid until the library is closed.
class PluginLibrary {
 public:
  // Loads the library and asks it for its object. On failure returns null and sets error (with dlerror's
  // text where there is one).
  static std::unique_ptr<PluginLibrary> Open(const std::string& path, std::string& error);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  Varnel::Interface_DataHookPlugin& Plugin() const { return *plugin; }
  // Unloads the library, which runs its static destructors. False, with error set, if dlclose complains.
  bool Close(std::string& error);

 private:
  PluginLibrary(void* handle, Varnel::Interface_DataHookPlugin* plugin) : handle(handle), plugin(plugin) {}

  void* handle;
  Varnel::Interface_DataHookPlugin* plugin;
};

}  // namespace datahookrunner
