// The dashboard JUnit report over the golden and faulty corpora: switching it on leaves the report and the
// diagnostics byte for byte as they are, every data file gets one suite, two runs give the same identities,
// the counts are the report's, and the host's assertions and files no verifier takes keep to suites of their own.
#include "tests/support/dashboardreport.h"
#include "tests/support/files.h"
#include "tests/support/hostpose.h"
#include "tests/support/pluginhost.h"
#include "tests/support/report.h"
#include "tests/support/scratchdir.h"
#include "tools/hostkit/hostpose.h"
#include <algorithm>
#include <filesystem>
#include <optional>
#include <gtest/gtest.h>
#include <set>

namespace {

namespace fs = std::filesystem;
using testsupport::DashboardReport;
using testsupport::DashboardSuite;

std::vector<std::string> DataFilesOf(const std::vector<std::string>& folders) {
  std::vector<std::string> files;
  for (const std::string& folder : folders) {
    for (const auto& entry : fs::directory_iterator(testsupport::TestData(folder))) {
      if (entry.path().extension() == ".txt") files.push_back(entry.path().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

struct PrinterLife {
  std::string report;       // bytes
  std::string diagnostics;  // bytes
  std::vector<std::string> dashboards;
};

// One load of the plug-in over the data files (some verifiers number their checks for the life of the
// library), with the dashboard report switched on when a folder is given.
PrinterLife RunOnce(const std::vector<std::string>& dataFiles, const std::string& dashboardFolder) {
  testsupport::PluginHost host;
  std::optional<testsupport::DashboardSwitchedOn> switchedOn;
  if (!dashboardFolder.empty()) switchedOn.emplace(dashboardFolder);
  for (const std::string& dataFile : dataFiles) host.PerformPostProcessingWithAreasBeside(dataFile);
  const std::string reportPath = host.ReleaseTestPrinter();
  return {testsupport::ReadFile(reportPath),
          testsupport::ReadFile(reportPath.substr(0, reportPath.size() - 4) + ".diagnostics.txt"),
          testsupport::DashboardReportsIn(dashboardFolder)};
}

TEST(DashboardReport, OverBothCorporaLeavesTheReportAsItIsAndGivesStableIdentitiesOneSuitePerDataFile) {
  const hostkit::PosingAs posing(testsupport::HostNameOf(testsupport::Machine::Plain));
  testsupport::ScratchDir scratch;
  const std::vector<std::string> dataFiles = DataFilesOf({"golden", "faulty"});
  const PrinterLife off = RunOnce(dataFiles, "");
  const PrinterLife first = RunOnce(dataFiles, scratch.File("first"));
  const PrinterLife second = RunOnce(dataFiles, scratch.File("second"));
  EXPECT_TRUE(off.report == first.report && off.report == second.report) << "the report changed with the switch on";
  EXPECT_TRUE(off.diagnostics == first.diagnostics) << "the diagnostics changed with the switch on";
  ASSERT_EQ(first.dashboards.size(), 1u);
  ASSERT_EQ(second.dashboards.size(), 1u);
  EXPECT_EQ(testsupport::SchemaErrors(first.dashboards[0], DH_DASHBOARD_SCHEMA_PATH), "");

  const DashboardReport dashboard = testsupport::ReadDashboardReport(first.dashboards[0]);
  const std::vector<std::string> identities = dashboard.Identities();
  EXPECT_EQ(identities, testsupport::ReadDashboardReport(second.dashboards[0]).Identities());
  EXPECT_EQ(std::set<std::string>(identities.begin(), identities.end()).size(), identities.size())
      << "every identity is unique";

  ASSERT_EQ(dashboard.suites.size(), dataFiles.size() + 1) << "the first suite, then one per data file";
  for (const std::string& dataFile : dataFiles) {
    const std::vector<DashboardSuite> suites = dashboard.OfDataFile(dataFile);
    ASSERT_EQ(suites.size(), 1u) << dataFile;
    EXPECT_EQ(suites[0].systemOut, "data file: " + dataFile);
    EXPECT_TRUE(EndsWith(suites[0].name, " / " + fs::path(dataFile).filename().string())) << suites[0].name;
  }
  // The report under this process's name is the last run's, the same bytes as every run's.
  const testsupport::Report report = testsupport::ReadReport(testsupport::ReportPath());
  EXPECT_EQ(dashboard.tests, report.tests);
  EXPECT_EQ(dashboard.failures, report.failures);
  EXPECT_GT(dashboard.failures, 0);
}

TEST(DashboardReport, HostAssertionsAndFilesNoVerifierTakesKeepToSuitesOfTheirOwn) {
  testsupport::ScratchDir scratch;
  testsupport::PluginHost host;
  const std::string golden = testsupport::TestData("golden/2014-12-4_fail_to_present_block.vn5 P01.txt");
  const std::string unknown = scratch.File("nobody.vn5 P01.txt");
  testsupport::WriteFile(unknown, "P01\n");
  {
    testsupport::DashboardSwitchedOn switchedOn(scratch.File("dashboards"));
    host.PerformPostProcessing(golden);
    host.OnHostAssertionFailure("host.cpp(1): first");
    host.PerformPostProcessing(unknown);
    host.OnHostAssertionFailure("host.cpp(2): second");
    host.ReleaseTestPrinter();
  }
  const std::vector<std::string> reports = testsupport::DashboardReportsIn(scratch.File("dashboards"));
  ASSERT_EQ(reports.size(), 1u);
  const DashboardReport dashboard = testsupport::ReadDashboardReport(reports[0]);
  std::vector<std::string> suites;
  for (const DashboardSuite& suite : dashboard.suites) {
    suites.push_back(suite.name + " " + std::to_string(suite.tests) + "/" + std::to_string(suite.failures));
  }
  EXPECT_EQ(suites,
            (std::vector<std::string>{"DefaultInitialTestSuite_ConcreteFakeJUnitPrinter 1/0",
                                      "2014-12-4_fail_to_present_block.vn5 / " + fs::path(golden).filename().string() +
                                          " " + std::to_string(dashboard.suites[1].tests) + "/0",
                                      "host assertions 2/2", "no verifier: nobody.vn5 P01.txt 2/1"}));
  EXPECT_TRUE(EndsWith(dashboard.suites[2].cases[1].text, "\nhost.cpp(2): second"));
  EXPECT_EQ(testsupport::SchemaErrors(reports[0], DH_DASHBOARD_SCHEMA_PATH), "");
}

}  // namespace
