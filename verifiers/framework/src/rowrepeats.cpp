#include "framework/rowrepeats.h"
#include "tabulon/muinterfacemultiexperimentdatasource.h"

namespace Varnel {

bool RowsRepeatAtOffset(const MUInterfaceMultiExperimentDataSource& reader, int column, int firstRow, int count,
                        int stride, int offset) {
  for (int i = 0; i < count; ++i) {
    const int row = firstRow + i * stride;
    if (reader.GetCellText(row, column) != reader.GetCellText(row + offset, column)) return false;
  }
  return true;
}

int CountCopiesOfRun(const MUInterfaceMultiExperimentDataSource& reader, int column, int referenceRow, int length,
                     const std::vector<int>& copyRows) {
  int copies = 0;
  for (int copyRow : copyRows) {
    if (RowsRepeatAtOffset(reader, column, referenceRow, length, 1, copyRow - referenceRow)) ++copies;
  }
  return copies;
}

bool RowsHoldTexts(const MUInterfaceMultiExperimentDataSource& reader, int column, int firstRow,
                   const std::vector<wxString>& texts) {
  for (size_t i = 0; i < texts.size(); ++i) {
    if (reader.GetCellText(firstRow + static_cast<int>(i), column) != texts[i]) return false;
  }
  return true;
}

}  // namespace Varnel
