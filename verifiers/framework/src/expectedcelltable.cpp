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

}  // namespace Varnel
