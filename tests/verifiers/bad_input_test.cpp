// Broken data files run through the plug-in for a registered experiment: each gets a defined outcome in the
// report, and the report stays well-formed and valid. Encodings, line ends and the exact size limit are the
// parser tests' rows; here are the inputs that reach the verifier or end it early.
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

// A data file that the verifier accepts, with room for extra columns.
struct GoodFile {
  std::vector<std::string> extraHeadings;                       // first heading row only
  std::function<std::string(size_t row)> extraCells = nullptr;  // text appended to each data row

  std::string Text() const {
    std::string headingOne = "Block\tTrial\tEvent\tCumulative\tExpansion Time(ms): 80";
    std::string headingTwo = "Name\tName\tName\tTime\t";
    for (const std::string& heading : extraHeadings) {
      headingOne += "\t" + heading;
      headingTwo += "\t";
    }
    std::string text = "P01\nloop guard\n2026-12-06 10:15:42\nData file\n" + headingOne + "\n" + headingTwo + "\n";
    for (size_t row = 0; row < kEvents.size(); ++row) {
      text += "b1\tt1\t" + kEvents[row] + "\t" + std::to_string(500 * (row + 1)) + "\t";
      if (extraCells) text += "\t" + extraCells(row);
      text += "\n";
    }
    return text;
  }
};

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

// A readable file whose contents are not the experiment's: the check and both timing records fail.
Outcomes ReadableGarbage() {
  const std::string at = " | Whichever/File/Focuses/On/Verifying/" + kExperiment + ":";
  return {"pass VerifyDatafile_was_called_for_" + kExperiment,
          "FAIL The_loop_guard_works | Something bad happened instead." + at +
              "92 | Can we even get this fail message? I mean if the loop guard has stopped working then we "
              "should've never finished the experiment. I guess we might still be capable of seeing this.",
          "FAIL __TIMING__TRACKING__UNAVAILABLE__" + kExperiment +
              " | Please add the Cumulative Time column to the output." + at +
              "343 | We cannot monitor run-time duration without having the Cum Time column available.",
          "FAIL __EXPANSION__TRACKING__UNAVAILABLE__" + kExperiment +
              " | Someting broke, there's no expansion time column." + at +
              "369 | We cannot monitor run-time duration without having the expansion time column available."};
}

// Deterministic noise without line ends unless asked for: the same bytes on every run.
std::string Noise(size_t size, bool withLineEnds) {
  std::string bytes;
  unsigned state = 12345;
  while (bytes.size() < size) {
    state = state * 1103515245u + 12345u;
    char c = static_cast<char>((state >> 16) & 0xFF);
    if (!withLineEnds && (c == '\n' || c == '\r')) c = 'x';
    bytes += c;
  }
  // Never a byte-order mark at the start.
  bytes[0] = 'N';
  return bytes;
}

std::string PaddedTo(size_t size) {
  GoodFile file;
  file.extraHeadings = {"Padding"};
  file.extraCells = [](size_t) { return std::string(); };
  const size_t base = file.Text().size();
  file.extraCells = [=](size_t row) { return row == 0 ? std::string(size - base, 'p') : std::string(); };
  return file.Text();
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
      {"empty file", DataFileName("empty"), [](const std::string& p) { Write(p, ""); },
       [] { return Unreadable(kExperiment + " empty"); }},
      {"binary noise on one line", DataFileName("noise"), [](const std::string& p) { Write(p, Noise(4096, false)); },
       [] { return Unreadable(kExperiment + " noise"); }},
      {"binary noise over many lines", DataFileName("noise lines"),
       [](const std::string& p) { Write(p, Noise(4096, true)); }, ReadableGarbage},
      {"NUL bytes inside cells", DataFileName("nul"),
       [](const std::string& p) {
         GoodFile file;
         file.extraHeadings = {"Notes"};
         file.extraCells = [](size_t) { return std::string("a\0b\0", 4); };
         Write(p, file.Text());
       },
       [] { return AllPass(); }},
      {"one byte over the size limit", DataFileName("over limit"),
       [](const std::string& p) { Write(p, PaddedTo(1048577)); },
       [] { return Unreadable(kExperiment + " over limit"); }},
      {"one line of almost 1 MiB", DataFileName("long line"), [](const std::string& p) { Write(p, PaddedTo(1048000)); },
       [] { return AllPass(); }},
      {"10,000 columns", DataFileName("wide"),
       [](const std::string& p) {
         GoodFile file;
         for (int i = 0; i < 10000; ++i) file.extraHeadings.push_back("c" + std::to_string(i));
         file.extraCells = [](size_t row) { return std::string(9999, '\t') + std::to_string(row); };
         Write(p, file.Text());
       },
       [] { return AllPass(); }},
      {"a row with far more cells than headings", DataFileName("extra cells"),
       [](const std::string& p) {
         GoodFile file;
         file.extraCells = [](size_t row) { return row == 2 ? std::string(5000, '\t') + "tail" : std::string(); };
         Write(p, file.Text());
       },
       [] { return AllPass(); }},
      {"XML special characters and blanks in the file name", kExperiment + " P&01 <\"'> ]]>.txt",
       [](const std::string& p) { Write(p, GoodFile().Text()); }, [] { return AllPass(); }},
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
  testsupport::WriteFile(path, GoodFile().Text());
  testsupport::PluginHost host;
  host.PerformPostProcessing(path);
  const std::string reportPath = host.ReleaseTestPrinter();
  const testsupport::Report report = testsupport::ReadReport(reportPath);
  ASSERT_EQ(report.outcomes.size(), 3u);
  EXPECT_EQ(report.outcomes[2].name, "locating_verifier_for_Other & <Exp> \"x\" ]]>");
  EXPECT_EQ(testsupport::SchemaErrors(reportPath), "");
}

}  // namespace
