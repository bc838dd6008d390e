#include "tests/support/goldenvariant.h"
#include "tools/hostkit/hostpose.h"
#include "tests/support/datafile.h"
#include "tests/support/files.h"
#include "tests/support/pluginhost.h"
#include "tests/support/scratchdir.h"
#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace testsupport {

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string part;
  std::istringstream in(text);
  while (std::getline(in, part, separator)) parts.push_back(part);
  if (!text.empty() && text.back() == separator) parts.push_back("");
  return parts;
}

}  // namespace

DataTable DataTable::Golden(const std::string& experiment) {
  std::vector<std::string> lines = Split(ReadFile(TestData("golden/" + experiment + " P01.txt")), '\n');
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  DataTable table;
  const std::vector<std::string> first = Split(lines.at(4), '\t'), second = Split(lines.at(5), '\t');
  for (size_t i = 0; i < first.size(); ++i) {
    const std::string lower = i < second.size() ? second[i] : "";
    table.columns.push_back(lower.empty() ? first[i] : first[i] + "\n" + lower);
  }
  for (size_t i = 6; i < lines.size(); ++i) table.rows.push_back(Split(lines[i], '\t'));
  return table;
}

size_t DataTable::ColumnIndex(const std::string& column) const {
  for (size_t i = 0; i < columns.size(); ++i) {
    if (columns[i] == column) return i;
  }
  throw std::runtime_error("no column " + column);
}

std::string& DataTable::Cell(int row, const std::string& column) { return rows.at(row).at(ColumnIndex(column)); }

void DataTable::SetExpansionTime(int ms) {
  const std::string prefix = "Expansion Time(ms): ";
  for (std::string& column : columns) {
    if (column.rfind(prefix, 0) == 0) column = prefix + std::to_string(ms);
  }
}

std::string DataTable::WriteAs(const std::string& experiment, const ScratchDir& directory) const {
  const std::string path = directory.File(experiment + " P01.txt");
  WriteDataFile(path, columns, rows);
  return path;
}

Report RunThroughPlugin(const std::vector<std::string>& paths, Machine machine, const Varnel::StimAreaList* stimAreas) {
  hostkit::PosingAs posing(HostNameOf(machine));
  ScratchDir scratch;
  PluginHost plugin;
  for (const std::string& path : paths) plugin.PerformPostProcessing(path, stimAreas);
  return ReadReport(plugin.ReleaseTestPrinter());
}

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

}  // namespace testsupport
