// The corpus folders hold nothing that belongs to no data file, and the expectation writer refuses to write what
// would make a wrong outcome the expected one.
#include "tests/support/files.h"
#include "tests/support/pluginhost.h"
#include "tests/support/scratchdir.h"
#include "tests/verifiers/corpuscases.h"
#include <filesystem>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using namespace testsupport;

TEST(CorpusFolders, EveryFileBelongsToADataFile) {
  for (const std::string folder : {"golden", "faulty"}) {
    for (const auto& entry : fs::directory_iterator(TestData(folder))) {
      fs::path dataFile = entry.path();
      EXPECT_TRUE(fs::exists(dataFile.replace_extension(".txt"))) << entry.path() << " belongs to no data file";
    }
  }
}

TEST(ExpectationWriter, RefusesGoldenFilesThatFailOrReachNoVerifier) {
  const std::string loopGuard = "2012_3_16_tessel_2670_loop_guard_block_level.vn6 P01.txt";
  const std::string oneEventTooMany = ReadFile(TestData("golden/" + loopGuard)) + "b1\tt1\tevent 1\t3400\t\n";
  struct Case {
    std::string file, text, folder;
    bool refused;
  };
  const Case cases[] = {{"no_such_experiment.vn5 P01.txt", oneEventTooMany, "golden", true},
                        {"no_such_experiment.vn5 P01.txt", oneEventTooMany, "faulty", true},
                        {loopGuard, oneEventTooMany, "golden", true},
                        {loopGuard, oneEventTooMany, "faulty", false},
                        {loopGuard, ReadFile(TestData("golden/" + loopGuard)), "golden", false}};
  const ScratchDir scratch;
  for (const Case& c : cases) {
    fs::remove_all(scratch.File("out"));
    WriteFile(scratch.File(c.file), c.text);
    ::testing::TestPartResultArray failures;
    {
      const ::testing::ScopedFakeTestPartResultReporter capture(
          ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
      corpus::CheckDataFile(scratch.File(c.file), c.folder, scratch.File("out"));
    }
    const std::string written = scratch.File("out/" + c.folder + "/" + fs::path(c.file).stem().string() + ".expected");
    EXPECT_EQ(fs::exists(written), !c.refused) << c.file << " in " << c.folder;
    EXPECT_EQ(failures.size() > 0, c.refused) << c.file << " in " << c.folder;
    for (int i = 0; i < failures.size(); ++i) {
      const std::string message = failures.GetTestPartResult(i).message();
      EXPECT_TRUE(message.find("refused") != std::string::npos || message.find("closest") != std::string::npos)
          << message;
    }
  }
}

}  // namespace
