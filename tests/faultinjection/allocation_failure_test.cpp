// Out of memory anywhere in one verification and its report never gives a green run: whichever allocation
// fails, the process goes on, and the outcome is a failure in a valid report or no report and a message
// saying so on standard error. The same holds for the dashboard JUnit report when it is switched on.
#include "datahookoutputtestingplugin.h"
#include "failingnew.h"
#include "reporting/concretefakejunitprinter.h"
#include "support/files.h"
#include "support/pluginhost.h"
#include "support/report.h"
#include "support/scratchdir.h"
#include <algorithm>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <stdexcept>
#include <string>

namespace {

using Varnel::ThePlugin;

// A small data file whose verifier passes every check, so that any failure comes from the fault.
const char kDataFile[] = "golden/2014-12-4_fail_to_present_block.vn5 P01.txt";
const char kWriteError[] = "FakeJUnitPrinter failed to write to the file";
// The diagnostics file and the dashboard report are written after the report: losing them says so.
const char kDiagnosticsError[] = "diagnostics";
const char kDashboardError[] = "dashboard JUnit report";
// Allocations tried, spread evenly over the host's calls and over the printer's release (which writes the
// report); each round flushes two files to disk, so the sample is kept small.
constexpr long kSamplesOfCalls = 40;
constexpr long kSamplesOfRelease = 25;

struct Round {
  long allocationsInCalls = 0;  // before the printer's release
  long allocationsInRelease = 0;
  bool written = false;
  testsupport::Report report;
  std::string errors;
  int dashboardFailures = -1;  // over every dashboard report written meanwhile; -1: none
};

std::string dashboardFolder;  // every round switches the dashboard report on

// One host session with the failAt-th allocation failing (0: none).
Round RunRound(long failAt, const std::function<void()>& calls) {
  std::remove(testsupport::ReportPath().c_str());
  for (const std::string& path : testsupport::DashboardReportsIn(dashboardFolder)) std::remove(path.c_str());
  Round round;
  ::testing::internal::CaptureStderr();
  failingnew::Arm(failAt);
  calls();
  round.allocationsInCalls = failingnew::Counted();
  ThePlugin().ReleaseTestPrinter();
  round.allocationsInRelease = failingnew::Disarm() - round.allocationsInCalls;
  round.errors = ::testing::internal::GetCapturedStderr();
  round.written = testsupport::FileExists(testsupport::ReportPath());
  if (round.written) round.report = testsupport::ReadReport(testsupport::ReportPath());
  for (const std::string& path : testsupport::DashboardReportsIn(dashboardFolder)) {
    round.dashboardFailures = std::max(round.dashboardFailures, 0) + testsupport::ReadReport(path).failures;
  }
  return round;
}

std::set<long> AllocationsToFail(const Round& clean) {
  std::set<long> chosen;
  failingnew::AddSpread(chosen, 1, clean.allocationsInCalls, kSamplesOfCalls);
  failingnew::AddSpread(chosen, clean.allocationsInCalls + 1, clean.allocationsInRelease, kSamplesOfRelease);
  return chosen;
}

// A failure the clean round did not have: more failures, or the step that was cut short.
bool ShowsTheFault(const testsupport::Report& report, int cleanFailures) {
  if (report.failures > cleanFailures) return true;
  return std::any_of(report.outcomes.begin(), report.outcomes.end(), [](const testsupport::Outcome& outcome) {
    return outcome.failed && outcome.name.rfind("unexpected_exception_in_", 0) == 0;
  });
}

void ExpectNeverGreen(const std::function<void()>& calls, int expectedFailures) {
  testsupport::ScratchDir scratch;
  dashboardFolder = scratch.File("dashboards");
  const testsupport::DashboardSwitchedOn switchedOn(dashboardFolder);
  ThePlugin().ReleaseTestPrinter();
  const Round clean = RunRound(0, calls);
  ASSERT_TRUE(clean.written) << clean.errors;
  ASSERT_EQ(clean.report.failures, expectedFailures) << clean.errors;
  ASSERT_GT(clean.allocationsInCalls, 0);
  ASSERT_EQ(clean.dashboardFailures, expectedFailures) << clean.errors;

  const std::set<long> chosen = AllocationsToFail(clean);
  std::size_t landed = 0;
  for (long failAt : chosen) {
    const Round faulty = RunRound(failAt, calls);
    // A round whose allocations ran out before the chosen one failed nothing: its report is rightly green.
    if (!failingnew::Failed()) continue;
    ++landed;
    // Written, the dashboard reports hold at least the clean round's failures; withheld, standard error says so.
    EXPECT_TRUE(faulty.dashboardFailures < 0 ? faulty.errors.find(kDashboardError) != std::string::npos
                                             : faulty.dashboardFailures >= expectedFailures)
        << "allocation " << failAt << " failed unnoticed in the dashboard report: " << faulty.errors;
    if (faulty.written) {
      // Losing the diagnostics or the dashboard report, written after it, leaves the report whole, and says so.
      const bool onlyOtherFileLost = (faulty.errors.find(kDiagnosticsError) != std::string::npos ||
                                      faulty.errors.find(kDashboardError) != std::string::npos) &&
                                     faulty.report.tests == clean.report.tests &&
                                     faulty.report.failures == clean.report.failures;
      EXPECT_TRUE(ShowsTheFault(faulty.report, expectedFailures) || onlyOtherFileLost)
          << "allocation " << failAt << " failed unnoticed";
    } else {
      EXPECT_NE(faulty.errors.find(kWriteError), std::string::npos) << "allocation " << failAt << ": " << faulty.errors;
    }
  }
  // Only allocations under the toolkit's own code are passed over.
  EXPECT_GT(landed, chosen.size() / 2);
  // The plug-in is whole afterwards.
  const Round after = RunRound(0, calls);
  EXPECT_TRUE(after.written);
  EXPECT_EQ(after.report.failures, expectedFailures);
}

// A verifier that passes a check and then throws: the failure the plug-in records for it must not get lost.
class ThrowingVerifier : public Varnel::Interface_SpecificIndividualTestVerifier {
  void VerifyDatafile(const wxString&, const Varnel::StimAreaList*, Varnel::FakeJUnitPrinter* printer) override {
    printer->ReportPass("before_the_throw");
    throw std::runtime_error("a check threw");
  }
} throwingVerifier;
const bool registered =
    (Varnel::DataHookOutputTestingPlugin::RegisterOneSingleVerifier({"throws.vn5", &throwingVerifier}), true);

TEST(AllocationFailure, DuringAVerificationAndItsReportNeverGivesAGreenRun) {
  const wxString path = wxString::FromUTF8(testsupport::TestData(kDataFile));
  const Varnel::StimAreaList noAreas;
  ExpectNeverGreen([&] { ThePlugin().PerformPostProcessing(path, &noAreas); }, 0);
}

TEST(AllocationFailure, WhileRecordingAnEscapedExceptionNeverLosesIt) {
  const wxString path = "/data/throws.vn5.txt";
  ExpectNeverGreen([&] { ThePlugin().PerformPostProcessing(path, nullptr); }, 1);
}

// Memory that runs out for good during a step leaves no printer to take the step's failure: the next printer's
// report, made once memory is back, is withheld, as is a printer's whose suite or test case could not be recorded.
TEST(AllocationFailure, AnOutcomeThatCouldNotBeRecordedWithholdsItsReport) {
  testsupport::ScratchDir scratch;
  ThePlugin().ReleaseTestPrinter();
  ::testing::internal::CaptureStderr();
  const wxString text = "lost";
  failingnew::Arm(1, false, true);
  ThePlugin().OnHostAssertionFailure(text);
  failingnew::Disarm();
  ThePlugin().PerformPostProcessing(wxString::FromUTF8(testsupport::TestData(kDataFile)), nullptr);
  ThePlugin().ReleaseTestPrinter();
  const std::function<void(Varnel::ConcreteFakeJUnitPrinter&)> steps[] = {
      [&](Varnel::ConcreteFakeJUnitPrinter& printer) { printer.BeginSuite(text); },
      [&](Varnel::ConcreteFakeJUnitPrinter& printer) { printer.ReportPass(text); }};
  std::vector<std::string> reports = {testsupport::ReportPath()};
  for (const auto& step : steps) {
    Varnel::ConcreteFakeJUnitPrinter printer("Run" + std::to_string(reports.size()), "out", true);
    reports.push_back(printer.ReportFilePath().utf8_string());
    failingnew::Arm(1);
    EXPECT_THROW(step(printer), std::bad_alloc);
    failingnew::Disarm();
  }
  const std::string errors = ::testing::internal::GetCapturedStderr();
  for (const std::string& report : reports) EXPECT_FALSE(testsupport::FileExists(report)) << report << errors;
}

TEST(AllocationFailure, WhileRecordingAHostAssertionNeverLosesIt) {
  const wxString text = "host.cpp(12): assertion failed";
  ExpectNeverGreen([&] { ThePlugin().OnHostAssertionFailure(text); }, 1);
}

}  // namespace
