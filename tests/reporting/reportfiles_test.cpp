#include "reporting/reportfiles.h"
#include "tests/support/files.h"
#include "tests/support/scratchdir.h"
#include <filesystem>
#include <gtest/gtest.h>

namespace {

#ifdef _WIN32
const std::string kLineEnd = "\r\n";
#else
const std::string kLineEnd = "\n";
#endif

// The report is replaced in one step, also where a plain rename refuses an existing target (Windows).
TEST(ReportFiles, AnExistingReportIsReplacedWholeWithTheNativeLineEnd) {
  testsupport::ScratchDir scratch;
  testsupport::WriteFile("r.xml", "an earlier report, longer than the new one\n");
  ASSERT_TRUE(Varnel::WriteLinesAtomically("r.xml", {"a", wxString::FromUTF8("b\xF0\x9F\x98\x80")}));
  EXPECT_EQ(testsupport::ReadFile("r.xml"), "a" + kLineEnd + "b\xF0\x9F\x98\x80" + kLineEnd);
  EXPECT_FALSE(testsupport::FileExists("r.xml.partial"));
}

TEST(ReportFiles, ATargetThatCannotBeReplacedIsToldAndNoPartialFileStays) {
  testsupport::ScratchDir scratch;
  std::filesystem::create_directory("r.xml");  // no file can take a directory's place
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(Varnel::WriteLinesAtomically("r.xml", {"a"}));
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(errors.find("FakeJUnitPrinter failed to write to the file r.xml"), std::string::npos) << errors;
  EXPECT_FALSE(testsupport::FileExists("r.xml.partial"));
}

}  // namespace
