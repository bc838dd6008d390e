#pragma once
// The names the printer writes under in this process, and a printer made as the plug-in makes it.
#include "reporting/concretefakejunitprinter.h"
#include "support/reportpaths.h"
#include <memory>
#include <string>

namespace printertest {

inline const std::string kRunName = "FakeUnitTestsDataHookExperimentRunning";
inline const std::string kPid = std::to_string(wxGetProcessId());
inline const std::string kDir = testsupport::kReportDir;
inline const std::string kReport = testsupport::ReportPath();
inline const std::string kPreviousReport = kDir + kRunName + ".xml";
inline const std::string kFlag = kDir + "special_flag_file_" + kPid + ".dat";
inline const std::string kDiagnostics = kDir + kRunName + "_" + kPid + ".diagnostics.txt";

// A printer of the run name that, by default, moves an earlier report of the run name to this process's name.
inline std::unique_ptr<Varnel::ConcreteFakeJUnitPrinter> NewPrinter(bool renameAtStart = true,
                                                                    const std::string& runName = kRunName) {
  return std::make_unique<Varnel::ConcreteFakeJUnitPrinter>(runName, "auto_experiment_tests", renameAtStart);
}

}  // namespace printertest
