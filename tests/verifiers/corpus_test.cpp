// The data-file corpora: every data file X.txt under testdata/golden/ and testdata/faulty/ has beside it
// X.expected, every outcome the plug-in must report for it in its experiment's suite, in report order, and
// nothing else; a golden file's outcomes are passes only. One line a fact, tab-separated:
//   suite<TAB>experiment file name (the suite the outcomes belong to)
//   pass<TAB>name
//   failure<TAB>name<TAB>subject<TAB>reporting line (FILE:LINE when not the suite's own)<TAB>message
//   found<TAB>text (what the diagnostics file says was found behind the failure above; one line per finding)
// with a backslash, a TAB and a line end written as \\, \t and \n. X.stimareas beside X.txt holds the stimulus
// areas the host hands over with it; X.host names the machine to pose as (an ordinary one when there is none).
// scripts/write-expected.py writes a first draft of an expectation file.
#include "tests/support/hostpose.h"
#include "tests/support/pluginhost.h"
#include "tests/support/files.h"
#include "tests/support/report.h"
#include "tests/support/scratchdir.h"
#include "tools/hostkit/hostpose.h"
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

namespace fs = std::filesystem;
using testsupport::Outcome;

struct CorpusCase {
  std::string file;  // under testdata/, with its folder
  std::string suite;
  std::vector<Outcome> outcomes;
  std::vector<std::vector<std::string>> findings;  // per failure
  std::string problem;                             // why the expectation file could not be read; empty when it could
};

void PrintTo(const CorpusCase& corpusCase, std::ostream* out) { *out << corpusCase.file; }

std::string Unescape(const std::string& text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      plain += text[i];
      continue;
    }
    const char next = text[++i];
    plain += next == 't' ? '\t' : next == 'n' ? '\n' : next;
  }
  return plain;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::istringstream in(line);
  for (std::string field; std::getline(in, field, '\t');) fields.push_back(Unescape(field));
  return fields;
}

bool IsWholeNumber(const std::string& text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

CorpusCase ReadExpectation(const std::string& folder, const fs::path& dataFile) {
  CorpusCase c{folder + "/" + dataFile.filename().string(), "", {}, {}, ""};
  std::ifstream in(fs::path(dataFile).replace_extension(".expected"));
  if (!in) return c.problem = "no expectation file beside it", c;
  int lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    const std::vector<std::string> f = Fields(line);
    if (f.size() == 2 && f[0] == "suite" && c.suite.empty()) {
      c.suite = f[1];
    } else if (f.size() == 2 && f[0] == "pass" && !c.suite.empty()) {
      c.outcomes.push_back(Outcome{c.suite, f[1], false, "", "", ""});
    } else if (f.size() == 5 && f[0] == "failure" && !c.suite.empty() &&
               IsWholeNumber(f[3].substr(f[3].find(':') + 1))) {
      const std::string where = IsWholeNumber(f[3]) ? c.suite + ":" + f[3] : f[3];
      c.outcomes.push_back(Outcome{c.suite, f[1], true, f[2], "Whichever/File/Focuses/On/Verifying/" + where, f[4]});
      c.findings.emplace_back();
    } else if (f.size() == 2 && f[0] == "found" && !c.outcomes.empty() && c.outcomes.back().failed) {
      c.findings.back().push_back(f[1]);
    } else {
      return c.problem = "expectation line " + std::to_string(lineNumber) + " cannot be read", c;
    }
  }
  if (c.suite.empty()) c.problem = "the expectation file names no suite";
  return c;
}

// What the diagnostics file says about the suite: its data file and, per failure, the found texts.
struct Diagnosed {
  std::string dataFile;
  std::vector<std::vector<std::string>> findings;
};

Diagnosed ReadDiagnostics(const std::string& path, const std::string& suite) {
  Diagnosed diagnosed;
  std::ifstream in(path);
  bool inSuite = false;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("suite: ", 0) == 0) inSuite = line == "suite: " + suite;
    if (!inSuite) continue;
    if (line.rfind("  data file: ", 0) == 0) diagnosed.dataFile = line.substr(13);
    if (line.rfind("  failure: ", 0) == 0) diagnosed.findings.emplace_back();
    if (line.rfind("    found: ", 0) == 0 && !diagnosed.findings.empty()) {
      diagnosed.findings.back().push_back(line.substr(11));
    }
  }
  return diagnosed;
}

std::vector<CorpusCase> LoadCorpus(const std::string& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(testsupport::TestData(folder))) {
    if (entry.is_regular_file() && entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<CorpusCase> cases;
  for (const fs::path& file : files) cases.push_back(ReadExpectation(folder, file));
  return cases;
}

class Corpus : public ::testing::TestWithParam<CorpusCase> {};

TEST_P(Corpus, ReportsExactlyTheExpectedOutcomes) {
  const CorpusCase& c = GetParam();
  ASSERT_EQ(c.problem, "") << c.file;
  const std::string dataFile = testsupport::TestData(c.file);
  const std::string hostFile = dataFile.substr(0, dataFile.size() - 4) + ".host";
  std::string hostName = testsupport::FileExists(hostFile) ? testsupport::ReadFile(hostFile) : "";
  hostName = hostName.substr(0, hostName.find('\n'));
  const hostkit::PosingAs posing(hostName.empty() ? testsupport::HostNameOf(testsupport::Machine::Plain) : hostName);
  testsupport::ScratchDir scratch;
  testsupport::PluginHost host;
  host.PerformPostProcessingWithAreasBeside(dataFile);
  const std::string reportPath = host.ReleaseTestPrinter();
  const testsupport::Report report = testsupport::ReadReport(reportPath);
  const Diagnosed diagnosed =
      ReadDiagnostics(reportPath.substr(0, reportPath.size() - 4) + ".diagnostics.txt", c.suite);

  const std::vector<Outcome> outcomes = report.OfSuite(c.suite);
  std::string actualList;
  for (const Outcome& outcome : outcomes) actualList += Describe(outcome) + "\n";
  ASSERT_EQ(outcomes.size(), c.outcomes.size()) << c.file << " reported:\n" << actualList;
  for (std::size_t i = 0; i < outcomes.size(); ++i) {
    EXPECT_EQ(outcomes[i], c.outcomes[i]) << Describe(outcomes[i]) << "\nexpected\n" << Describe(c.outcomes[i]);
  }
  EXPECT_EQ(report.failures, static_cast<int>(c.findings.size())) << "no failure outside the verifier's suite";
  EXPECT_TRUE(c.file.rfind("golden/", 0) != 0 || c.findings.empty()) << "a golden file passes every check";
  EXPECT_EQ(diagnosed.dataFile, dataFile);
  EXPECT_EQ(diagnosed.findings, c.findings) << "what the diagnostics say was found behind each failure";
  EXPECT_EQ(testsupport::SchemaErrors(reportPath), "");
}

std::string CaseName(const ::testing::TestParamInfo<CorpusCase>& generated) {
  std::string name = generated.param.file.substr(generated.param.file.find('/') + 1);
  std::replace_if(
      name.begin(), name.end(), [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
  return name;
}

INSTANTIATE_TEST_SUITE_P(Golden, Corpus, ::testing::ValuesIn(LoadCorpus("golden")), CaseName);
INSTANTIATE_TEST_SUITE_P(Faulty, Corpus, ::testing::ValuesIn(LoadCorpus("faulty")), CaseName);

}  // namespace
