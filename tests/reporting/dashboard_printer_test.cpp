// The dashboard JUnit report: its exact shape for every kind of outcome, and that it is withheld, and said to
// be, when it would lack an outcome or cannot be written.
#include "reporting/dashboardjunitprinter.h"
#include "reporting/maketestlocation.h"
#include "tests/support/dashboardreport.h"
#include "tests/support/files.h"
#include "tests/support/pluginhost.h"
#include "tests/support/scratchdir.h"
#include <cstdlib>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <regex>
#include <string>

namespace {

using Varnel::DashboardJUnitPrinter;

struct Written {
  std::vector<std::string> reports;  // in the folder afterwards
  std::string errors;                // standard error meanwhile
};

Written RunPrinter(const std::string& directory, const std::function<void(DashboardJUnitPrinter&)>& use) {
  ::testing::internal::CaptureStderr();
  {
    DashboardJUnitPrinter printer(wxString::FromUTF8(directory));
    use(printer);
  }
  return {testsupport::DashboardReportsIn(directory), ::testing::internal::GetCapturedStderr()};
}

// What differs between runs and machines, made constant: times, timestamps, host, process id, version.
std::string Normalised(std::string report) {
  static const std::vector<std::pair<std::regex, std::string>> variable = {
      {std::regex(R"(time="[0-9]+\.[0-9]{3}")"), R"(time="@SECONDS@")"},
      {std::regex(R"(timestamp="[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9]{2}:[0-9]{2}:[0-9]{2}Z")"), R"(timestamp="@UTC@")"},
      {std::regex(R"((hostname|"host_name" value)="[^"]*")"), R"($1="@HOST@")"},
      {std::regex(R"("process_id" value="[0-9]+")"), R"("process_id" value="@PID@")"},
      {std::regex(R"("plugin_version" value="[0-9]+\.[0-9]+\.[0-9]+")"), R"("plugin_version" value="@VERSION@")"}};
  for (const auto& [pattern, replacement] : variable) report = std::regex_replace(report, pattern, replacement);
  return report;
}

class DashboardPrinter : public ::testing::Test {
 protected:
  testsupport::ScratchDir scratch;
};

// Kept in testdata/reporting/dashboard-format.xml: a verifier's suite with a repeated name and findings beyond
// the diagnostics' limit, a data file no verifier takes, the host's assertions in one suite across data files,
// texts XML must escape. DH_WRITE_EXPECTED=1 writes the file from this build instead (then read the diff).
TEST_F(DashboardPrinter, EveryShapeOfOutcomeGivesTheReportKeptInTheTestData) {
  const Written written = RunPrinter(scratch.File("dashboards"), [](DashboardJUnitPrinter& printer) {
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
  });
  ASSERT_EQ(written.reports.size(), 1u) << written.errors;
  EXPECT_EQ(written.errors, "");
  EXPECT_EQ(testsupport::SchemaErrors(written.reports[0], DH_DASHBOARD_SCHEMA_PATH), "");
  const std::string report = Normalised(testsupport::ReadFile(written.reports[0]));
  const std::string expected = testsupport::TestData("reporting/dashboard-format.xml");
  if (std::getenv("DH_WRITE_EXPECTED") != nullptr) {
    std::ofstream(expected, std::ios::binary) << report;
    GTEST_SKIP() << "wrote " << expected;
  }
  EXPECT_EQ(report, testsupport::ReadFile(expected));
}

TEST_F(DashboardPrinter, EachInstanceWritesAFileOfItsOwnNamedByHostAndProcess) {
  const std::string folder = scratch.File("dashboards");
  RunPrinter(folder, [](DashboardJUnitPrinter&) {});
  const Written second = RunPrinter(folder, [](DashboardJUnitPrinter&) {});
  ASSERT_EQ(second.reports.size(), 2u);
  const std::regex name(R"(.*/dh-AutomatedTesting_[A-Za-z0-9.\-_]+_[0-9]+_[0-9a-f]{16}\.xml)");
  for (const std::string& report : second.reports) EXPECT_TRUE(std::regex_match(report, name)) << report;
}

TEST_F(DashboardPrinter, IsWithheldAndSaysSoWhenAnOutcomeWasLostOrTheFileCannotBeWritten) {
  const Written lost = RunPrinter(scratch.File("lost"), [](DashboardJUnitPrinter& printer) {
    printer.ReportPass("a");
    printer.MarkOutcomeLost();
  });
  EXPECT_TRUE(lost.reports.empty());
  EXPECT_NE(lost.errors.find("is withheld: an outcome was lost"), std::string::npos) << lost.errors;

  testsupport::WriteFile(scratch.File("not-a-folder"), "x");
  const Written unwritable = RunPrinter(scratch.File("not-a-folder"), [](DashboardJUnitPrinter&) {});
  EXPECT_NE(unwritable.errors.find("was not written"), std::string::npos) << unwritable.errors;
}

}  // namespace
