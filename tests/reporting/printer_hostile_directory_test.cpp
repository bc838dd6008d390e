// Others may write to the report directory: links planted there and leftovers of killed writers must never make
// the printer write elsewhere or leave a report that is not its own.
#include "reporting/findingsrecordingprinter.h"
#include "reporting/reportfiles.h"
#include "printerfiles.h"
#include "support/files.h"
#include "support/scratchdir.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace printertest;
using testsupport::ReadFile;
using testsupport::WriteFile;
namespace fs = std::filesystem;

std::string Temporary(const std::string& path) { return Varnel::TemporaryPathFor(path).utf8_string(); }

bool Present(const std::string& path) { return fs::exists(fs::symlink_status(path)); }

class HostileDirectory : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directories(kDir); }
  testsupport::ScratchDir scratch_;
};

TEST_F(HostileDirectory, LinksPlantedAtEveryPathTheWriterTouchesAreNeverFollowed) {
  const std::vector<std::vector<std::string>> plantings = {
      {Temporary(kReport), Temporary(kFlag), Temporary(kDiagnostics)},
      {kReport, kFlag, kDiagnostics},
      {kPreviousReport}};
  for (const auto& planted : plantings) {
    // One target exists outside the directory, the others do not: none may be written or created.
    WriteFile(scratch_.File("outside.txt"), "untouched");
    for (const std::string& path : planted) {
      fs::create_symlink(scratch_.File(path == planted.front() ? "outside.txt" : "created.txt"), path);
    }
    {
      Varnel::FindingsRecordingPrinter printer(NewPrinter());
      printer.ReportPass("p");
    }
    EXPECT_EQ(ReadFile(scratch_.File("outside.txt")), "untouched") << planted.front();
    EXPECT_FALSE(Present(scratch_.File("created.txt"))) << planted.front();
    for (const std::string& written : {kReport, kFlag, kDiagnostics}) EXPECT_FALSE(fs::is_symlink(written)) << written;
    EXPECT_NE(ReadFile(kReport).find("test001p"), std::string::npos) << planted.front();
    EXPECT_NE(ReadFile(kDiagnostics).find("\ninstance: "), std::string::npos) << planted.front();
    EXPECT_EQ(ReadFile(kFlag), "\n");
    for (const std::string& written : {kReport, kFlag, kDiagnostics}) EXPECT_FALSE(Present(Temporary(written)));
    fs::remove_all(kDir);
    fs::create_directories(kDir);
  }
}

// Only the printer's own names are cleaned up: those of processes no longer running and this instance's own.
TEST_F(HostileDirectory, LeftoversOfWritersNoLongerRunningAreRemovedAtStartAndNothingElse) {
  const pid_t goneId = fork();
  ASSERT_GE(goneId, 0);
  if (goneId == 0) _exit(0);
  waitpid(goneId, nullptr, 0);
  const std::string gone = testsupport::ReportPathOf(goneId);
  const std::string goneFlag = kDir + "special_flag_file_" + std::to_string(goneId);
  const std::string token = ".0123456789abcdef.partial";
  const std::string goneEntries = kDir + kRunName + "_" + std::to_string(goneId) + ".entries";
  const std::vector<std::string> leftovers = {gone + ".partial",   gone + token,         goneFlag + ".dat" + token,
                                              goneEntries + token, kReport + ".partial", Temporary(kReport)};
  // Another instance of this process id (another container) or a process still running may be writing; the
  // rest are not the printer's names at all.
  const std::vector<std::string> kept = {
      kReport + token, kDir + "special_flag_file_" + std::to_string(getppid()) + ".dat.partial",
      kDir + "upload_99999.tar.partial", kDir + "other-tool-run4000000.partial", gone + ".bak.partial",
      gone + ".0123456789ABCDEF.partial", goneFlag + ".txt.partial", goneFlag + "x.dat.partial",
      // Past any process id, though its low 32 bits are the gone one's; a sign before the digits.
      kDir + kRunName + "_" + std::to_string((1ULL << 32) + goneId) + ".xml.partial",
      kDir + kRunName + "_+" + std::to_string(goneId) + ".xml.partial"};
  for (const auto& paths : {leftovers, kept}) {
    for (const std::string& path : paths) WriteFile(path, "<testsuites");
  }
  {
    // Asked while the printer lives: at its end it writes its own files, which would hide a leftover of its own.
    const auto printer = NewPrinter();
    for (const std::string& path : leftovers) EXPECT_FALSE(Present(path)) << path;
    for (const std::string& path : kept) EXPECT_TRUE(Present(path)) << path;
  }

  // Through a report directory that is a link, another directory is never cleaned up.
  fs::remove_all(kDir);
  fs::create_directories(scratch_.File("elsewhere"));
  fs::create_directory_symlink(scratch_.File("elsewhere"), kDir.substr(0, kDir.size() - 1));
  WriteFile(scratch_.File("elsewhere/") + leftovers.front().substr(kDir.size()), "<testsuites");
  NewPrinter();
  EXPECT_TRUE(Present(leftovers.front()));
}

}  // namespace
