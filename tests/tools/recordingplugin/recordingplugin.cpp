// A data-hook plug-in double for the runner's tests. It appends every PerformPostProcessing call, with its
// arguments, as one line to recorded-calls.txt in the work directory and writes a report without tests. With
// RECORDING_PLUGIN_REPORT set it copies that file as its report instead (none at all if the file is missing),
// with every "@PID@" replaced by its process id, so that a test can hand the runner any report it needs.
// Beside it goes the diagnostics file, stamped as the plug-in stamps it, then the file RECORDING_PLUGIN_DIAGNOSTICS
// names. RECORDING_PLUGIN_STAMP spoils the stamp as another process would: "absent" writes no diagnostics,
// "foreign" names another host instance, "altered" gives the digest of other bytes. With RECORDING_PLUGIN_THROW
// set, PerformPostProcessing throws, as a plug-in that breaks the host's rules would.
#include "reporting/reportstamp.h"
#include "sdk/interface_datahookplugin.h"
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

// The contents of the file the variable names; empty when it is not set or the file cannot be read.
std::string NamedFileContents(const char* variable) {
  const char* source = std::getenv(variable);
  std::ostringstream text;
  if (source == nullptr) return text.str();
  std::ifstream in(source, std::ios::binary);
  if (in) text << in.rdbuf();
  return text.str();
}

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : value;
}

void WriteDiagnostics(const std::string& path, const std::string& report) {
  const std::string spoil = Variable("RECORDING_PLUGIN_STAMP");
  if (spoil == "absent") return;
  Varnel::DiagnosticsStamp stamp{"0123456789abcdef", Variable(Varnel::kHostInstanceVariable), Varnel::ContentDigest()};
  stamp.report->Add(report.data(), report.size());
  if (spoil == "foreign") stamp.hostInstance = "fedcba9876543210";
  if (spoil == "altered") stamp.report->Add("x", 1);
  std::ofstream(path, std::ios::binary) << stamp.Lines() << NamedFileContents("RECORDING_PLUGIN_DIAGNOSTICS");
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
    std::string contents = "<testsuites tests=\"0\" failures=\"0\"><testsuite name=\"RecordingPlugin_pid_" + pid +
                           "\" tests=\"0\" failures=\"0\"/></testsuites>\n";
    if (const char* source = std::getenv("RECORDING_PLUGIN_REPORT")) {
      std::ifstream in(source, std::ios::binary);
      if (!in) return;
      std::ostringstream text;
      text << in.rdbuf();
      contents = text.str();
      for (std::size_t at = contents.find("@PID@"); at != std::string::npos; at = contents.find("@PID@", at)) {
        contents.replace(at, 5, pid);
      }
    }
    std::ofstream(stem + ".xml", std::ios::binary) << contents;
    WriteDiagnostics(stem + ".diagnostics.txt", contents);
  }
};

RecordingPlugin recordingPlugin;

}  // namespace

extern "C" __attribute__((visibility("default"))) VarnelSDK::VNSdkBase* VNSdkGetObjectPtr() { return &recordingPlugin; }
