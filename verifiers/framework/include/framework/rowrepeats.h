#pragma once
#include <vector>
#include <wx/string.h>

class MUInterfaceMultiExperimentDataSource;

namespace Varnel {

// Comparisons of cells at fixed rows of one column, for checks of how the host orders what it randomizes.
// Rows outside the table read "?", so a short data file simply fails to match.

// Whether the cells at rows first, first + stride, ... (count of them) equal, one by one, the cells offset rows
// further down. Stops at the first inequality.
bool RowsRepeatAtOffset(const MUInterfaceMultiExperimentDataSource& reader, int column, int firstRow, int count,
                        int stride, int offset);

// How many of the copies, each a run of length rows starting at one of copyRows, repeat the reference run of
// length rows starting at referenceRow.
int CountCopiesOfRun(const MUInterfaceMultiExperimentDataSource& reader, int column, int referenceRow, int length,
                     const std::vector<int>& copyRows);

// Whether rows firstRow, firstRow + 1, ... hold exactly the texts, in order.
bool RowsHoldTexts(const MUInterfaceMultiExperimentDataSource& reader, int column, int firstRow,
                   const std::vector<wxString>& texts);

}  // namespace Varnel
