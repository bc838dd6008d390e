// Every golden data file, run through the plug-in as the host runs it, reaches its verifier and passes.
#include "tools/hostkit/stimareafile.h"
#include "tests/support/files.h"
#include "tests/support/pluginhost.h"
#include "tests/support/report.h"
#include "tests/support/scratchdir.h"
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>

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

// The stimulus areas the host hands over with a golden file, kept beside it as "<name without .txt>.stimareas".
// Null when there is no such file.
std::unique_ptr<Varnel::StimAreaList> StimAreasBeside(const std::string& goldenFile) {
  const fs::path path = fs::path(testsupport::TestData("golden/" + goldenFile)).replace_extension(".stimareas");
  if (!fs::exists(path)) return nullptr;
  auto areas = std::make_unique<Varnel::StimAreaList>();
  std::string error;
  EXPECT_TRUE(hostkit::ReadStimAreaFile(path.string(), *areas, error)) << error;
  return areas;
}

class GoldenCorpus : public ::testing::TestWithParam<std::string> {};

TEST_P(GoldenCorpus, ReachesItsVerifierAndPassesEveryCheck) {
  testsupport::ScratchDir scratch;
  testsupport::PluginHost host;
  const std::unique_ptr<Varnel::StimAreaList> stimAreas = StimAreasBeside(GetParam());
  host.PerformPostProcessing(testsupport::TestData("golden/" + GetParam()), stimAreas.get());
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
