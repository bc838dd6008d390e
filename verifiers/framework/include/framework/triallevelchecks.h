#pragma once
#include "framework/textcolumn.h"
#include <utility>
#include <vector>
#include <wx/string.h>

class MUInterfaceMultiExperimentDataSource;

namespace Varnel {

// Rules about the levels the host gives trial variables: how often each level is used, whether a random
// selection came out in some other order than the sorted one, and what proportion of rows a level takes.
// Cells are compared exactly (case-sensitive, no trimming).

// Whether each of the levels occurs exactly that many times among the cells; other texts are not looked at.
bool EachLevelOccursExactly(const TextColumn& cells, const std::vector<wxString>& levels, int times);

// Whether each of the levels occurs at least once among the cells.
bool EveryLevelOccurs(const TextColumn& cells, const std::vector<wxString>& levels);

// What a shuffle check reports when a random selection came out in the sorted order after all.
extern const wxString kSortedInsteadOfShuffledSubject;
extern const wxString kSortedInsteadOfShuffledMessage;

// Whether some cell differs from the entry of the sorted order at the same row. The host writes exactly as
// many rows as the order has entries; rows beyond the order are not compared (there is nothing to compare
// them with), and a short column is judged on the rows it has.
bool DiffersFromSortedOrder(const TextColumn& cells, const std::vector<wxString>& sortedOrder);

// The fraction of the cells that equal the text, in single precision; 0 when there are no cells at all, so
// an empty run is an ordinary, clearly reported miss instead of a quotient that is no number.
float ProportionOfCellsEqualTo(const TextColumn& cells, const wxString& text);

// The cells of rows firstRow to lastRow (both included) of one column, each followed by the separator. Rows
// outside the table read "?", so a short data file yields "?" pieces.
wxString JoinCellsEachFollowedBy(const MUInterfaceMultiExperimentDataSource& reader, int column, int firstRow,
                                 int lastRow, const wxString& separator);

// Row by row, for at most the first rowLimit rows, the cells of the columns joined with the separator between them
// (none after the last).
std::vector<wxString> JoinColumnsPerRow(const MUInterfaceMultiExperimentDataSource& reader,
                                        const std::vector<int>& columns, const wxString& separator,
                                        std::size_t rowLimit);

// A level of a trial variable and the event that a rule of the experiment presents when that level applies.
using LevelAndEvent = std::pair<wxString, wxString>;

// Whether, for every row in order, the level in levelColumn is one of the known levels and the next row's
// event (in eventColumn) is the event that goes with it. Stops at the first row that breaks the rule; a level
// that is none of the known ones (another case, empty, "?") breaks it.
bool LevelsAreFollowedByTheirEvents(const MUInterfaceMultiExperimentDataSource& reader, int levelColumn,
                                    int eventColumn, const std::vector<int>& rows,
                                    const std::vector<LevelAndEvent>& levelEvents);
// The first row that breaks that rule, told for the diagnostics; empty when none does.
wxString FirstLevelNotFollowedByItsEvent(const MUInterfaceMultiExperimentDataSource& reader, int levelColumn,
                                         int eventColumn, const std::vector<int>& rows,
                                         const std::vector<LevelAndEvent>& levelEvents);

}  // namespace Varnel
