// Broken data files run through the plug-in for a registered experiment that cannot be kept in the faulty corpus
// (a missing file, files of a mebibyte, names some file systems refuse): each gets a defined outcome in the
// report, and the report stays well-formed and valid.
#include "support/files.h"
#include "support/pluginhost.h"
#include "support/report.h"
#include "support/scratchdir.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using testsupport::Outcome;
using Outcomes = std::vector<std::string>;

// The loop-guard experiment has one check and no duration windows, so what a file does to the road shows plainly.
const std::string kExperiment = "2012_3_16_tessel_2670_loop_guard_block_level.vn6";
const std::vector<std::string> kEvents = {"event 1", "event 2", "event 1", "event 2", "event 1", "event 3"};

// A data file that the verifier accepts; given a size, the last cell of its first row pads it to that many bytes.
std::string GoodFile(size_t paddedTo = 0) {
  std::string text =
      "P01\nloop guard\n2026-12-06 10:15:42\nData file\n"
      "Block\tTrial\tEvent\tCumulative\tExpansion Time(ms): 80\tPadding\nName\tName\tName\tTime\t\t\n";
  std::vector<std::string> rows;
  size_t size = text.size();
  for (size_t row = 0; row < kEvents.size(); ++row) {
    rows.push_back("b1\tt1\t" + kEvents[row] + "\t" + std::to_string(500 * (row + 1)) + "\t\t");
    size += rows.back().size() + 1;
  }
  if (paddedTo > size) rows[0] += std::string(paddedTo - size, 'p');
  for (const std::string& row : rows) text += row + "\n";
  return text;
}

Outcomes AllPass(const std::string& lastTime = "3000") {
  return {"pass VerifyDatafile_was_called_for_" + kExperiment, "pass The_loop_guard_works",
          "pass __TIMING__TRACKING__" + kExperiment + "__" + lastTime + "_ms",
          "pass __EXPANSION__TRACKING__" + kExperiment + "__80_ms"};
}

Outcomes Unreadable(const std::string& namePart) {
  return {"pass VerifyDatafile_was_called_for_" + kExperiment,
          "FAIL open_and_parse_" + namePart +
              " | this datafile was not open-able/parse-able | Whichever/File/Focuses/On/Verifying/"
              "CommonTestHelperLogic_GetReaderOrElseLogAnError:49 | unable to construct a "
              "MUExperimentTextReaderMultiFile for this datafile"};
}

// Runs the bytes (none: no file at all) under the file name through the plug-in; the outcomes of the suite named.
Outcomes RunAs(const std::string& fileName, const std::string* bytes, const std::string& suite = kExperiment) {
  testsupport::ScratchDir scratch;
  if (bytes != nullptr) testsupport::WriteFile(scratch.File(fileName), *bytes);
  Outcomes outcomes;
  for (const Outcome& outcome : testsupport::RunThroughPlugin({scratch.File(fileName)}).OfSuite(suite))
    outcomes.push_back(Describe(outcome));
  return outcomes;
}

TEST(BadInputs, GetADefinedOutcomeInAValidReport) {
  const std::string overLimit = GoodFile(1048577), longLine = GoodFile(1048000), good = GoodFile();
  EXPECT_EQ(RunAs(kExperiment + " missing.txt", nullptr), Unreadable(kExperiment + " missing"));
  EXPECT_EQ(RunAs(kExperiment + " over limit.txt", &overLimit), Unreadable(kExperiment + " over limit"));
  EXPECT_EQ(RunAs(kExperiment + " long line.txt", &longLine), AllPass());
  // XML special characters and blanks in the file name, of a known and of an unknown experiment.
  EXPECT_EQ(RunAs(kExperiment + " P&01 <\"'> ]]>.txt", &good), AllPass());
  EXPECT_EQ(
      RunAs("Other & <Exp> \"x\" ]]>.txt", &good, "DefaultInitialTestSuite_ConcreteFakeJUnitPrinter").back(),
      "FAIL locating_verifier_for_Other & <Exp> \"x\" ]]> | no logic was found to test this datafile. one cause "
      "could be DUPLICATE NAMES of datafiles | Whichever/File/Focuses/On/Verifying/DataHookOutputTestingPlugin:162 "
      "| we should have found something mapped by name. it should have registered via "
      "DataHookOutputTestingPlugin::RegisterOneSingleVerifier");
}

}  // namespace
