#pragma once
#include "sdk/interface_datahookplugin.h"
#include "hostkit/result.h"
#include <memory>
#include <string>
#include <wx/dynlib.h>

namespace hostkit {

// A loaded plug-in library and the object its factory returned. The object belongs to the library, so it
// is only valid until the library is closed.
class PluginLibrary {
 public:
  // Loads the library (path in UTF-8) and asks it for its object; the error gives the system's reason where
  // there is one.
  static Result<std::unique_ptr<PluginLibrary>> Open(const std::string& path);
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  Varnel::Interface_DataHookPlugin& Plugin() const { return *plugin_; }
  // Unloads the library, which runs its static destructors. Fails if the system complains.
  Status Close();

 private:
  PluginLibrary(std::unique_ptr<wxDynamicLibrary> loaded, Varnel::Interface_DataHookPlugin* object)
      : library_(std::move(loaded)), plugin_(object) {}

  std::unique_ptr<wxDynamicLibrary> library_;
  Varnel::Interface_DataHookPlugin* plugin_;
};

}  // namespace hostkit
