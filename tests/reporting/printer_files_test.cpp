// The files the printer leaves behind: the flag file, the renamed earlier report and the report itself.
// Failing file operations are swept in file_errors_test.cpp.
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

TEST_F(PrinterFiles, WithoutRenameAtStartAnotherFlagFileKeepsTheEarlierReport) {
  fs::create_directories(kDir);
  testsupport::WriteFile(kDir + "special_flag_file_1.dat", "\n");
  testsupport::WriteFile(kPreviousReport, "earlier");
  NewPrinter(false);
  EXPECT_EQ(testsupport::ReadFile(kPreviousReport), "earlier");
}

}  // namespace
