// The dashboard JUnit report's exact shape for every kind of outcome, kept in
// testdata/reporting/dashboard-format.xml with what differs between runs and machines made constant: a verifier's
// suite with repeated names and findings beyond the diagnostics' limit, a data file no verifier takes, the host's
// assertions in one suite across data files, texts XML must escape. DH_WRITE_EXPECTED=1 writes the file from this
// build instead of comparing (then read the diff).
#include "reporting/dashboardjunitprinter.h"
#include "reporting/maketestlocation.h"
#include "tests/support/dashboardreport.h"
#include "tests/support/files.h"
#include "tests/support/pluginhost.h"
#include "tests/support/scratchdir.h"
#include <cstdlib>
#include <fstream>
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
  // Host, process id and a random part make each printer's file a file of its own.
  const std::vector<std::string> reports = testsupport::DashboardReportsIn(scratch.File("dashboards"));
  ASSERT_EQ(reports.size(), 2u);
  EXPECT_TRUE(std::regex_match(reports[0], std::regex(R"(.*/dh-AutomatedTesting_[\w.-]+_[0-9]+_[0-9a-f]{16}\.xml)")));
  EXPECT_EQ(testsupport::SchemaErrors(reports[0], DH_DASHBOARD_SCHEMA_PATH), "");
  std::string report = testsupport::ReadFile(reports[0]);
  report = std::regex_replace(report, std::regex(R"(( time| timestamp| hostname)="[^"]*")"), "$1=\"@\"");
  report = std::regex_replace(report, std::regex(R"(("host_name"|"process_id"|"plugin_version") value="[^"]*")"),
                              "$1 value=\"@\"");
  const std::string expected = testsupport::TestData("reporting/dashboard-format.xml");
  if (std::getenv("DH_WRITE_EXPECTED") != nullptr) {
    std::ofstream(expected, std::ios::binary) << report;
    GTEST_SKIP() << "wrote " << expected;
  }
  EXPECT_EQ(report, testsupport::ReadFile(expected));
}

}  // namespace
