// A data-hook plug-in double for the runner's tests. It appends every PerformPostProcessing call, with its
// arguments, as one line to recorded-calls.txt in the work directory and writes a report without tests. With
// RECORDING_PLUGIN_REPORT set it copies that file as its report instead (none at all if the file is missing),
// with every "@PID@" replaced by its process id, so that a test can hand the runner any report it needs; with
// RECORDING_PLUGIN_BACKDATE set as well, the report's time is put an hour back, as if an earlier run wrote it.
// RECORDING_PLUGIN_DIAGNOSTICS likewise gives the diagnostics file beside it (an empty one when it is not set,
// none when the file it names is missing). With RECORDING_PLUGIN_THROW set, PerformPostProcessing throws, as a
// plug-in that breaks the host's rules would.
#include "sdk/interface_datahookplugin.h"
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
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
    if (std::getenv("RECORDING_PLUGIN_THROW") != nullptr) throw std::runtime_error("thrown on purpose");
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
    const std::string pid = std::to_string(getpid());
    const std::string stem =
        "./scons-out/opt/tests/auto_experiment_tests/FakeUnitTestsDataHookExperimentRunning_" + pid;
    const std::string report = stem + ".xml";
    if (!CopyNamedFile("RECORDING_PLUGIN_DIAGNOSTICS", stem + ".diagnostics.txt")) {
      std::ofstream(stem + ".diagnostics.txt", std::ios::binary);
    }
    if (const char* source = std::getenv("RECORDING_PLUGIN_REPORT")) {
      std::ifstream in(source, std::ios::binary);
      if (!in) return;
      std::ostringstream text;
      text << in.rdbuf();
      std::string contents = text.str();
      for (std::size_t at = contents.find("@PID@"); at != std::string::npos; at = contents.find("@PID@", at)) {
        contents.replace(at, 5, pid);
      }
      std::ofstream(report, std::ios::binary) << contents;
      if (std::getenv("RECORDING_PLUGIN_BACKDATE")) {
        std::filesystem::last_write_time(report, std::filesystem::last_write_time(report) - std::chrono::hours(1));
      }
    } else {
      std::ofstream(report) << "<testsuites tests=\"0\" failures=\"0\"><testsuite name=\"RecordingPlugin_pid_" << pid
                            << "\" tests=\"0\" failures=\"0\"/></testsuites>\n";
    }
  }
};

RecordingPlugin recordingPlugin;

}  // namespace

extern "C" __attribute__((visibility("default"))) VarnelSDK::VNSdkBase* VNSdkGetObjectPtr() { return &recordingPlugin; }
