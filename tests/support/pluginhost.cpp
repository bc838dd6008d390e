#include "pluginhost.h"
#include "sdk/interface_datahookplugin.h"
#include "files.h"
#include "hostlocale.h"
#include "scratchdir.h"
#include "hostkit/hostpose.h"
#include "hostkit/stimareafile.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <stdexcept>

namespace testsupport {

PluginHost::PluginHost() {
  BeforePluginLoad();
  auto opened = hostkit::PluginLibrary::Open(DH_BINARY_DIR "/bin/dh-AutomatedTesting.so");
  AfterPluginLoad();
  if (!opened.Ok()) throw std::runtime_error(opened.Error());
  library_ = std::move(opened).Value();
  // The printer made at load time wrote nothing yet; start this host's report afresh in the working directory.
  library_->Plugin().ReleaseTestPrinter();
}

PluginHost::~PluginHost() { Unload(); }

void PluginHost::Unload() { library_.reset(); }

void PluginHost::PerformPostProcessing(const std::string& dataFilePath, const Varnel::StimAreaList* stimAreas) {
  library_->Plugin().PerformPostProcessing(wxString::FromUTF8(dataFilePath), stimAreas);
}

void PluginHost::PerformPostProcessingWithAreasBeside(const std::string& dataFilePath) {
  const std::filesystem::path areaFile = std::filesystem::path(dataFilePath).replace_extension(".stimareas");
  if (!std::filesystem::exists(areaFile)) return PerformPostProcessing(dataFilePath);
  const hostkit::Result<Varnel::StimAreaList> areas = hostkit::ReadStimAreaFile(areaFile.string());
  if (!areas.Ok()) throw std::runtime_error(areas.Error());
  PerformPostProcessing(dataFilePath, &areas.Value());
}

void PluginHost::OnHostAssertionFailure(const std::string& text) {
  library_->Plugin().OnHostAssertionFailure(wxString::FromUTF8(text));
}

std::string PluginHost::ReleaseTestPrinter() {
  library_->Plugin().ReleaseTestPrinter();
  return ReportPath();
}

Report RunThroughPlugin(const std::vector<std::string>& paths, Machine machine) {
  hostkit::PosingAs posing(HostNameOf(machine));
  ScratchDir scratch;
  PluginHost plugin;
  for (const std::string& path : paths) plugin.PerformPostProcessing(path);
  const std::string reportPath = plugin.ReleaseTestPrinter();
  EXPECT_EQ(SchemaErrors(reportPath), "");
  return ReadReport(reportPath);
}

}  // namespace testsupport
