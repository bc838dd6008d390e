// Every golden data file, run through the plug-in as the host runs it, reaches its verifier and passes.
#include "tests/support/files.h"
#include "tests/support/pluginhost.h"
#include "tests/support/report.h"
#include "tests/support/scratchdir.h"
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using testsupport::Outcome;

std::vector<std::string> GoldenFiles() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(testsupport::TestData("golden"))) {
    if (entry.is_regular_file() && entry.path().extension() == ".txt") names.push_back(entry.path().filename());
  }
  std::sort(names.begin(), names.end());
  return names;
}

class GoldenCorpus : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenCorpus, ReachesItsVerifierAndPassesEveryCheck) {
  testsupport::ScratchDir scratch;
  testsupport::PluginHost host;
  host.PerformPostProcessingWithAreasBeside(testsupport::TestData("golden/" + GetParam()));
  const std::string reportPath = host.ReleaseTestPrinter();
  const testsupport::Report report = testsupport::ReadReport(reportPath);

  // The default suite, then the verifier's own suite with at least its call pass and a check.
  ASSERT_GE(report.outcomes.size(), 4u);
  const std::string suite = report.outcomes.back().suite;
  EXPECT_EQ(GetParam().rfind(suite, 0), 0u) << "suite " << suite << " is not the experiment of " << GetParam();
  EXPECT_EQ(report.outcomes[2].name, "VerifyDatafile_was_called_for_" + suite);
  for (const Outcome& outcome : report.outcomes) EXPECT_FALSE(outcome.failed) << Describe(outcome);
  EXPECT_EQ(report.failures, 0);
  EXPECT_EQ(testsupport::SchemaErrors(reportPath), "");
}

INSTANTIATE_TEST_SUITE_P(EveryGoldenFile, GoldenCorpus, ::testing::ValuesIn(GoldenFiles()),
                         [](const ::testing::TestParamInfo<std::string>& generated) {
                           std::string name = generated.param.substr(0, generated.param.find(' '));
                           std::replace_if(
                               name.begin(), name.end(), [](char c) { return !std::isalnum(c); }, '_');
                           return name + "_" + std::to_string(generated.index);
                         });

}  // namespace
