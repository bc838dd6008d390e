#pragma once
#include "findingsprinter.h"
#include "reportreader.h"
#include <ostream>
#include <string>

namespace datahookrunner {

// The summary a person reads after a run: suites, failures, totals and where the full report is; the findings
// printer adds each suite's data file and what was found behind each failure.
void PrintSummary(std::ostream& out, const ReportSummary& summary, const std::string& reportPath,
                  FindingsPrinter& findings);

// Warns where the report's own counts disagree with what it holds, which points at a broken writer.
void PrintCountMismatches(std::ostream& out, const ReportSummary& summary);

}  // namespace datahookrunner
