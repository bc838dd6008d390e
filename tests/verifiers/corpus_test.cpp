// The data-file corpora: every data file X.txt under testdata/golden/ and testdata/faulty/ has beside it
// X.expected, every outcome the plug-in must report for it in its experiment's suite, in report order, and nothing
// else (the format is README's, "Adding a verifier"); a golden file's outcomes are passes only. The cases are
// registered from the folders each time the program starts, so a file added after the build is tested by the next
// run. DH_WRITE_EXPECTED=DIR writes the expectations into DIR/golden and DIR/faulty instead of comparing
// (scripts/write-expected.py, behind make expected, copies them over). Each file is loaded three times, the
// dashboard report off, on and on again (ExpectDashboardSuite).
#include "corpuscases.h"
#include "support/catalogue.h"
#include "support/files.h"
#include "support/hostpose.h"
#include "support/pluginhost.h"
#include "support/report.h"
#include "support/scratchdir.h"
#include "hostkit/hostpose.h"
#include "framework/verifierregistry.h"
#include "tabulon/asciicase.h"
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>
#include <map>
#include <set>

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

std::string Joined(const std::vector<std::string>& texts) {
  std::string joined;
  for (const std::string& text : texts) joined += (joined.empty() ? "" : "; ") + text;
  return joined;
}

bool InCatalogue(const std::string& dataFile) {
  static const std::vector<testsupport::CatalogueEntry> catalogue =
      testsupport::ReadCatalogue(testsupport::TestData("catalogue.tsv"));
  const wxString key = Varnel::RegistryKeyForDataFile(wxString::FromUTF8(dataFile));
  return std::any_of(catalogue.begin(), catalogue.end(), [&](const testsupport::CatalogueEntry& entry) {
    return tabulon::AsciiUpper(wxString::FromUTF8(entry.experimentFile)) == key;
  });
}

// One load of the plug-in over the data file: the report's and the diagnostics' bytes (but for the token each load
// of the library draws anew), the dashboard reports.
using Load = std::pair<std::string, std::vector<std::string>>;
Load LoadAndRun(const std::string& dataFile, const std::string& folder) {
  testsupport::PluginHost host;
  const testsupport::DashboardSwitchedOn switchedOn(folder);  // an empty folder: off
  host.PerformPostProcessingWithAreasBeside(dataFile);
  const std::string report = host.ReleaseTestPrinter();
  std::string diagnostics = testsupport::ReadFile(report.substr(0, report.size() - 4) + ".diagnostics.txt");
  const std::size_t token = diagnostics.find("\ninstance: ");
  if (token != std::string::npos) diagnostics.erase(token, diagnostics.find('\n', token + 1) - token);
  return {testsupport::ReadFile(report) + diagnostics, testsupport::DashboardReportsIn(folder)};
}

void ExpectDashboardSuite(const Load& off, const Load& on, const Load& again, const std::string& dataFile,
                          const testsupport::Report& report, const std::vector<std::vector<std::string>>& findings) {
  EXPECT_EQ(on.first, off.first) << "the report or the diagnostics changed with the dashboard report on";
  ASSERT_TRUE(on.second.size() == 1 && again.second.size() == 1);
  EXPECT_EQ(testsupport::SchemaErrors(on.second[0], testsupport::Schema::Dashboard), "");
  const testsupport::Report dashboard = testsupport::ReadReport(on.second[0]),
                            other = testsupport::ReadReport(again.second[0]);
  // Viewers key a test by classname and name: unique within the report, the same in another run.
  const auto identities = [](const testsupport::Report& read) {
    std::set<std::string> all;
    for (const Outcome& o : read.outcomes) EXPECT_TRUE(all.insert(o.className + "|" + o.name).second) << o.name;
    return all;
  };
  EXPECT_EQ(identities(dashboard), identities(other));
  EXPECT_TRUE(dashboard.tests == report.tests && dashboard.failures == report.failures);
  const std::string experiment = report.outcomes.back().suite;
  const std::vector<Outcome> outcomes = report.OfSuite(experiment);
  const std::string fileName = fs::path(dataFile).filename().string();
  const std::vector<Outcome> cases = dashboard.OfSuite(experiment + " / " + fileName);
  ASSERT_TRUE(cases.size() == outcomes.size() + 1 && dashboard.outcomes.size() == cases.size() + 1)
      << "the first suite's pass, then the data file's suite: the plug-in's own pass and the verifier's outcomes";
  auto finding = findings.begin();
  std::map<std::string, int> seen;  // a repeated name within the suite gets " #2", " #3"
  for (std::size_t i = 0; i < outcomes.size(); ++i) {
    Outcome expected = outcomes[i];
    expected.className = fileName;
    // A charted time keeps its name; its value goes beside it.
    for (const std::string& tracked : {"__TIMING__TRACKING__" + experiment, "__EXPANSION__TRACKING__" + experiment}) {
      if (expected.name.rfind(tracked + "__", 0) == 0) expected.name = tracked;
    }
    if (++seen[expected.name] > 1) expected.name += " #" + std::to_string(seen[expected.name]);
    // Every failure of the corpora says what the data file held; the first finding ends the message.
    for (const std::string& found :
         (expected.failed && finding != findings.end()) ? *finding++ : std::vector<std::string>()) {
      EXPECT_NE(found, "this check has nothing to show beyond its message") << expected.name;
      if (expected.message.find("\nfound: ") == std::string::npos) expected.subject += " | " + found;
      expected.message += "\nfound: " + found;
    }
    EXPECT_EQ(Describe(cases[i + 1]) + " @" + cases[i + 1].className, Describe(expected) + " @" + fileName);
  }
}

}  // namespace

namespace corpus {

std::string WriteDirectory() {
  const char* directory = std::getenv("DH_WRITE_EXPECTED");
  return directory == nullptr ? "" : directory;
}

void CheckDataFile(const std::string& dataFile, const std::string& folder, const std::string& writeDirectory) {
  const bool golden = folder == "golden";
  const std::string stem = dataFile.substr(0, dataFile.size() - 4);
  const std::string expectationFile = stem + ".expected";
  ASSERT_TRUE(!writeDirectory.empty() || testsupport::FileExists(expectationFile))
      << "no expectation beside " << dataFile << " (make expected writes it)";
  const std::string refusal = writeDirectory.empty() ? "" : ": refused to write its expectation";
  ASSERT_TRUE(!golden || InCatalogue(dataFile))
      << "the golden file " << dataFile << " names no experiment of testdata/catalogue.tsv" << refusal;
  std::string hostName = testsupport::FileExists(stem + ".host") ? testsupport::ReadFile(stem + ".host") : "";
  hostName = hostName.substr(0, hostName.find('\n'));
  const hostkit::PosingAs posing(hostName.empty() ? testsupport::HostNameOf(testsupport::Machine::Plain) : hostName);
  testsupport::ScratchDir scratch;
  // The last load leaves its report and diagnostics in place.
  const Load off = LoadAndRun(dataFile, ""), again = LoadAndRun(dataFile, "again"), on = LoadAndRun(dataFile, "on");
  const std::string reportPath = testsupport::ReportPath();
  const std::string diagnosticsPath = reportPath.substr(0, reportPath.size() - 4) + ".diagnostics.txt";
  const testsupport::Report report = testsupport::ReadReport(reportPath);
  ASSERT_FALSE(report.outcomes.empty());
  const std::string suite = report.outcomes.back().suite;
  std::string diagnosedDataFile;
  const auto findings = Findings(diagnosticsPath, suite, diagnosedDataFile);
  const std::vector<Outcome> outcomes = report.OfSuite(suite);
  const auto missed = std::find_if(outcomes.begin(), outcomes.end(), [](const Outcome& outcome) {
    return outcome.name.rfind("locating_verifier_for_", 0) == 0;
  });
  ASSERT_TRUE(missed == outcomes.end()) << dataFile << " reaches no verifier ("
                                        << Joined(findings.empty() ? std::vector<std::string>() : findings.back())
                                        << ")" << refusal;
  const auto failed = std::count_if(outcomes.begin(), outcomes.end(), [](const Outcome& o) { return o.failed; });
  const std::string actual = Expectation(suite, outcomes, findings);
  if (!writeDirectory.empty()) {
    ASSERT_TRUE(!golden || failed == 0) << "refused to write the expectation of " << dataFile
                                        << ": a golden file passes every check, and this one fails " << failed << ":\n"
                                        << actual;
    const std::string written = writeDirectory + "/" + folder + "/" + fs::path(expectationFile).filename().string();
    fs::create_directories(fs::path(written).parent_path());
    testsupport::WriteFile(written, actual);
  } else {
    EXPECT_EQ(actual, testsupport::ReadFile(expectationFile)) << "outcomes of " << dataFile;
  }
  EXPECT_EQ(findings.size(), static_cast<std::size_t>(failed)) << "the diagnostics name every failure";
  EXPECT_EQ(report.failures, failed) << "no failure outside the verifier's suite";
  EXPECT_TRUE(!golden || failed == 0) << "a golden file passes every check";
  EXPECT_EQ(diagnosedDataFile, dataFile);
  EXPECT_EQ(testsupport::SchemaErrors(reportPath), "");
  ExpectDashboardSuite(off, on, again, dataFile, report, findings);
}

namespace {

class CorpusCase : public ::testing::Test {
 public:
  CorpusCase(std::string file, std::string corpusFolder)
      : dataFile_(std::move(file)), folder_(std::move(corpusFolder)) {}
  void TestBody() override { CheckDataFile(dataFile_, folder_, WriteDirectory()); }

 private:
  const std::string dataFile_;
  const std::string folder_;
};

}  // namespace

void RegisterCorpusCases() {
  for (const auto& corpus : {std::pair{"golden", "GoldenCorpus"}, std::pair{"faulty", "FaultyCorpus"}}) {
    const std::string folder = corpus.first;
    for (const std::string& dataFile : testsupport::FilesIn(testsupport::TestData(folder), ".txt")) {
      ::testing::RegisterTest(corpus.second, testsupport::TestNameOf(dataFile).c_str(), nullptr, nullptr, __FILE__,
                              __LINE__, [=]() -> ::testing::Test* { return new CorpusCase(dataFile, folder); });
    }
  }
}

namespace {

TEST(CorpusFolders, EveryFileBelongsToADataFile) {
  for (const std::string folder : {"golden", "faulty"}) {
    for (const auto& entry : fs::directory_iterator(testsupport::TestData(folder))) {
      fs::path dataFile = entry.path();
      EXPECT_TRUE(fs::exists(dataFile.replace_extension(".txt"))) << entry.path() << " belongs to no data file";
    }
  }
}

TEST(ExpectationWriter, RefusesGoldenFilesThatFailOrReachNoVerifier) {
  const std::string loopGuard = "2012_3_16_tessel_2670_loop_guard_block_level.vn6 P01.txt";
  const std::string oneEventTooMany =
      testsupport::ReadFile(testsupport::TestData("golden/" + loopGuard)) + "b1\tt1\tevent 1\t3400\t\n";
  struct Case {
    std::string file, text, folder;
    bool refused;
  };
  const Case cases[] = {
      {"no_such_experiment.vn5 P01.txt", oneEventTooMany, "golden", true},
      {"no_such_experiment.vn5 P01.txt", oneEventTooMany, "faulty", true},
      {loopGuard, oneEventTooMany, "golden", true},
      {loopGuard, oneEventTooMany, "faulty", false},
      {loopGuard, testsupport::ReadFile(testsupport::TestData("golden/" + loopGuard)), "golden", false}};
  const testsupport::ScratchDir scratch;
  for (const Case& c : cases) {
    fs::remove_all(scratch.File("out"));
    testsupport::WriteFile(scratch.File(c.file), c.text);
    ::testing::TestPartResultArray failures;
    {
      const ::testing::ScopedFakeTestPartResultReporter capture(
          ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &failures);
      CheckDataFile(scratch.File(c.file), c.folder, scratch.File("out"));
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

}  // namespace corpus
