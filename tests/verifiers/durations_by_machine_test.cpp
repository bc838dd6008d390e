// Every golden file run as each configured machine poses it (build farm, host A, host B), once as written and
// once with run and expansion time 0, gives the duration outcomes kept in
// testdata/golden/durations-by-machine.expected: which windows each verifier checks on which machine, and their
// bounds (at time 0 every window fails and names them). A skip flag or a window that changes shows here.
// DH_WRITE_EXPECTED=1 writes the file from this build instead of comparing (then read the diff).
#include "tests/support/files.h"
#include "tests/support/hostpose.h"
#include "tests/support/pluginhost.h"
#include "tests/support/scratchdir.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <stdexcept>

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

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts(1);
  for (char c : text) {
    if (c == separator) {
      parts.emplace_back();
    } else {
      parts.back().push_back(c);
    }
  }
  return parts;
}

std::string Join(const std::vector<std::string>& parts, char separator) {
  std::string text;
  for (const std::string& part : parts) text += (&part == &parts.front() ? "" : std::string(1, separator)) + part;
  return text;
}

// The data file with its run and expansion time set to 0: the expansion heading's number and the cumulative time
// of the last row that has one.
std::string AtTimeZero(const std::string& text) {
  std::vector<std::string> lines = Split(text, '\n');
  if (lines.size() < 7) return text;
  const std::vector<std::string> first = Split(lines[4], '\t'), second = Split(lines[5], '\t');
  std::size_t time = 0;
  while (time < first.size() && !(first[time] == "Cumulative" && time < second.size() && second[time] == "Time"))
    ++time;
  const std::string expansion = "Expansion Time(ms): ";
  const std::size_t at = lines[4].find(expansion);
  if (at != std::string::npos) {
    const std::size_t end = lines[4].find('\t', at);
    lines[4].replace(at, end == std::string::npos ? std::string::npos : end - at, expansion + "0");
  }
  for (std::size_t row = lines.size() - 1; row >= 6; --row) {
    std::vector<std::string> cells = Split(lines[row], '\t');
    if (time >= cells.size()) continue;
    cells[time] = "0";
    lines[row] = Join(cells, '\t');
    break;
  }
  return Join(lines, '\n');
}

// The duration outcomes in short: "+Experiment" for a pass, "-Expansion 35..70 71" for a failure (window, value).
std::vector<std::string> Durations(const std::vector<Outcome>& outcomes) {
  std::vector<std::string> durations;
  for (const Outcome& outcome : outcomes) {
    for (const std::string what : {"Experiment", "Expansion"}) {
      if (outcome.name.rfind(what + "_duration_", 0) != 0) continue;
      const char* format = "Expected a duration between %d and %d. Instead, we got a duration of %d.";
      int min = 0, max = 0, value = 0;
      if (outcome.failed && std::sscanf(outcome.message.c_str(), format, &min, &max, &value) != 3) {
        throw std::runtime_error("unexpected duration message: " + outcome.message);
      }
      durations.push_back(outcome.failed ? "-" + what + " " + std::to_string(min) + ".." + std::to_string(max) + " " +
                                               std::to_string(value)
                                         : "+" + what);
    }
  }
  return durations;
}

// One line per experiment and machine: the durations of the file as written, then of the file at time 0.
std::string DurationsOnEveryMachine() {
  const std::vector<std::string> experiments = GoldenExperiments();
  ScratchDir atZero;
  std::vector<std::string> paths;
  for (const std::string& experiment : experiments) {
    paths.push_back(TestData("golden/" + experiment + " P01.txt"));
    paths.push_back(atZero.File(experiment + " P01.txt"));
    WriteFile(paths.back(), AtTimeZero(ReadFile(paths[paths.size() - 2])));
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
  const std::vector<std::string> expected = Split(ReadFile(kExpected), '\n'), got = Split(actual, '\n');
  for (size_t i = 0; i < std::max(expected.size(), got.size()); ++i) {
    EXPECT_EQ(i < got.size() ? got[i] : "", i < expected.size() ? expected[i] : "") << "line " << i + 1;
  }
}

}  // namespace
