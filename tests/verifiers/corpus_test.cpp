// The data-file corpora: every data file X.txt under testdata/golden/ and testdata/faulty/ has beside it
// X.expected, every outcome the plug-in must report for it in its experiment's suite, in report order, and
// nothing else; a golden file's outcomes are passes only. One line a fact, tab-separated:
//   suite<TAB>experiment file name (the suite the outcomes belong to)
//   pass<TAB>name
//   failure<TAB>name<TAB>subject<TAB>reporting line (FILE:LINE when not the suite's own)<TAB>message
//   found<TAB>text (what the diagnostics file says was found behind the failure above; one line per finding)
// with a backslash, a TAB and a line end written as \\, \t and \n. X.stimareas beside X.txt holds the stimulus
// areas the host hands over with it; X.host names the machine to pose as (an ordinary one when there is none).
// The cases are registered from the folders each time the test program starts, so a file added after the build
// is tested by the next run. DH_WRITE_EXPECTED=DIR writes the expectation files from this build into DIR/golden
// and DIR/faulty instead of comparing (scripts/write-expected.py, behind make expected, copies them over).
#include "tests/verifiers/corpuscases.h"
#include "tests/support/catalogue.h"
#include "tests/support/files.h"
#include "tests/support/hostpose.h"
#include "tests/support/pluginhost.h"
#include "tests/support/report.h"
#include "tests/support/scratchdir.h"
#include "tools/hostkit/hostpose.h"
#include "verifiers/framework/verifierregistry.h"
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

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
    return wxString::FromUTF8(entry.experimentFile).Upper() == key;
  });
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
  testsupport::PluginHost host;
  host.PerformPostProcessingWithAreasBeside(dataFile);
  const std::string reportPath = host.ReleaseTestPrinter();
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
}

std::vector<std::string> DataFiles(const std::string& folder) {
  std::vector<std::string> files;
  for (const auto& entry : fs::directory_iterator(testsupport::TestData(folder))) {
    if (entry.path().extension() == ".txt") files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

namespace {

class CorpusCase : public ::testing::Test {
 public:
  CorpusCase(std::string file, std::string corpusFolder) : dataFile(std::move(file)), folder(std::move(corpusFolder)) {}
  void TestBody() override { CheckDataFile(dataFile, folder, WriteDirectory()); }

 private:
  const std::string dataFile;
  const std::string folder;
};

std::string CaseName(const std::string& dataFile) {
  std::string name = fs::path(dataFile).stem().string();
  std::replace_if(
      name.begin(), name.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
  return name;
}

}  // namespace

void RegisterCorpusCases() {
  for (const auto& [folder, suite] : {std::pair{"golden", "GoldenCorpus"}, std::pair{"faulty", "FaultyCorpus"}}) {
    for (const std::string& dataFile : DataFiles(folder)) {
      ::testing::RegisterTest(suite, CaseName(dataFile).c_str(), nullptr, nullptr, __FILE__, __LINE__,
                              [=]() -> ::testing::Test* { return new CorpusCase(dataFile, folder); });
    }
  }
}

}  // namespace corpus
