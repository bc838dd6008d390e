#pragma once
#include "sdk/stimareadata.h"
#include "tests/support/hostpose.h"
#include "tests/support/report.h"
#include <string>
#include <vector>

namespace testsupport {

class ScratchDir;

// A data file as column names (the two heading parts joined by a line feed) and rows of cells: a golden file read
// back, so that a variant differs from it only where a test says, or a small file a test makes up.
struct DataTable {
  std::vector<std::string> columns;
  std::vector<std::vector<std::string>> rows;

  // The golden data file of the experiment.
  static DataTable Golden(const std::string& experiment);

  std::string& Cell(int row, const std::string& column);
  // The expansion time, which the host writes into a column heading.
  void SetExpansionTime(int ms);
  // Writes the table as the experiment's data file into the directory; returns its path.
  std::string WriteAs(const std::string& experiment, const ScratchDir& directory) const;

 private:
  size_t ColumnIndex(const std::string& column) const;
};

// Hands the data files, one after the other, to one loaded plug-in while posing as the machine; returns the report.
Report RunThroughPlugin(const std::vector<std::string>& paths, Machine machine = Machine::Plain,
                        const Varnel::StimAreaList* stimAreas = nullptr);

// The duration outcomes in short: "+Experiment" for a pass, "-Expansion 35..70 71" for a failure (window, value).
std::vector<std::string> Durations(const std::vector<Outcome>& outcomes);

}  // namespace testsupport
