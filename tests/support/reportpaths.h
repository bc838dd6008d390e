#pragma once
#include <string>
#include <wx/utils.h>

namespace testsupport {

// Where the plug-in's printer writes its report, flag and diagnostics files, below the working directory.
inline constexpr char kReportDir[] = "./scons-out/opt/tests/auto_experiment_tests/";

// The report the plug-in's printer writes for that process, relative to the working directory.
inline std::string ReportPathOf(long pid) {
  return kReportDir + ("FakeUnitTestsDataHookExperimentRunning_" + std::to_string(pid)) + ".xml";
}
inline std::string ReportPath() { return ReportPathOf(wxGetProcessId()); }

}  // namespace testsupport
