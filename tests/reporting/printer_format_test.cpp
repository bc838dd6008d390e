// The exact bytes of the report for the shapes of outcome the printer has to handle.
#include "reporting/concretefakejunitprinter.h"
#include "reporting/maketestlocation.h"
#include "tests/support/files.h"
#include "tests/support/scratchdir.h"
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

using Varnel::ConcreteFakeJUnitPrinter;

const std::string kPid = std::to_string(getpid());
const std::string kReportPath =
    "./scons-out/opt/tests/auto_experiment_tests/FakeUnitTestsDataHookExperimentRunning_" + kPid + ".xml";

// Runs one printer through its whole life and returns the report it left.
std::string ReportOf(const std::function<void(ConcreteFakeJUnitPrinter&)>& use) {
  {
    ConcreteFakeJUnitPrinter printer("FakeUnitTestsDataHookExperimentRunning", "auto_experiment_tests", true);
    use(printer);
  }
  return testsupport::ReadFile(kReportPath);
}

std::string Header(int tests, int failures) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites tests=\"" + std::to_string(tests) + "\" failures=\"" +
         std::to_string(failures) + "\" disabled=\"0\" errors=\"0\" time=\"" + std::to_string(999 * tests) +
         "\" name=\"AllTests\">\n";
}

std::string SuiteHeader(const std::string& name, int tests, int failures) {
  return "    <testsuite name=\"" + name + "_pid_" + kPid + "\" tests=\"" + std::to_string(tests) + "\" failures=\"" +
         std::to_string(failures) + "\" disabled=\"0\" errors=\"0\" time=\"" + std::to_string(999 * tests) + "\">\n";
}

const std::string kDefaultSuite = "DefaultInitialTestSuite_ConcreteFakeJUnitPrinter";
const std::string kSuiteFooter = "    </testsuite>\n";
const std::string kFooter = "</testsuites>\n";

std::string Passed(const std::string& numberedName) {
  return "        <testcase name=\"" + numberedName + "\" status=\"run\" time=\"999\" />\n";
}

std::string Failed(const std::string& numberedName, const std::string& subject, const std::string& cdata) {
  return "        <testcase name=\"" + numberedName + "\" status=\"run\" time=\"999\" >\n        <failure message=\"" +
         subject + "\" type=\"\">\n\n <![CDATA[" + cdata + "]]>\n\n</failure>\n</testcase>\n";
}

class PrinterFormat : public ::testing::Test {
 protected:
  testsupport::ScratchDir scratch;
};

TEST_F(PrinterFormat, UnusedPrinterWritesTheEmptyDefaultSuite) {
  EXPECT_EQ(ReportOf([](ConcreteFakeJUnitPrinter&) {}),
            Header(0, 0) + SuiteHeader(kDefaultSuite, 0, 0) + kSuiteFooter + kFooter);
}

TEST_F(PrinterFormat, PassAndFailureInABegunSuite) {
  const std::string report = ReportOf([](ConcreteFakeJUnitPrinter& printer) {
    printer.BeginSuite("A");
    printer.ReportPass("p");
    printer.ReportFailure("f", "subject", "location", "message");
  });
  EXPECT_EQ(report, Header(2, 1) + SuiteHeader(kDefaultSuite, 0, 0) + kSuiteFooter + SuiteHeader("A", 2, 1) +
                        Passed("test001p") + Failed("test002f", "subject", "location\nmessage") + kSuiteFooter +
                        kFooter);
  EXPECT_EQ(testsupport::SchemaErrors(kReportPath), "");
}

TEST_F(PrinterFormat, NumbersContinueAcrossSuitesAndSameNamedSuitesStaySeparate) {
  const std::string report = ReportOf([](ConcreteFakeJUnitPrinter& printer) {
    printer.BeginSuite("S");
    printer.ReportPass("a");
    printer.ReportPass("b");
    printer.BeginSuite("S");
    printer.ReportPass("c");
  });
  EXPECT_EQ(report, Header(3, 0) + SuiteHeader(kDefaultSuite, 0, 0) + kSuiteFooter + SuiteHeader("S", 2, 0) +
                        Passed("test001a") + Passed("test002b") + kSuiteFooter + SuiteHeader("S", 1, 0) +
                        Passed("test003c") + kSuiteFooter + kFooter);
}

TEST_F(PrinterFormat, NumbersGrowPastThreeDigits) {
  const std::string report = ReportOf([](ConcreteFakeJUnitPrinter& printer) {
    for (int i = 0; i < 1000; ++i) printer.ReportPass("t");
  });
  EXPECT_NE(report.find(Passed("test999t") + Passed("test1000t")), std::string::npos);
  EXPECT_NE(report.find("time=\"999000\">"), std::string::npos);
}

TEST_F(PrinterFormat, LineFeedsOfAMessageStayInsideTheCharacterData) {
  const std::string report = ReportOf([](ConcreteFakeJUnitPrinter& printer) {
    printer.ReportFailure("f", "s", Varnel::MakeTestLocation("a.vn5", 7).ToStdString(), "one\ntwo");
  });
  EXPECT_NE(report.find("<![CDATA[Whichever/File/Focuses/On/Verifying/a.vn5:7\none\ntwo]]>"), std::string::npos);
}

TEST_F(PrinterFormat, SpecialCharactersAreEscapedAndTheReportStaysValid) {
  const std::string report = ReportOf([](ConcreteFakeJUnitPrinter& printer) {
    printer.BeginSuite("a&b");
    printer.ReportPass("x<y>\"'");
    printer.ReportFailure("f", "it's <bad> & \"odd\"\n", "loc]]>", "end ]]> of]]>");
  });
  EXPECT_NE(report.find("name=\"a&amp;b_pid_"), std::string::npos);
  EXPECT_NE(report.find(Passed("test001x&lt;y&gt;&quot;&apos;")), std::string::npos);
  EXPECT_NE(report.find("message=\"it&apos;s &lt;bad&gt; &amp; &quot;odd&quot;&#x0A;\""), std::string::npos);
  EXPECT_NE(report.find("<![CDATA[loc]]]]><![CDATA[>\nend ]]]]><![CDATA[> of]]]]><![CDATA[>]]>"), std::string::npos);
  EXPECT_EQ(testsupport::SchemaErrors(kReportPath), "");
}

// Written as their codes in ASCII, so a viewer never meets a replacement character it may choke on.
TEST_F(PrinterFormat, CharactersXmlCannotCarryAreWrittenAsTheirCodes) {
  const std::string report = ReportOf([](ConcreteFakeJUnitPrinter& printer) {
    wxString withControls = "a";
    withControls += wxUniChar(1);
    withControls += wxUniChar(0xFFFE);
    withControls += wxUniChar(0xD800);
    withControls += "b]]";
    printer.ReportFailure(withControls, withControls, "l", withControls + ">");
  });
  const std::string shown = "a[0x01][0xFFFE][0xD800]b]]";
  EXPECT_NE(report.find("name=\"test001" + shown + "\""), std::string::npos) << report;
  EXPECT_NE(report.find("message=\"" + shown + "\""), std::string::npos) << report;
  EXPECT_NE(report.find("l\n" + shown + "]]><![CDATA[>]]>"), std::string::npos) << report;
  EXPECT_EQ(report.find("\xEF\xBF\xBD"), std::string::npos);
  EXPECT_EQ(testsupport::SchemaErrors(kReportPath), "");
}

TEST_F(PrinterFormat, NonAsciiTextIsWrittenAsUtf8) {
  const std::string report = ReportOf(
      [](ConcreteFakeJUnitPrinter& printer) { printer.ReportPass(wxString::FromUTF8("caf\xC3\xA9_\xE2\x82\xAC")); });
  EXPECT_NE(report.find(Passed("test001caf\xC3\xA9_\xE2\x82\xAC")), std::string::npos);
}

}  // namespace
