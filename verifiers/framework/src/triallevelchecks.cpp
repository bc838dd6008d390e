#include "framework/triallevelchecks.h"
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include <algorithm>

namespace Varnel {

const wxString kSortedInsteadOfShuffledSubject =
    "could fail VERY RARELY... the levels were in perfect SORTED order rather than random";
const wxString kSortedInsteadOfShuffledMessage =
    "probability dictates this will fail once in a BLUE MOON. normally we expect a SHUFFLED ordering";

namespace {
int Occurrences(const TextColumn& cells, const wxString& text) {
  return static_cast<int>(std::count(cells.begin(), cells.end(), text));
}
}  // namespace

bool EachLevelOccursExactly(const TextColumn& cells, const std::vector<wxString>& levels, int times) {
  return std::all_of(levels.begin(), levels.end(),
                     [&](const wxString& level) { return Occurrences(cells, level) == times; });
}

bool EveryLevelOccurs(const TextColumn& cells, const std::vector<wxString>& levels) {
  return std::all_of(levels.begin(), levels.end(), [&](const wxString& level) {
    return std::find(cells.begin(), cells.end(), level) != cells.end();
  });
}

bool DiffersFromSortedOrder(const TextColumn& cells, const std::vector<wxString>& sortedOrder) {
  const size_t compared = std::min(cells.size(), sortedOrder.size());
  for (size_t row = 0; row < compared; ++row) {
    if (cells[row] != sortedOrder[row]) return true;
  }
  return false;
}

float ProportionOfCellsEqualTo(const TextColumn& cells, const wxString& text) {
  if (cells.empty()) return 0.0f;
  const float matching = static_cast<float>(Occurrences(cells, text));
  return matching / static_cast<float>(cells.size());
}

wxString JoinCellsEachFollowedBy(const MUInterfaceMultiExperimentDataSource& reader, int column, int firstRow,
                                 int lastRow, const wxString& separator) {
  wxString joined;
  for (int row = firstRow; row <= lastRow; ++row) joined += reader.GetCellText(row, column) + separator;
  return joined;
}

std::vector<wxString> JoinColumnsPerRow(const MUInterfaceMultiExperimentDataSource& reader,
                                        const std::vector<int>& columns, const wxString& separator,
                                        std::size_t rowLimit) {
  std::vector<wxString> joined;
  const int rows = static_cast<int>(std::min(static_cast<std::size_t>(std::max(reader.GetRowCount(), 0)), rowLimit));
  for (int row = 0; row < rows; ++row) {
    wxString text;
    for (size_t i = 0; i < columns.size(); ++i) {
      if (i > 0) text += separator;
      text += reader.GetCellText(row, columns[i]);
    }
    joined.push_back(text);
  }
  return joined;
}

bool LevelsAreFollowedByTheirEvents(const MUInterfaceMultiExperimentDataSource& reader, int levelColumn,
                                    int eventColumn, const std::vector<int>& rows,
                                    const std::vector<LevelAndEvent>& levelEvents) {
  return FirstLevelNotFollowedByItsEvent(reader, levelColumn, eventColumn, rows, levelEvents).empty();
}

wxString FirstLevelNotFollowedByItsEvent(const MUInterfaceMultiExperimentDataSource& reader, int levelColumn,
                                         int eventColumn, const std::vector<int>& rows,
                                         const std::vector<LevelAndEvent>& levelEvents) {
  for (int row : rows) {
    const wxString level = reader.GetCellText(row, levelColumn);
    const auto known = std::find_if(levelEvents.begin(), levelEvents.end(),
                                    [&](const LevelAndEvent& entry) { return entry.first == level; });
    const wxString next = reader.GetCellText(row + 1, eventColumn);
    if (known == levelEvents.end())
      return wxString::Format("row %d holds the level {%s}, none of the known ones", row, level);
    if (next != known->second) {
      return wxString::Format("row %d holds the level {%s}; row %d holds {%s}, expected {%s}", row, level, row + 1,
                              next, known->second);
    }
  }
  return wxString();
}

}  // namespace Varnel
