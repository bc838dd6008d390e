// The faulty corpus: every data file under testdata/faulty/ has beside it "<name without .txt>.expected", the
// failures the plug-in must report for it, in report order, and nothing else. One line a fact, tab-separated:
//   suite<TAB>experiment file name (the suite the failures belong to)
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

struct FaultyCase {
  std::string file;  // under testdata/faulty/
  std::string suite;
  std::vector<Outcome> failures;
  std::vector<std::vector<std::string>> findings;  // per failure
  std::string problem;                             // why the expectation file could not be read; empty when it could
};

void PrintTo(const FaultyCase& faultyCase, std::ostream* out) { *out << faultyCase.file; }

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

FaultyCase ReadExpectation(const fs::path& dataFile) {
  FaultyCase c{dataFile.filename().string(), "", {}, {}, ""};
  std::ifstream in(fs::path(dataFile).replace_extension(".expected"));
  if (!in) return c.problem = "no expectation file beside it", c;
  int lineNumber = 0;
  for (std::string line; std::getline(in, line);) {
    ++lineNumber;
    const std::vector<std::string> f = Fields(line);
    if (f.size() == 2 && f[0] == "suite" && c.suite.empty()) {
      c.suite = f[1];
    } else if (f.size() == 5 && f[0] == "failure" && !c.suite.empty() &&
               IsWholeNumber(f[3].substr(f[3].find(':') + 1))) {
      const std::string where = IsWholeNumber(f[3]) ? c.suite + ":" + f[3] : f[3];
      const std::string location = "Whichever/File/Focuses/On/Verifying/" + where;
      c.failures.push_back(Outcome{c.suite, f[1], true, f[2], location, f[4]});
      c.findings.emplace_back();
    } else if (f.size() == 2 && f[0] == "found" && !c.failures.empty()) {
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

std::vector<FaultyCase> LoadCorpus() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(testsupport::TestData("faulty"))) {
    if (entry.is_regular_file() && entry.path().extension() == ".txt") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<FaultyCase> cases;
  for (const fs::path& file : files) cases.push_back(ReadExpectation(file));
  return cases;
}

class FaultyCorpus : public ::testing::TestWithParam<FaultyCase> {};

// Posing as an ordinary machine: neither the build farm nor one of the machines with windows of their own.
TEST_P(FaultyCorpus, ReportsExactlyTheExpectedFailures) {
  const FaultyCase& c = GetParam();
  ASSERT_EQ(c.problem, "") << c.file;
  const std::string dataFile = testsupport::TestData("faulty/" + c.file);
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

  std::vector<Outcome> failures;
  for (const Outcome& outcome : report.OfSuite(c.suite)) {
    if (outcome.failed) failures.push_back(outcome);
  }
  std::string actualList;
  for (const Outcome& failure : failures) actualList += Describe(failure) + "\n";
  ASSERT_EQ(failures.size(), c.failures.size()) << c.file << " reported:\n" << actualList;
  for (std::size_t i = 0; i < failures.size(); ++i) {
    EXPECT_EQ(failures[i], c.failures[i]) << Describe(failures[i]) << "\nexpected\n" << Describe(c.failures[i]);
  }
  EXPECT_EQ(report.failures, static_cast<int>(c.failures.size())) << "no failure outside the verifier's suite";
  EXPECT_EQ(diagnosed.dataFile, dataFile);
  EXPECT_EQ(diagnosed.findings, c.findings) << "what the diagnostics say was found behind each failure";
  EXPECT_EQ(testsupport::SchemaErrors(reportPath), "");
}

INSTANTIATE_TEST_SUITE_P(EveryFile, FaultyCorpus, ::testing::ValuesIn(LoadCorpus()),
                         [](const ::testing::TestParamInfo<FaultyCase>& generated) {
                           std::string name = generated.param.file;
                           std::replace_if(
                               name.begin(), name.end(),
                               [](char ch) { return !std::isalnum(static_cast<unsigned char>(ch)); }, '_');
                           return name;
                         });

}  // namespace
