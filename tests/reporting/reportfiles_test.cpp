#include "reporting/concretefakejunitprinter.h"
#include "reporting/atomicfilewriter.h"
#include "reporting/reportfiles.h"
#include "support/files.h"
#include "support/scratchdir.h"
#include "support/system.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <wx/utils.h>

namespace {

const std::string kLineEnd = testsupport::kNativeLineEnd;

// The report is replaced in one step, also where a plain rename refuses an existing target (Windows).
TEST(ReportFiles, AnExistingFileIsReplacedWhole) {
  testsupport::ScratchDir scratch;
  testsupport::WriteFile("r.xml", "an earlier report, longer than the new one\n");
  ASSERT_TRUE(Varnel::WriteFileAtomically("r.xml", "a\nb\xF0\x9F\x98\x80\n"));
  EXPECT_EQ(testsupport::ReadFile("r.xml"), "a\nb\xF0\x9F\x98\x80\n");
  EXPECT_FALSE(testsupport::FileExists(Varnel::TemporaryPathFor("r.xml").utf8_string()));
}

TEST(ReportFiles, ATargetThatCannotBeReplacedIsToldAndNoPartialFileStays) {
  testsupport::ScratchDir scratch;
  std::filesystem::create_directory("r.xml");  // no file can take a directory's place
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(Varnel::WriteFileAtomically("r.xml", "a\n"));
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find("FakeJUnitPrinter failed to write to the file r.xml"), std::string::npos) << errors;
  EXPECT_FALSE(testsupport::FileExists(Varnel::TemporaryPathFor("r.xml").utf8_string()));
}

// Every entry of the report ends with the platform's line end; the line feed inside the header entry stays.
TEST(ReportFiles, TheReportsEntriesEndWithTheNativeLineEnd) {
  testsupport::ScratchDir scratch;
  { Varnel::ConcreteFakeJUnitPrinter printer("Run", "out", true); }
  const std::string report =
      testsupport::ReadFile("./scons-out/opt/tests/out/Run_" + std::to_string(wxGetProcessId()) + ".xml");
  EXPECT_EQ(report.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<testsuites tests=\"0\"", 0), 0u) << report;
  EXPECT_EQ(report.find("name=\"AllTests\">" + kLineEnd), report.find("name=\"AllTests\">")) << report;
  EXPECT_EQ(report.substr(report.size() - 13 - kLineEnd.size()), "</testsuites>" + kLineEnd);
}

}  // namespace
