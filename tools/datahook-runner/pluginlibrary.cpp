#include "tools/datahook-runner/pluginlibrary.h"
#include "sdk/vnsdkbase.h"
#include <dlfcn.h>
#include <exception>

namespace datahookrunner {

namespace {

std::string LastDlError() {
  const char* text = dlerror();
  return text != nullptr ? text : "no further detail";
}

VNSdkGetObjectPtrFunction FindFactory(void* handle, std::string& error) {
  dlerror();
  void* symbol = dlsym(handle, "VNSdkGetObjectPtr");
  if (symbol == nullptr) {
    error = "the plug-in does not export VNSdkGetObjectPtr: " + LastDlError();
    return nullptr;
  }
  return reinterpret_cast<VNSdkGetObjectPtrFunction>(symbol);
}

// The host trusts the object to be a data-hook plug-in; the runner checks, so that a wrong library gives a
// message instead of a crash.
Varnel::Interface_DataHookPlugin* AskForPlugin(VNSdkGetObjectPtrFunction factory, std::string& error) {
  VarnelSDK::VNSdkBase* object = nullptr;
  try {
    object = factory();
  } catch (const std::exception& exception) {
    error = std::string("VNSdkGetObjectPtr threw an exception: ") + exception.what();
    return nullptr;
  } catch (...) {
    error = "VNSdkGetObjectPtr threw an exception";
    return nullptr;
  }
  if (object == nullptr) {
    error = "VNSdkGetObjectPtr returned no object";
    return nullptr;
  }
  auto* plugin = dynamic_cast<Varnel::Interface_DataHookPlugin*>(object);
  if (plugin == nullptr) error = "the object returned by VNSdkGetObjectPtr is not a data-hook plug-in";
  return plugin;
}

}  // namespace

std::unique_ptr<PluginLibrary> PluginLibrary::Open(const std::string& path, std::string& error) {
  void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    error = "cannot load plug-in '" + path + "': " + LastDlError();
    return nullptr;
  }
  Varnel::Interface_DataHookPlugin* plugin = nullptr;
  if (VNSdkGetObjectPtrFunction factory = FindFactory(handle, error)) plugin = AskForPlugin(factory, error);
  if (plugin == nullptr) {
    error = "plug-in '" + path + "': " + error;
    dlclose(handle);
    return nullptr;
  }
  return std::unique_ptr<PluginLibrary>(new PluginLibrary(handle, plugin));
}

PluginLibrary::~PluginLibrary() {
  std::string ignored;
  Close(ignored);
}

bool PluginLibrary::Close(std::string& error) {
  if (handle == nullptr) return true;
  plugin = nullptr;
  const int status = dlclose(handle);
  handle = nullptr;
  if (status == 0) return true;
  error = "cannot unload the plug-in: " + LastDlError();
  return false;
}

}  // namespace datahookrunner
