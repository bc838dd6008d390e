#pragma once
#include "hostkit/pluginlibrary.h"
#include "sdk/stimareadata.h"
#include "files.h"
#include "hostpose.h"
#include "report.h"
#include "reportpaths.h"
#include <memory>
#include <string>
#include <vector>

namespace testsupport {

// Loads the built plug-in library as the host does (VNSdkGetObjectPtr), hands it data files, releases
// the printer and unloads it. Use inside a ScratchDir: the report goes below the working directory.
class PluginHost {
 public:
  PluginHost();
  ~PluginHost();
  PluginHost(const PluginHost&) = delete;
  PluginHost& operator=(const PluginHost&) = delete;

  void PerformPostProcessing(const std::string& dataFilePath, const Varnel::StimAreaList* stimAreas = nullptr);
  // The same with the stimulus areas kept beside the data file X.txt as X.stimareas, when there is such a file.
  void PerformPostProcessingWithAreasBeside(const std::string& dataFilePath);
  void OnHostAssertionFailure(const std::string& text);
  // Releases the printer, which writes the report, and returns the report's path.
  std::string ReleaseTestPrinter();
  // Unloads the library now (its static objects go, writing a report if the printer is still there).
  void Unload();

 private:
  std::unique_ptr<hostkit::PluginLibrary> library_;
};

// Hands the data files, one after the other, to one loaded plug-in while posing as the machine, in a scratch
// directory; returns the report, which must be valid against the schema.
Report RunThroughPlugin(const std::vector<std::string>& paths, Machine machine = Machine::Plain);

}  // namespace testsupport
