// The dashboard report for every kind of suite and outcome, kept in testdata/reporting/dashboard-format.xml with
// times, host, process and version made constant. DH_WRITE_EXPECTED=1 writes the file from this build instead
// of comparing (then read the diff).
#include "reporting/dashboardjunitprinter.h"
#include "reporting/maketestlocation.h"
#include "support/files.h"
#include "support/pluginhost.h"
#include "support/report.h"
#include "support/scratchdir.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <iterator>
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
    printer.ReportTracking("__TIMING__TRACKING__x.vn5", "3400");
    printer.BeginSuite("x.vn5");  // the same data file verified again
    printer.ReportPass("Check");
    printer.BeginDataFile("/other/x.vn5 P01.txt");  // another file of the same name
    printer.BeginSuite("x.vn5");
    printer.ReportPass("Check");
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

// A report past the printer's memory, a failure text longer than it keeps waiting for findings, a pass and a host
// assertion between a failure and its findings: every test case comes out whole, in its suite's order, and the
// buffer's file is gone.
TEST(DashboardPrinter, AReportLongerThanMemoryHoldsComesOutWholeInOrder) {
  testsupport::ScratchDir scratch;
  const std::string longText(Varnel::DashboardJUnitPrinter::kLongTextBytes + 1, 'x');
  std::string shown;  // suite, classname, name, message and text of every test case, in report order
  const auto expect = [&shown](const std::string& suite, const std::string& name, const std::string& subject,
                               const std::string& message) {
    testsupport::Outcome outcome{suite,
                                 name,
                                 suite == "host assertions" ? suite : "a.txt",
                                 !subject.empty(),
                                 subject,
                                 subject.empty() ? "" : "l",
                                 message};
    shown += Describe(outcome) + " @" + outcome.className + "\n";
  };
  {
    Varnel::DashboardJUnitPrinter printer(wxString::FromUTF8(scratch.File("dashboards")));
    printer.BeginDataFile("/data/a.txt");
    printer.BeginSuite("a");
    printer.ReportFailure("Long", "s", "l", longText);
    printer.ReportPass("Between");
    printer.AddFinding("after a pass");
    printer.BeginDataFile(wxString());
    printer.ReportFailure("TestingPluginDH_AssertionFailure_00001", "h", "l", "m");
    for (int i = 0; i < 3000; ++i) {
      printer.ReportFailure("Short", "t", "l", std::string(100, 'y'));
      if (i % 3 == 0) printer.ReportPass("Pass");
    }
  }
  expect("DefaultInitialTestSuite_ConcreteFakeJUnitPrinter", "", "", "");
  shown.clear();  // the printer opens it; it holds nothing here
  expect("a / a.txt", "Long", "s | after a pass", longText + "\nfound: after a pass");
  expect("a / a.txt", "Between", "", "");
  expect("host assertions", "TestingPluginDH_AssertionFailure_00001", "h", "m");
  for (int i = 0; i < 3000; ++i) {
    expect("host assertions", i == 0 ? "Short" : "Short #" + std::to_string(i + 1), "t", std::string(100, 'y'));
    if (i % 3 == 0) expect("host assertions", i == 0 ? "Pass" : "Pass #" + std::to_string(i / 3 + 1), "", "");
  }
  const std::vector<std::string> reports = testsupport::DashboardReportsIn(scratch.File("dashboards"));
  ASSERT_EQ(reports.size(), 1u);
  EXPECT_EQ(testsupport::SchemaErrors(reports[0], testsupport::Schema::Dashboard), "");
  std::string read;
  for (const testsupport::Outcome& outcome : testsupport::ReadReport(reports[0]).outcomes) {
    read += Describe(outcome) + " @" + outcome.className + "\n";
  }
  EXPECT_EQ(read, shown);
  const auto files = std::filesystem::directory_iterator(scratch.File("dashboards"));
  EXPECT_EQ(std::distance(begin(files), end(files)), 1) << "the buffer's file is removed";
}

// Past the names a suite counts, a name gets the number of its outcome: still no two test cases share a key.
TEST(DashboardPrinter, NamesPastTheCountedOnesStayUnique) {
  testsupport::ScratchDir scratch;
  const int counted = static_cast<int>(Varnel::DashboardJUnitPrinter::kCountedNames);
  {
    Varnel::DashboardJUnitPrinter printer(wxString::FromUTF8(scratch.File("dashboards")));
    printer.BeginDataFile("/data/a.txt");
    printer.BeginSuite("a");
    for (int i = 0; i < counted; ++i) printer.ReportPass("n" + std::to_string(i));
    for (const char* name : {"late", "late", "n0"}) printer.ReportPass(name);
  }
  const std::vector<testsupport::Outcome> outcomes =
      testsupport::ReadReport(testsupport::DashboardReportsIn(scratch.File("dashboards"))[0]).outcomes;
  ASSERT_EQ(outcomes.size(), static_cast<std::size_t>(counted + 3));
  const auto named = [&outcomes](std::size_t fromEnd) { return outcomes[outcomes.size() - fromEnd].name; };
  EXPECT_EQ(named(3), "late #" + std::to_string(counted + 1));
  EXPECT_EQ(named(2), "late #" + std::to_string(counted + 2));
  EXPECT_EQ(named(1), "n0 #2");
}

}  // namespace
