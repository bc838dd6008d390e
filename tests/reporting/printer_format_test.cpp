// The exact bytes of the report for the shapes of outcome the printer has to handle.
#include "reporting/maketestlocation.h"
#include "printerfiles.h"
#include "support/files.h"
#include "support/scratchdir.h"
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace {

using namespace printertest;
using Varnel::ConcreteFakeJUnitPrinter;

// Runs one printer through its whole life and returns the report it left.
std::string ReportOf(const std::function<void(ConcreteFakeJUnitPrinter&)>& use) {
  use(*NewPrinter());
  return testsupport::ReadFile(kReport);
}

std::string Passed(const std::string& numberedName) {
  return "        <testcase name=\"" + numberedName + "\" status=\"run\" time=\"999\" />\n";
}

class PrinterFormat : public ::testing::Test {
 protected:
  // Compares the report, this process's id written as @PID@, with the one kept in testdata/reporting/NAME.
  static void ExpectKept(std::string report, const std::string& name) {
    testsupport::ExpectSameAsKept(testsupport::ReplaceAll(report, "_pid_" + kPid, "_pid_@PID@"),
                                  testsupport::TestData("reporting/" + name));
  }
  testsupport::ScratchDir scratch_;
};

// Every shape of outcome in one report: suites begun, named alike or with characters XML escapes, passes and
// failures, line feeds, "]]>" in character data, characters XML cannot carry, text beyond ASCII.
TEST_F(PrinterFormat, EveryShapeOfOutcomeGivesTheReportKeptInTheTestData) {
  wxString withControls = "a";
  for (const unsigned code : {0x01u, 0xFFFEu, 0xD800u}) withControls += wxUniChar(code);
  withControls += "b]]";
  const std::string report = ReportOf([&](ConcreteFakeJUnitPrinter& printer) {
    printer.BeginSuite("S");
    printer.ReportPass("a");
    printer.ReportFailure("f", "subject", Varnel::MakeTestLocation("a.vn5", 7).ToStdString(), "one\ntwo");
    printer.BeginSuite("S");
    printer.ReportPass(wxString::FromUTF8("caf\xC3\xA9_\xE2\x82\xAC"));
    printer.BeginSuite("a&b");
    printer.ReportPass("x<y>\"'");
    printer.ReportFailure("f", "it's <bad> & \"odd\"\n", "loc]]>", "end ]]> of]]>");
    printer.ReportFailure(withControls, withControls, "l", withControls + ">");
  });
  EXPECT_EQ(testsupport::SchemaErrors(kReport), "");
  ExpectKept(report, "printer-format.xml");
}

// Past what the printer keeps in memory, the entries wait in a temporary file beside the report; the report is
// the same, byte for byte, and the file is gone afterwards.
TEST_F(PrinterFormat, AReportLongerThanMemoryHoldsComesOutWhole) {
  const std::string message(200, 'm');
  const int failures = 2000;  // about 600 KB of entries
  const auto spillFiles = [] { return testsupport::FilesIn(kDir, ".partial"); };
  const std::string report = ReportOf([&](ConcreteFakeJUnitPrinter& printer) {
    printer.BeginSuite("Long");
    for (int i = 0; i < failures; ++i) printer.ReportFailure("f", "s", "l", message);
    EXPECT_EQ(spillFiles().size(), 1U) << "the entries have outgrown memory";
    printer.BeginSuite("After");
    printer.ReportPass("p");
  });
  const auto suite = [](const std::string& name, int tests, int failed) {
    return "    <testsuite name=\"" + name + "_pid_" + kPid + "\" tests=\"" + std::to_string(tests) + "\" failures=\"" +
           std::to_string(failed) + "\" disabled=\"0\" errors=\"0\" time=\"" + std::to_string(999 * tests) + "\">\n";
  };
  std::string expected =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites tests=\"2001\" failures=\"2000\" "
      "disabled=\"0\" errors=\"0\" time=\"1998999\" name=\"AllTests\">\n" +
      suite("DefaultInitialTestSuite_ConcreteFakeJUnitPrinter", 0, 0) + "    </testsuite>\n" +
      suite("Long", failures, failures);
  for (int i = 1; i <= failures; ++i) {
    const std::string number = (i < 10 ? "00" : i < 100 ? "0" : "") + std::to_string(i);
    expected += "        <testcase name=\"test" + number +
                "f\" status=\"run\" time=\"999\" >\n        <failure message=\"s\" type=\"\">\n\n <![CDATA[l\n" +
                message + "]]>\n\n</failure>\n</testcase>\n";
  }
  expected += "    </testsuite>\n" + suite("After", 1, 0) + Passed("test2001p") + "    </testsuite>\n</testsuites>\n";
  const auto differs = std::mismatch(report.begin(), report.end(), expected.begin(), expected.end());
  EXPECT_TRUE(report == expected) << "the first difference at byte " << differs.first - report.begin() << " of "
                                  << report.size();
  EXPECT_TRUE(spillFiles().empty());
}

}  // namespace
