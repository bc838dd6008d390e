// The data-file corpora: every data file X.txt under testdata/golden/ and testdata/faulty/ has beside it
// X.expected, every outcome the plug-in must report for it in its experiment's suite, in report order, and
// nothing else; a golden file's outcomes are passes only. One line a fact, tab-separated:
//   suite<TAB>experiment file name (the suite the outcomes belong to)
//   pass<TAB>name
//   failure<TAB>name<TAB>subject<TAB>reporting line (FILE:LINE when not the suite's own)<TAB>message
//   found<TAB>text (what the diagnostics file says was found behind the failure above; one line per finding)
// with a backslash, a TAB and a line end written as \\, \t and \n. X.stimareas beside X.txt holds the stimulus
// areas the host hands over with it; X.host names the machine to pose as (an ordinary one when there is none).
// DH_WRITE_EXPECTED=1 writes the expectation files from this build instead of comparing (then read the diff).
// Each file is loaded three times more, the dashboard report off, on and on again (ExpectDashboardSuite).
#include "tests/support/files.h"
#include "tests/support/hostpose.h"
#include "tests/support/pluginhost.h"
#include "tests/support/report.h"
#include "tests/support/scratchdir.h"
#include "tools/hostkit/hostpose.h"
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

namespace {

namespace fs = std::filesystem;
using testsupport::Outcome;

std::string Escaped(const std::string& text) {
  std::string escaped;
  for (char c : text) escaped += c == '\\' ? "\\\\" : c == '\t' ? "\\t" : c == '\n' ? "\\n" : std::string(1, c);
  return escaped;
}

// What the diagnostics file says was found behind each failure of the suite, and the suite's data file.
std::vector<std::vector<std::string>> Findings(const std::string& path, const std::string& suite,
                                               std::string& dataFile) {
  std::vector<std::vector<std::string>> findings;
  std::ifstream in(path);
  bool inSuite = false;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("suite: ", 0) == 0) inSuite = line == "suite: " + suite;
    if (!inSuite) continue;
    if (line.rfind("  data file: ", 0) == 0) dataFile = line.substr(13);
    if (line.rfind("  failure: ", 0) == 0) findings.emplace_back();
    if (line.rfind("    found: ", 0) == 0 && !findings.empty()) findings.back().push_back(line.substr(11));
  }
  return findings;
}

// The suite's outcomes and findings in the expectation file's form.
std::string Expectation(const std::string& suite, const std::vector<Outcome>& outcomes,
                        const std::vector<std::vector<std::string>>& findings) {
  const std::string locationPrefix = "Whichever/File/Focuses/On/Verifying/";
  std::string text = "suite\t" + Escaped(suite) + "\n";
  std::size_t failures = 0;
  for (const Outcome& outcome : outcomes) {
    if (!outcome.failed) {
      text += "pass\t" + Escaped(outcome.name) + "\n";
      continue;
    }
    std::string where = outcome.location;
    if (where.rfind(locationPrefix, 0) == 0) where.erase(0, locationPrefix.size());
    if (where.rfind(suite + ":", 0) == 0) where.erase(0, suite.size() + 1);
    text += "failure\t" + Escaped(outcome.name) + "\t" + Escaped(outcome.subject) + "\t" + Escaped(where) + "\t" +
            Escaped(outcome.message) + "\n";
    for (const std::string& found : failures < findings.size() ? findings[failures] : std::vector<std::string>()) {
      text += "found\t" + Escaped(found) + "\n";
    }
    ++failures;
  }
  return text;
}

std::vector<std::string> CorpusFiles(const std::string& folder) {
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(testsupport::TestData(folder))) {
    if (entry.path().extension() == ".txt") files.push_back(folder + "/" + entry.path().filename().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// One load of the plug-in over the data file: the report's and the diagnostics' bytes, the dashboard reports.
using Load = std::pair<std::string, std::vector<std::string>>;
Load LoadAndRun(const std::string& dataFile, const std::string& folder) {
  testsupport::PluginHost host;
  const testsupport::DashboardSwitchedOn switchedOn(folder);  // an empty folder: off
  host.PerformPostProcessingWithAreasBeside(dataFile);
  const std::string report = host.ReleaseTestPrinter();
  return {
      testsupport::ReadFile(report) + testsupport::ReadFile(report.substr(0, report.size() - 4) + ".diagnostics.txt"),
      testsupport::DashboardReportsIn(folder)};
}

void ExpectDashboardSuite(const Load& off, const Load& on, const Load& again, const std::string& dataFile,
                          const testsupport::Report& report, const std::vector<std::vector<std::string>>& findings) {
  EXPECT_TRUE(on.first == off.first) << "the report or the diagnostics changed with the dashboard report on";
  ASSERT_TRUE(on.second.size() == 1 && again.second.size() == 1);
  EXPECT_EQ(testsupport::SchemaErrors(on.second[0], DH_DASHBOARD_SCHEMA_PATH), "");
  const testsupport::Report dashboard = testsupport::ReadReport(on.second[0]),
                            other = testsupport::ReadReport(again.second[0]);
  const auto identities = [](const testsupport::Report& read) {  // suite and name of every test
    std::string all;
    for (const Outcome& o : read.outcomes) all += o.suite + "|" + o.name + "\n";
    return all;
  };
  EXPECT_EQ(identities(dashboard), identities(other));
  EXPECT_TRUE(dashboard.tests == report.tests && dashboard.failures == report.failures);
  const std::string experiment = report.outcomes.back().suite;
  const std::vector<Outcome> outcomes = report.OfSuite(experiment);
  const std::string suite = experiment + " / " + fs::path(dataFile).filename().string();
  const std::vector<Outcome> cases = dashboard.OfSuite(suite);
  ASSERT_TRUE(cases.size() == outcomes.size() + 1 && dashboard.outcomes.size() == cases.size() + 1)
      << "the first suite's pass, then " << suite << ": the plug-in's own pass and the verifier's outcomes";
  auto finding = findings.begin();
  std::map<std::string, int> seen;  // a repeated name within the suite gets " #2", " #3"
  for (std::size_t i = 0; i < outcomes.size(); ++i) {
    Outcome expected = outcomes[i];
    if (++seen[expected.name] > 1) expected.name += " #" + std::to_string(seen[expected.name]);
    // The diagnostics' line for a failure without findings is not a finding.
    for (const std::string& found :
         (expected.failed && finding != findings.end()) ? *finding++ : std::vector<std::string>()) {
      if (found != "this check has nothing to show beyond its message") expected.message += "\nfound: " + found;
    }
    EXPECT_EQ(Describe(cases[i + 1]), Describe(expected));
  }
}

class Corpus : public ::testing::TestWithParam<std::string> {};

TEST_P(Corpus, ReportsExactlyTheExpectedOutcomes) {
  const std::string dataFile = testsupport::TestData(GetParam());
  const std::string stem = dataFile.substr(0, dataFile.size() - 4);
  std::string hostName = testsupport::FileExists(stem + ".host") ? testsupport::ReadFile(stem + ".host") : "";
  hostName = hostName.substr(0, hostName.find('\n'));
  const hostkit::PosingAs posing(hostName.empty() ? testsupport::HostNameOf(testsupport::Machine::Plain) : hostName);
  testsupport::ScratchDir scratch;
  // The last load leaves its report and diagnostics in place.
  const Load off = LoadAndRun(dataFile, ""), again = LoadAndRun(dataFile, "again"), on = LoadAndRun(dataFile, "on");
  const std::string reportPath = testsupport::ReportPath();
  const testsupport::Report report = testsupport::ReadReport(reportPath);
  ASSERT_FALSE(report.outcomes.empty());
  const std::string suite = report.outcomes.back().suite;
  std::string diagnosedDataFile;
  const auto findings =
      Findings(reportPath.substr(0, reportPath.size() - 4) + ".diagnostics.txt", suite, diagnosedDataFile);
  const std::vector<Outcome> outcomes = report.OfSuite(suite);
  const std::string actual = Expectation(suite, outcomes, findings);
  if (std::getenv("DH_WRITE_EXPECTED") != nullptr) {
    std::ofstream(stem + ".expected", std::ios::binary) << actual;
    GTEST_SKIP() << "wrote " << stem << ".expected";
  }
  EXPECT_EQ(actual, testsupport::ReadFile(stem + ".expected"));
  const auto failed = std::count_if(outcomes.begin(), outcomes.end(), [](const Outcome& o) { return o.failed; });
  EXPECT_EQ(findings.size(), static_cast<std::size_t>(failed)) << "the diagnostics name every failure";
  EXPECT_EQ(report.failures, failed) << "no failure outside the verifier's suite";
  EXPECT_TRUE(GetParam().rfind("golden/", 0) != 0 || failed == 0) << "a golden file passes every check";
  EXPECT_EQ(diagnosedDataFile, dataFile);
  EXPECT_EQ(testsupport::SchemaErrors(reportPath), "");
  ExpectDashboardSuite(off, on, again, dataFile, report, findings);
}

std::string CaseName(const ::testing::TestParamInfo<std::string>& generated) {
  std::string name = generated.param.substr(generated.param.find('/') + 1);
  std::replace_if(
      name.begin(), name.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(Golden, Corpus, ::testing::ValuesIn(CorpusFiles("golden")), CaseName);
INSTANTIATE_TEST_SUITE_P(Faulty, Corpus, ::testing::ValuesIn(CorpusFiles("faulty")), CaseName);

}  // namespace
