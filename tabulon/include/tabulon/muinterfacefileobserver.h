#pragma once

namespace tabulon {
class CommandEvent;
}  // namespace tabulon

// Something that shows a reader's table and must hear when it changes.
class MUInterfaceFileObserver {
 public:
  // The table was refreshed: its shown row and column counts, the number of all rows, and the first row and
  // column index that changed (-1 when none did).
  virtual void OnTableChanged(int shownRowCount, int shownColumnCount, int allRowCount, int firstChangedRow,
                              int firstChangedColumn) = 0;
  // A command event about the file set: the reader's own data-changed event, or a request to select or
  // deselect files (paths one per line in the event's string, select when its integer is non-zero).
  virtual void SimultaneousFileRequestsSuppressAndUnsuppress(tabulon::CommandEvent& event) = 0;
  virtual ~MUInterfaceFileObserver();
};
