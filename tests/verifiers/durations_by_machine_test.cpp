// Every golden file X.txt run as each configured machine poses it (build farm, host A, host B), once as written
// and once with run and expansion time 0, gives the duration outcomes kept beside it in X.durations: which windows
// its verifier checks on which machine, and their bounds (at time 0 every window fails and names them). A skip
// flag or a window that changes shows here. One line per machine: its name, then "+Experiment" for a pass or
// "-Expansion 35..70 71" for a failure (window, value), TAB-separated. DH_WRITE_EXPECTED=DIR writes the files
// into DIR/golden instead of comparing.
#include "support/files.h"
#include "support/hostpose.h"
#include "support/pluginhost.h"
#include "support/scratchdir.h"
#include "corpuscases.h"
#include "framework/verifierregistry.h"
#include "tabulon/asciicase.h"
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

// The suite of a golden file: the suite whose name is the file's registry key, ignoring case.
std::string SuiteOf(const std::string& dataFile, const Report& report) {
  const wxString key = Varnel::RegistryKeyForDataFile(wxString::FromUTF8(dataFile));
  for (const Outcome& outcome : report.outcomes) {
    if (tabulon::AsciiUpper(wxString::FromUTF8(outcome.suite)) == key) return outcome.suite;
  }
  return "";
}

// For each golden file, one line per machine: the durations of the file as written, then of the file at time 0.
std::vector<std::string> DurationsOnEveryMachine(const std::vector<std::string>& goldenFiles) {
  ScratchDir atZero;
  std::vector<std::string> paths;
  for (const std::string& file : goldenFiles) {
    paths.push_back(file);
    paths.push_back(atZero.File(std::filesystem::path(file).filename().string()));
    WriteFile(paths.back(), AtTimeZero(ReadFile(file)));
  }
  std::vector<std::string> lines(goldenFiles.size());
  const std::pair<Machine, const char*> machines[] = {
      {Machine::BuildFarm, "build farm"}, {Machine::HostA, "host A"}, {Machine::HostB, "host B"}};
  for (const auto& [machine, machineName] : machines) {
    const Report report = RunThroughPlugin(paths, machine);
    for (std::size_t i = 0; i < goldenFiles.size(); ++i) {
      lines[i] += machineName;
      for (const std::string& duration : Durations(report.OfSuite(SuiteOf(goldenFiles[i], report)))) {
        lines[i] += '\t' + duration;
      }
      lines[i] += '\n';
    }
  }
  return lines;
}

TEST(DurationsByMachine, EveryGoldenFileGivesTheOutcomesKeptBesideIt) {
  const std::vector<std::string> goldenFiles = FilesIn(TestData("golden"), ".txt");
  const std::vector<std::string> actual = DurationsOnEveryMachine(goldenFiles);
  const std::string writeDirectory = corpus::WriteDirectory();
  for (std::size_t i = 0; i < goldenFiles.size(); ++i) {
    const std::filesystem::path kept = std::filesystem::path(goldenFiles[i]).replace_extension(".durations");
    if (!writeDirectory.empty()) {
      std::filesystem::create_directories(writeDirectory + "/golden");
      WriteFile(writeDirectory + "/golden/" + kept.filename().string(), actual[i]);
    } else if (!FileExists(kept.string())) {
      ADD_FAILURE() << "no durations beside " << goldenFiles[i] << " (make expected writes them)";
    } else {
      EXPECT_EQ(actual[i], ReadFile(kept.string())) << "durations of " << goldenFiles[i];
    }
  }
}

}  // namespace
