// Broken data files run through the plug-in for a registered experiment that cannot be kept in the faulty corpus
// (a missing file, files of a mebibyte, names some file systems refuse): each gets a defined outcome in the
// report, and the report stays well-formed and valid.
#include "tests/support/files.h"
#include "tests/support/pluginhost.h"
#include "tests/support/report.h"
#include "tests/support/scratchdir.h"
#include <cctype>
#include <functional>
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

struct BadInput {
  std::string description;
  std::string fileName;                               // in the scratch directory
  std::function<void(const std::string& path)> make;  // writes the file (or leaves it missing)
  std::function<Outcomes()> expected;                 // the outcomes of the experiment's suite
};

std::string DataFileName(const std::string& what) { return kExperiment + " " + what + ".txt"; }

void Write(const std::string& path, const std::string& bytes) { testsupport::WriteFile(path, bytes); }

const std::vector<BadInput>& Table() {
  static const std::vector<BadInput> table = {
      {"missing path", DataFileName("missing"), [](const std::string&) {},
       [] { return Unreadable(kExperiment + " missing"); }},
      {"one byte over the size limit", DataFileName("over limit"),
       [](const std::string& p) { Write(p, GoodFile(1048577)); },
       [] { return Unreadable(kExperiment + " over limit"); }},
      {"one line of almost 1 MiB", DataFileName("long line"), [](const std::string& p) { Write(p, GoodFile(1048000)); },
       [] { return AllPass(); }},
      {"XML special characters and blanks in the file name", kExperiment + " P&01 <\"'> ]]>.txt",
       [](const std::string& p) { Write(p, GoodFile()); }, [] { return AllPass(); }},
  };
  return table;
}

class BadInputs : public ::testing::TestWithParam<size_t> {};

TEST_P(BadInputs, GetADefinedOutcomeInAValidReport) {
  const BadInput& input = Table()[GetParam()];
  testsupport::ScratchDir scratch;
  const std::string path = scratch.File(input.fileName);
  input.make(path);
  testsupport::PluginHost host;
  host.PerformPostProcessing(path);
  const std::string reportPath = host.ReleaseTestPrinter();
  const testsupport::Report report = testsupport::ReadReport(reportPath);

  Outcomes actual;
  for (const Outcome& outcome : report.OfSuite(kExperiment)) actual.push_back(Describe(outcome));
  EXPECT_EQ(actual, input.expected()) << input.description;
  EXPECT_EQ(testsupport::SchemaErrors(reportPath), "") << input.description;
}

INSTANTIATE_TEST_SUITE_P(EveryKind, BadInputs, ::testing::Range<size_t>(0, Table().size()),
                         [](const ::testing::TestParamInfo<size_t>& generated) {
                           std::string name = Table()[generated.param].description;
                           for (char& c : name) {
                             if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                           }
                           return name;
                         });

TEST(BadInputNames, UnknownExperimentWithSpecialCharactersIsReportedReadably) {
  testsupport::ScratchDir scratch;
  const std::string path = scratch.File("Other & <Exp> \"x\" ]]>.txt");
  testsupport::WriteFile(path, GoodFile());
  testsupport::PluginHost host;
  host.PerformPostProcessing(path);
  const std::string reportPath = host.ReleaseTestPrinter();
  const testsupport::Report report = testsupport::ReadReport(reportPath);
  ASSERT_EQ(report.outcomes.size(), 3u);
  EXPECT_EQ(report.outcomes[2].name, "locating_verifier_for_Other & <Exp> \"x\" ]]>");
  EXPECT_EQ(testsupport::SchemaErrors(reportPath), "");
}

}  // namespace
