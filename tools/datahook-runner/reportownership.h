#pragma once
#include "reporting/reportstamp.h"
#include "reportreader.h"
#include "hostkit/result.h"
#include <string>

namespace datahookrunner {

// Said whenever the report under this run's name may be another process's: a process of the same id (another
// container, another process namespace) writes to the same report directory.
inline constexpr char kAnotherProcessWrote[] =
    "another process wrote the same report name (a process with the same process id in the same report "
    "directory; give every host its own working directory)";

// Whether the report is the one this run's plug-in wrote: every suite is named with the process id, the
// diagnostics beside it carry this run's host instance token, and the digest they give is that of the bytes
// read. An earlier report left under this run's name, or one that another process of the same id wrote,
// would otherwise be summed up as this run's. Fails when it is not or cannot be told.
hostkit::Status CheckReportIsOwn(const std::string& path, const ReportSummary& summary,
                                 const Varnel::ContentDigest& read, unsigned long processId,
                                 const Varnel::DiagnosticsStamp& stamp, const std::string& hostInstance);

}  // namespace datahookrunner
