// Whichever file operation of the printer fails, with a full disk or a failing device, the report is either whole
// and the same as without the failure, or absent with standard error naming the file and the reason: never
// partial, never an earlier run's, never a crash. The diagnostics beside it hold the same.
#include "reporting/fileerrorinjection.h"
#include "reporting/findingsrecordingprinter.h"
#include "printerfiles.h"
#include "support/files.h"
#include "support/scratchdir.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <system_error>

namespace {

using namespace printertest;
namespace fs = std::filesystem;

// A leftover of this process from an earlier printer, which the clean-up removes at start.
const std::string kLeftover = kReport + ".partial";

std::optional<std::string> Contents(const std::string& path) {
  if (!testsupport::FileExists(path)) return std::nullopt;
  return testsupport::ReadFile(path);
}

struct Life {
  std::optional<std::string> report;
  std::optional<std::string> diagnostics;
  std::string errors;
  long operations = 0;
};

// A printer's life after an earlier run's, with a report long enough that its entries wait in a temporary file,
// the failAt-th file operation failing with the error (0: none).
Life Live(long failAt, std::errc error) {
  fs::remove_all("scons-out");
  fs::create_directories(kDir);
  testsupport::WriteFile(kPreviousReport, "<testsuites> of an earlier run");
  testsupport::WriteFile(kLeftover, "<testsuites");
  ::testing::internal::CaptureStderr();
  Varnel::InjectFileErrorAt(failAt, error);
  {
    Varnel::FindingsRecordingPrinter printer(NewPrinter());
    for (const char* suite : {"first.vn4", "second.vn4", "third.vn4"}) {
      printer.BeginSuite(suite);
      printer.BeginDataFile(std::string("/data/") + suite + " P01.txt");
      for (int i = 0; i < 300; ++i) {
        printer.ReportPass("passed");
        printer.ReportFailure("failed", "subject", "location:1", std::string(400, 'm'));
        printer.AddFinding("found");
      }
    }
  }
  Life life;
  life.operations = Varnel::FileOperationsCounted();
  life.errors = ::testing::internal::GetCapturedStderr();
  life.report = Contents(kReport);
  life.diagnostics = Contents(kDiagnostics);
  return life;
}

bool Tells(const std::string& errors, const std::string& path, const std::string& reason) {
  return errors.find("failed to write to the file " + path) != std::string::npos &&
         errors.find(reason) != std::string::npos;
}

TEST(FileErrors, AnyFailingFileOperationLeavesTheWholeReportOrNoneAndSaysWhy) {
  testsupport::ScratchDir scratch;
  const Life clean = Live(0, std::errc());
  ASSERT_TRUE(clean.report && clean.diagnostics) << clean.errors;
  EXPECT_EQ(clean.errors, "");
  EXPECT_GT(clean.report->size(), Varnel::SpillingBuffer::kMemoryLimit);
  EXPECT_FALSE(testsupport::FileExists(kLeftover));
  // Written without the report, the diagnostics say it was not.
  Varnel::ContentDigest digest;
  digest.Add(clean.report->data(), clean.report->size());
  const std::string vouching = Varnel::DiagnosticsStamp{"", "", digest}.Lines().substr(11);
  std::string withoutReport = *clean.diagnostics;
  ASSERT_NE(withoutReport.find(vouching), std::string::npos);
  withoutReport.replace(withoutReport.find(vouching), vouching.size(), "report: not written\n");

  for (long failAt = 1;; ++failAt) {
    const std::errc error = failAt % 2 == 0 ? std::errc::no_space_on_device : std::errc::io_error;
    const Life faulty = Live(failAt, error);
    if (faulty.operations < failAt) break;
    ASSERT_LE(failAt, clean.operations);
    const std::string reason = std::make_error_code(error).message();
    const std::string round = "file operation " + std::to_string(failAt) + " failed: " + faulty.errors;
    // Every failure is told, but a leftover that could not be removed: it stays, harming nothing.
    EXPECT_TRUE(!faulty.errors.empty() || testsupport::FileExists(kLeftover)) << round;
    if (faulty.report) {
      EXPECT_EQ(*faulty.report, *clean.report) << round;
    } else {
      EXPECT_TRUE(Tells(faulty.errors, kReport, reason)) << round;
    }
    if (faulty.diagnostics) {
      EXPECT_EQ(*faulty.diagnostics, faulty.report ? *clean.diagnostics : withoutReport) << round;
    } else {
      EXPECT_TRUE(Tells(faulty.errors, kDiagnostics, reason)) << round;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(kDir)) {
      const std::string path = kDir + entry.path().filename().string();
      EXPECT_TRUE(path.find(".partial") == std::string::npos || path == kLeftover) << path << " stays; " << round;
    }
  }
}

}  // namespace
