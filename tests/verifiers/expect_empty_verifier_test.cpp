// The verifier that expects nothing of its file still reports its completion, and the stand-in run time only
// when the file has no rows to time.
#include "tests/support/pluginhost.h"
#include "tests/support/report.h"
#include "tests/support/scratchdir.h"
#include <gtest/gtest.h>

namespace {

using testsupport::Outcome;

const char kBasicInput[] = "basic_input_kestra_qd_singlekey_pst.vn4";

TEST(ExpectEmptyVerifier, ReadableFileGetsTheCompletionPassOnceAndNoStandInTime) {
  testsupport::ScratchDir scratch;
  testsupport::PluginHost host;
  host.PerformPostProcessing(testsupport::TestData("faulty/basic_input_kestra_qd_singlekey_pst.vn4 with rows.txt"));
  const std::vector<Outcome> outcomes = testsupport::ReadReport(host.ReleaseTestPrinter()).OfSuite(kBasicInput);
  ASSERT_EQ(outcomes.size(), 4u);
  EXPECT_EQ(outcomes[1].name, "basic_input_kestra_qd_singlekey_pst_completed");
  EXPECT_FALSE(outcomes[1].failed);
  for (const Outcome& outcome : outcomes) EXPECT_EQ(outcome.name.find("55555"), std::string::npos);
}

TEST(ExpectEmptyVerifier, EmptyFileGetsCompletionAndStandInTime) {
  testsupport::ScratchDir scratch;
  testsupport::PluginHost host;
  host.PerformPostProcessing(testsupport::TestData("golden/mac_input_settings_45_one.vn4 P01.txt"));
  const std::vector<Outcome> outcomes =
      testsupport::ReadReport(host.ReleaseTestPrinter()).OfSuite("mac_input_settings_45_one.vn4");
  ASSERT_EQ(outcomes.size(), 3u);
  EXPECT_EQ(outcomes[1].name, "mac_input_settings_45_one_completed");
  EXPECT_EQ(outcomes[2].name, "__TIMING__TRACKING__mac_input_settings_45_one.vn4__55555_ms");
}

}  // namespace
