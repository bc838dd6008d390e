// The diagnostics beside the report: they leave the report's bytes alone, say what was found for every failure,
// and stay bounded whatever the data file held.
#include "reporting/findingsrecordingprinter.h"
#include "printerfiles.h"
#include "support/files.h"
#include "support/scratchdir.h"
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <wx/utils.h>

namespace {

using namespace printertest;
using Varnel::FakeJUnitPrinter;
using Varnel::FindingsRecordingPrinter;
using Varnel::FindingsSink;

// The same outcomes for every printer, with findings and data files that only the diagnostics may show.
void Feed(FakeJUnitPrinter& printer) {
  printer.BeginDataFile("/data/x.vn4 one.txt");
  printer.BeginSuite("x.vn4");
  printer.AddFinding("before any failure: belongs to none");
  printer.ReportPass("VerifyDatafile_was_called_for_x.vn4");
  printer.ReportFailure("Correct_quantity_of_data_cells", "Too many data cells. More than expected.", "loc:89",
                        "No extra info.");
  printer.AddFinding("found 12 data rows, expected 10");
  printer.ReportFailure("Quiet_check", "s", "loc:1", "m");
  printer.BeginDataFile(wxString());
  printer.ReportFailure("TestingPluginDH_AssertionFailure_00001", "s", "loc:2", "host text");
}

std::string Diagnostics(const char* runName) {
  return testsupport::ReadFile(kDir + runName + "_" + kPid + ".diagnostics.txt");
}

TEST(Findings, ReportBytesAreThoseOfThePlainPrinterAndDiagnosticsSayWhatWasFound) {
  testsupport::ScratchDir scratch;
  Feed(*NewPrinter(true, "Plain"));
  wxSetEnv(Varnel::kHostInstanceVariable, "not-a-token");  // not repeated: the stamp keeps its shape
  {
    FindingsRecordingPrinter recording(NewPrinter(true, "Recording"));
    Feed(recording);
  }
  wxUnsetEnv(Varnel::kHostInstanceVariable);
  EXPECT_EQ(testsupport::ReadFile(kDir + "Recording_" + kPid + ".xml"),
            testsupport::ReadFile(kDir + "Plain_" + kPid + ".xml"));
  // The stamp first: this instance and the digest of the report's bytes.
  const std::string report = testsupport::ReadFile(kDir + "Recording_" + kPid + ".xml");
  Varnel::DiagnosticsStamp stamp{Varnel::ProcessInstanceToken(), "", Varnel::ContentDigest()};
  stamp.report->Add(report.data(), report.size());
  // Then every suite and failure with its data file and findings, as kept in the test data.
  EXPECT_EQ(Diagnostics("Recording"),
            "version: dh-AutomatedTesting " DH_VERSION "\n" + stamp.Lines() +
                testsupport::ReadFile(testsupport::TestData("reporting/findings-diagnostics.txt")));
  EXPECT_FALSE(testsupport::FileExists(kDir + "Plain_" + kPid + ".diagnostics.txt")) << "only the recording one";
}

struct BoundCase {
  std::string input;
  std::string shown;
};

TEST(Findings, TextsAreOneBoundedLineWithControlCharactersShown) {
  const std::string row(1 << 20, 'r');
  const BoundCase cases[] = {
      {"plain", "plain"},
      {"tab\there\nline\x7f\r", "tab\\x09here\\x0Aline\\x7F\\x0D"},
      // Line and paragraph separators and C1 controls, at which some readers end a line; other characters pass.
      {"a\u0085b\u2028c\u2029d\u009Fe\u00A0f\u202A\U0001F600",
       "a\\u0085b\\u2028c\\u2029d\\u009Fe\u00A0f\u202A\U0001F600"},
      {row, std::string(FindingsSink::kMaxTextLength, 'r') +
                " [cut: " + std::to_string(row.size() - FindingsSink::kMaxTextLength) + " more characters]"},
  };
  for (const BoundCase& c : cases) {
    EXPECT_EQ(Varnel::BoundedLine(wxString::FromUTF8(c.input)), c.shown) << c.shown.substr(0, 40);
  }
}

TEST(Findings, FindingsAndLinesAreCappedWithAVisibleMark) {
  FindingsSink sink;
  sink.BeginSuite("s");
  sink.RecordFailure("many findings");
  for (std::size_t i = 0; i < FindingsSink::kMaxFindingsPerFailure + 3; ++i) sink.AddFinding("f");
  for (std::size_t i = 0; i < FindingsSink::kMaxLines; ++i) sink.RecordFailure("f");
  sink.AddFinding("of a failure not kept: belongs to none");
  const std::vector<std::string> lines = sink.Lines();
  EXPECT_EQ(lines[lines.size() - 2], "    found: this check has nothing to show beyond its message");
  EXPECT_LE(lines.size(), FindingsSink::kMaxLines + FindingsSink::kMaxFindingsPerFailure);
  EXPECT_EQ(lines[4 + FindingsSink::kMaxFindingsPerFailure], "    found: [cut: 3 more findings]");
  EXPECT_EQ(lines.back().rfind("[cut: ", 0), 0u) << lines.back();
}

}  // namespace
