#include "framework/expectedcelltable.h"
#include "tabulon/muinterfacemultiexperimentdatasource.h"

namespace Varnel {

int ExpectedCellTable::CellCount() const {
  int count = 0;
  for (const std::vector<wxString>& row : texts) count += static_cast<int>(row.size());
  return count;
}

int CountMatchingCells(const MUInterfaceMultiExperimentDataSource& reader, const ExpectedCellTable& table) {
  std::vector<int> columnIndices;
  for (const wxString& column : table.columns) columnIndices.push_back(reader.GetColumnIndex(column));
  int matching = 0;
  for (size_t row = 0; row < table.texts.size(); ++row) {
    const std::vector<wxString>& expected = table.texts[row];
    for (size_t c = 0; c < expected.size() && c < columnIndices.size(); ++c) {
      if (reader.GetCellText(static_cast<int>(row), columnIndices[c]) == expected[c]) ++matching;
    }
  }
  return matching;
}

bool AllCellsMatch(const MUInterfaceMultiExperimentDataSource& reader, const ExpectedCellTable& table) {
  return CountMatchingCells(reader, table) == table.CellCount();
}

std::vector<wxString> CellTableFindings(const MUInterfaceMultiExperimentDataSource& reader,
                                        const ExpectedCellTable& table) {
  std::vector<wxString> findings = {
      wxString::Format("%d of %d expected cells match", CountMatchingCells(reader, table), table.CellCount())};
  std::vector<int> columnIndices;
  for (const wxString& column : table.columns) {
    columnIndices.push_back(reader.GetColumnIndex(column));
    if (columnIndices.back() < 0) findings.push_back("the data file has no column {" + column + "}");
  }
  const int rows = static_cast<int>(table.texts.size());
  if (reader.GetRowCount() < rows) {
    findings.push_back(wxString::Format("found %d data rows, expected at least %d", reader.GetRowCount(), rows));
  }
  for (int row = 0; row < rows && row < reader.GetRowCount(); ++row) {
    const std::vector<wxString>& expected = table.texts[static_cast<size_t>(row)];
    for (size_t c = 0; c < expected.size() && c < columnIndices.size(); ++c) {
      if (columnIndices[c] < 0) continue;
      const wxString found = reader.GetCellText(row, columnIndices[c]);
      if (found == expected[c]) continue;
      findings.push_back(wxString::Format("row %d, column {", row) + table.columns[c] + "}: expected {" + expected[c] +
                         "}, found {" + found + "}");
    }
  }
  return findings;
}

}  // namespace Varnel
