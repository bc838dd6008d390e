// A data-hook plug-in double for the runner's tests. It appends every PerformPostProcessing call, with its
// arguments, as one line to recorded-calls.txt in the work directory and writes a report without tests. With
// RECORDING_PLUGIN_REPORT set it copies that file as its report instead (none at all if the file is missing),
// so that a test can hand the runner any report it needs; RECORDING_PLUGIN_DIAGNOSTICS likewise gives the
// diagnostics file beside it.
#include "sdk/interface_datahookplugin.h"
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// Copies the file the variable names to the target; false when the variable is not set.
bool CopyNamedFile(const char* variable, const std::string& target) {
  const char* source = std::getenv(variable);
  if (source == nullptr) return false;
  std::ifstream in(source, std::ios::binary);
  if (in) std::ofstream(target, std::ios::binary) << in.rdbuf();
  return true;
}

class RecordingPlugin : public Varnel::Interface_DataHookPlugin {
 public:
  void PerformPostProcessing(const wxString& dataFilePath, const Varnel::StimAreaList* stimAreas) override {
    std::ofstream calls("recorded-calls.txt", std::ios::app);
    calls << "path=" << dataFilePath.utf8_string() << " areas=";
    if (stimAreas == nullptr) calls << "none";
    for (const Varnel::StimAreaData& area : stimAreas ? *stimAreas : Varnel::StimAreaList()) {
      calls << "[" << area.rect.x << " " << area.rect.y << " " << area.rect.width << " " << area.rect.height << " "
            << area.responseId << " " << area.areaName.utf8_string() << "]";
    }
    calls << "\n";
  }

  bool OnHostAssertionFailure(const wxString&) override { return true; }

  void ReleaseTestPrinter() override {
    const std::string stem = "./scons-out/opt/tests/auto_experiment_tests/FakeUnitTestsDataHookExperimentRunning_" +
                             std::to_string(getpid());
    const std::string report = stem + ".xml";
    CopyNamedFile("RECORDING_PLUGIN_DIAGNOSTICS", stem + ".diagnostics.txt");
    if (!CopyNamedFile("RECORDING_PLUGIN_REPORT", report)) {
      std::ofstream(report) << "<testsuites tests=\"0\" failures=\"0\"><testsuite name=\"RecordingPlugin\" "
                               "tests=\"0\" failures=\"0\"/></testsuites>\n";
    }
  }
};

RecordingPlugin recordingPlugin;

}  // namespace

extern "C" __attribute__((visibility("default"))) VarnelSDK::VNSdkBase* VNSdkGetObjectPtr() { return &recordingPlugin; }
