// The files the printer leaves behind: the flag file, the renamed earlier report, and the report itself, also
// when the directory is missing. Failing file operations are swept in file_errors_test.cpp.
#include "reporting/reportfiles.h"
#include "printerfiles.h"
#include "support/files.h"
#include "support/scratchdir.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

using namespace printertest;
namespace fs = std::filesystem;

class PrinterFiles : public ::testing::Test {
 protected:
  testsupport::ScratchDir scratch_;
};

TEST_F(PrinterFiles, MissingDirectoryIsCreatedAndFlagFileHoldsOneEmptyLine) {
  auto printer = NewPrinter();
  EXPECT_EQ(testsupport::ReadFile(kFlag), "\n");
  EXPECT_EQ(printer->ReportFilePath().ToStdString(), kReport);
  EXPECT_FALSE(testsupport::FileExists(kReport)) << "nothing is written before the printer goes away";
  printer.reset();
  EXPECT_TRUE(testsupport::FileExists(kReport));
  EXPECT_TRUE(testsupport::FileExists(kFlag)) << "the flag file stays";
}

TEST_F(PrinterFiles, EarlierReportOfTheRunNameIsMovedToThisProcessName) {
  fs::create_directories(kDir);
  testsupport::WriteFile(kPreviousReport, "earlier");
  testsupport::WriteFile(kDir + "special_flag_file_1.dat", "\n");  // another process's: moved all the same
  auto printer = NewPrinter();
  EXPECT_FALSE(testsupport::FileExists(kPreviousReport));
  EXPECT_EQ(testsupport::ReadFile(kReport), "earlier");
  printer.reset();
  EXPECT_NE(testsupport::ReadFile(kReport), "earlier") << "the new report replaces the moved one";
}

TEST_F(PrinterFiles, MoveNeverOverwritesAnExistingReport) {
  fs::create_directories(kDir);
  testsupport::WriteFile(kPreviousReport, "earlier");
  testsupport::WriteFile(kReport, "mine");
  const auto printer = NewPrinter();
  EXPECT_EQ(testsupport::ReadFile(kPreviousReport), "earlier");
  EXPECT_EQ(testsupport::ReadFile(kReport), "mine");
}

TEST_F(PrinterFiles, WithoutRenameAtStartAnotherFlagFileKeepsTheEarlierReport) {
  fs::create_directories(kDir);
  testsupport::WriteFile(kDir + "special_flag_file_1.dat", "\n");
  testsupport::WriteFile(kPreviousReport, "earlier");
  NewPrinter(false);
  EXPECT_EQ(testsupport::ReadFile(kPreviousReport), "earlier");
}

TEST_F(PrinterFiles, SecondPrinterReplacesTheFirstReport) {
  NewPrinter()->ReportPass("first");
  NewPrinter()->ReportPass("second");
  const std::string report = testsupport::ReadFile(kReport);
  EXPECT_EQ(report.find("first"), std::string::npos);
  EXPECT_NE(report.find("test001second"), std::string::npos);
  EXPECT_FALSE(testsupport::FileExists(Varnel::TemporaryPathFor(kReport).utf8_string()));
}

}  // namespace
