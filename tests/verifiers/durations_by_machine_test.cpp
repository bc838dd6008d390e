// Every golden file run as each configured machine poses it (build farm, host A, host B), once as written and
// once with run and expansion time 0, gives the duration outcomes kept in
// testdata/golden/durations-by-machine.expected: which windows each verifier checks on which machine, and their
// bounds (at time 0 every window fails and names them). A skip flag or a window that changes shows here.
// DH_WRITE_EXPECTED=1 writes the file from this build instead of comparing (then read the diff).
#include "tests/support/files.h"
#include "tests/support/goldenvariant.h"
#include "tests/support/pluginhost.h"
#include "tests/support/scratchdir.h"
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using namespace testsupport;

const std::string kExpected = TestData("golden/durations-by-machine.expected");

std::vector<std::string> GoldenExperiments() {
  const std::string suffix = " P01.txt";
  std::vector<std::string> experiments;
  for (const auto& entry : std::filesystem::directory_iterator(TestData("golden"))) {
    const std::string name = entry.path().filename().string();
    if (name.size() > suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0) {
      experiments.push_back(name.substr(0, name.size() - suffix.size()));
    }
  }
  std::sort(experiments.begin(), experiments.end());
  return experiments;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// One line per experiment and machine: the durations of the file as written, then of the file at time 0.
std::string DurationsOnEveryMachine() {
  const std::vector<std::string> experiments = GoldenExperiments();
  ScratchDir asWritten, atZero;
  std::vector<std::string> paths;
  for (const std::string& experiment : experiments) {
    const std::string original = ReadFile(TestData("golden/" + experiment + " P01.txt"));
    if (original.empty()) {  // the experiment whose data file the host leaves empty
      for (const ScratchDir* dir : {&asWritten, &atZero}) {
        paths.push_back(dir->File(experiment + " P01.txt"));
        WriteFile(paths.back(), original);
      }
      continue;
    }
    DataTable table = DataTable::Golden(experiment);
    paths.push_back(table.WriteAs(experiment, asWritten));
    table.SetExpansionTime(0);
    // The run's length is the cumulative time of the last row that has one.
    const auto timeColumn = std::find(table.columns.begin(), table.columns.end(), "Cumulative\nTime");
    for (auto row = table.rows.rbegin(); row != table.rows.rend(); ++row) {
      const size_t index = static_cast<size_t>(timeColumn - table.columns.begin());
      if (index >= row->size()) continue;
      (*row)[index] = "0";
      break;
    }
    paths.push_back(table.WriteAs(experiment, atZero));
  }
  std::ostringstream lines;
  const std::pair<Machine, const char*> machines[] = {
      {Machine::BuildFarm, "build farm"}, {Machine::HostA, "host A"}, {Machine::HostB, "host B"}};
  for (const auto& [machine, machineName] : machines) {
    const Report report = RunThroughPlugin(paths, machine);
    for (const std::string& experiment : experiments) {
      lines << experiment << '\t' << machineName;
      for (const std::string& duration : Durations(report.OfSuite(experiment))) lines << '\t' << duration;
      lines << '\n';
    }
  }
  return lines.str();
}

TEST(DurationsByMachine, EveryGoldenFileGivesTheOutcomesKeptBesideTheCorpus) {
  const std::string actual = DurationsOnEveryMachine();
  if (std::getenv("DH_WRITE_EXPECTED") != nullptr) {
    std::ofstream(kExpected, std::ios::binary) << actual;
    GTEST_SKIP() << "wrote " << kExpected;
  }
  const std::vector<std::string> expected = Lines(ReadFile(kExpected)), got = Lines(actual);
  for (size_t i = 0; i < std::max(expected.size(), got.size()); ++i) {
    EXPECT_EQ(i < got.size() ? got[i] : "", i < expected.size() ? expected[i] : "") << "line " << i + 1;
  }
}

}  // namespace
