#pragma once
#include "tools/datahook-runner/reportreader.h"
#include <filesystem>
#include <string>

namespace datahookrunner {

// The report directory's clock at the start of the run, read from a file made there and removed at once, so
// that it compares exactly with the times the file system gives the report.
bool MarkRunStart(const std::string& reportDirectory, std::filesystem::file_time_type& start, std::string& error);

// Whether the report is the one the plug-in wrote for this process during this run: every suite is named with
// the process id and the file was written after the run began. An earlier report moved under this run's name
// would otherwise be summed up as this run's. False, with error set, when it is not.
bool CheckReportIsOwn(const std::string& path, const ReportSummary& summary, unsigned long processId,
                      std::filesystem::file_time_type runStart, std::string& error);

}  // namespace datahookrunner
