// The host may load and unload the plug-in many times in one process: every cycle must work, write its report
// and give its memory back.
#include "support/files.h"
#include "support/pluginhost.h"
#include "support/report.h"
#include "support/scratchdir.h"
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

const std::string kGoldenFile = "golden/2012_3_16_tessel_2670_loop_guard_block_level.vn6 P01.txt";
const std::string kSuite = "2012_3_16_tessel_2670_loop_guard_block_level.vn6";

// The first line of the file that holds the text, or "" when none does.
std::string LineWith(const char* path, const std::string& text) {
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    if (line.find(text) != std::string::npos) return line;
  }
  return "";
}

bool PluginIsMapped() { return !LineWith("/proc/self/maps", "dh-AutomatedTesting.so").empty(); }

long ResidentKiB() { return std::stol(LineWith("/proc/self/status", "VmRSS:").substr(6)); }

bool Sanitized() { return std::getenv("DH_SANITIZED_RUN") != nullptr; }

TEST(LoadUnload, TwoHundredCyclesEachWriteTheirReportAndMemoryLevelsOff) {
  testsupport::ScratchDir scratch;
  const int cycles = 200;
  long residentAfterWarmUp = 0;
  for (int cycle = 1; cycle <= cycles; ++cycle) {
    std::remove(testsupport::ReportPath().c_str());
    {
      testsupport::PluginHost host;
      host.PerformPostProcessing(testsupport::TestData(kGoldenFile));
      const testsupport::Report report = testsupport::ReadReport(host.ReleaseTestPrinter());
      ASSERT_EQ(report.OfSuite(kSuite).size(), 4u) << "cycle " << cycle;
      ASSERT_EQ(report.failures, 0) << "cycle " << cycle;
    }
    ASSERT_FALSE(PluginIsMapped()) << "the library stayed loaded after cycle " << cycle;
    if (cycle == 20) residentAfterWarmUp = ResidentKiB();
  }
  const long growth = ResidentKiB() - residentAfterWarmUp;
  RecordProperty("ResidentGrowthKiB", std::to_string(growth));
  std::cout << "resident memory grew by " << growth << " KiB over " << cycles - 20 << " cycles\n";
  // The allocator keeps some pages; a leak of even a few KiB per cycle would show as megabytes here.
  if (!Sanitized()) {
    EXPECT_LT(growth, 2048);
  }
}

TEST(LoadUnload, UnloadingWithoutAReleaseStillWritesTheReport) {
  testsupport::ScratchDir scratch;
  testsupport::PluginHost host;
  host.PerformPostProcessing(testsupport::TestData(kGoldenFile));
  host.OnHostAssertionFailure("host.cpp(12): assertion");
  std::remove(testsupport::ReportPath().c_str());
  host.Unload();
  const testsupport::Report report = testsupport::ReadReport(testsupport::ReportPath());
  EXPECT_EQ(report.OfSuite(kSuite).size(), 5u) << "the host assertion lands in the suite begun last";
  EXPECT_EQ(report.failures, 1);
}

}  // namespace
