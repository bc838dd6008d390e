#include "tests/support/pluginhost.h"
#include "sdk/interface_datahookplugin.h"
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <unistd.h>

namespace testsupport {

PluginHost::PluginHost() {
  const std::string path = DH_BINARY_DIR "/bin/dh-AutomatedTesting.so";
  library = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr) throw std::runtime_error(std::string("cannot load the plug-in: ") + dlerror());
  auto factory = reinterpret_cast<VNSdkGetObjectPtrFunction>(dlsym(library, "VNSdkGetObjectPtr"));
  if (factory == nullptr) throw std::runtime_error("the plug-in exports no VNSdkGetObjectPtr");
  plugin = static_cast<Varnel::Interface_DataHookPlugin*>(factory());
  // The printer made at load time wrote nothing yet; start this host's report afresh in the working directory.
  plugin->ReleaseTestPrinter();
}

PluginHost::~PluginHost() { Unload(); }

void PluginHost::Unload() {
  if (library != nullptr) dlclose(library);
  library = nullptr;
  plugin = nullptr;
}

void PluginHost::PerformPostProcessing(const std::string& dataFilePath, const Varnel::StimAreaList* stimAreas) {
  plugin->PerformPostProcessing(wxString::FromUTF8(dataFilePath), stimAreas);
}

void PluginHost::OnHostAssertionFailure(const std::string& text) {
  plugin->OnHostAssertionFailure(wxString::FromUTF8(text));
}

std::string PluginHost::ReleaseTestPrinter() {
  plugin->ReleaseTestPrinter();
  return ReportPath();
}

std::string TestData(const std::string& relativePath) { return DH_SOURCE_DIR "/testdata/" + relativePath; }

std::string ReportPath() {
  return "./scons-out/opt/tests/auto_experiment_tests/FakeUnitTestsDataHookExperimentRunning_" +
         std::to_string(getpid()) + ".xml";
}

}  // namespace testsupport
