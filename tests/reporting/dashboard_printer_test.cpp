// The dashboard report for every kind of suite and outcome, kept in testdata/reporting/dashboard-format.xml with
// times, host, process and version made constant. DH_WRITE_EXPECTED=1 writes the file from this build instead
// of comparing (then read the diff).
#include "reporting/dashboardjunitprinter.h"
#include "reporting/maketestlocation.h"
#include "support/files.h"
#include "support/pluginhost.h"
#include "support/report.h"
#include "support/scratchdir.h"
#include <gtest/gtest.h>
#include <regex>

namespace {

TEST(DashboardPrinter, EveryShapeOfOutcomeGivesTheReportKeptInTheTestData) {
  testsupport::ScratchDir scratch;
  for (int printers = 0; printers < 2; ++printers) {
    Varnel::DashboardJUnitPrinter printer(wxString::FromUTF8(scratch.File("dashboards")));
    printer.ReportPass("SingleDummyPassingTest");
    printer.BeginDataFile("/data/x.vn5 P01.txt");
    printer.ReportPass("was_called");
    printer.BeginSuite("x.vn5");
    printer.ReportFailure("Check", "it's <bad> & \"odd\"", Varnel::MakeTestLocation("x.vn5", 7), "end ]]> of");
    printer.AddFinding("found 5 rows, expected 6");
    printer.ReportPass("Check");
    printer.AddFinding("still about the failure above");
    printer.ReportFailure("Check", "again", "l", "m");
    for (int i = 0; i < 18; ++i) printer.AddFinding("row " + std::to_string(i) + "\tholds\x01 this");
    printer.BeginDataFile(wxString());
    printer.ReportFailure("TestingPluginDH_AssertionFailure_00001", "host", "h", "first");
    printer.BeginDataFile("/data/nobody.txt");
    printer.ReportFailure("locating_verifier_for_nobody", "none", "n", "no verifier");
    printer.AddFinding("looked up the registry key {NOBODY}");
    printer.BeginDataFile(wxString());
    printer.ReportFailure("TestingPluginDH_AssertionFailure_00002", "host", "h", "second");
  }
  const std::vector<std::string> reports = testsupport::DashboardReportsIn(scratch.File("dashboards"));
  ASSERT_EQ(reports.size(), 2u) << "a file of its own for each printer: host, process id and a random part";
  EXPECT_TRUE(std::regex_match(reports[0], std::regex(R"(.*/dh-AutomatedTesting_[\w.-]+_[0-9]+_[0-9a-f]{16}\.xml)")));
  EXPECT_EQ(testsupport::SchemaErrors(reports[0], testsupport::Schema::Dashboard), "");
  const std::string report = std::regex_replace(
      testsupport::ReadFile(reports[0]),
      std::regex(R"re(((?: time| timestamp| hostname|"(?:host_name|process_id|plugin_version)" value)=)"[^"]*")re"),
      "$1\"@\"");
  testsupport::ExpectSameAsKept(report, testsupport::TestData("reporting/dashboard-format.xml"));
}

}  // namespace
