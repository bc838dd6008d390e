#include "tests/verifiers/faultycorpus.h"
#include "tests/support/pluginhost.h"
#include "tests/support/report.h"
#include "tests/support/scratchdir.h"
#include "verifiers/framework/hostnames.h"
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace faultycorpus {

using testsupport::Outcome;

ExpectedFailure Duration(const std::string& what, const std::string& suite, int min, int max, int value) {
  return {what + "_duration_" + suite, what + " duration is weird. Too short or too long (see details below).", 237,
          "Expected a duration between " + std::to_string(min) + " and " + std::to_string(max) +
              ". Instead, we got a duration of " + std::to_string(value) + "."};
}

ExpectedFailure TooManyCells() {
  return {"Correct_quantity_of_data_cells", "Too many data cells. More than expected.", 89, "No extra info."};
}

ExpectedFailure TooFewCells() {
  return {"Correct_quantity_of_data_cells", "Too few data cells. Fewer than expected.", 98, "No extra info."};
}

ExpectedFailure OrderMismatch(int row, const std::string& expected) {
  return {"Data_appears_completely_and_in_order", "Mismatch in the ordering of data cells in datafile.", 144,
          "At datafile row index " + std::to_string(row) + " we expected {" + expected +
              "}, but that was not the actual content."};
}

void ExpectExactFailures(const FaultyCase& c) {
  setenv(Varnel::kHostNameOverrideVariable, "plain-workstation", 1);
  testsupport::ScratchDir scratch;
  testsupport::PluginHost host;
  host.PerformPostProcessing(testsupport::TestData("faulty/" + c.file));
  const testsupport::Report report = testsupport::ReadReport(host.ReleaseTestPrinter());
  unsetenv(Varnel::kHostNameOverrideVariable);

  std::vector<Outcome> failures;
  for (const Outcome& outcome : report.OfSuite(c.suite)) {
    if (outcome.failed) failures.push_back(outcome);
  }
  std::string actualList;
  for (const Outcome& failure : failures) actualList += Describe(failure) + "\n";
  ASSERT_EQ(failures.size(), c.failures.size()) << c.file << " reported:\n" << actualList;
  for (size_t i = 0; i < failures.size(); ++i) {
    const ExpectedFailure& f = c.failures[i];
    const Outcome expected{c.suite, f.name, true, f.subject,
                           "Whichever/File/Focuses/On/Verifying/" + c.suite + ":" + std::to_string(f.line), f.message};
    EXPECT_EQ(failures[i], expected) << Describe(failures[i]) << "\nexpected\n" << Describe(expected);
  }
  EXPECT_EQ(report.failures, static_cast<int>(c.failures.size())) << "no failure outside the verifier's suite";
}

std::string CaseName(const FaultyCase& c) {
  std::string name = c.file;
  std::replace_if(name.begin(), name.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
  return name;
}

}  // namespace faultycorpus
