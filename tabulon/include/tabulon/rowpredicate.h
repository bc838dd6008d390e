#pragma once
#include <wx/string.h>

namespace tabulon {

class RowRecord;

// A caller's condition on rows, for the reader's predicate queries. The reader does not own it.
class RowPredicate {
 public:
  virtual ~RowPredicate();
  // 1 when the condition holds for the row.
  virtual int Test(const RowRecord& record) const = 0;
  // The same condition applied to a single cell text, for callers that look at one column.
  virtual int TestCellText(const wxString& cellText) const = 0;
  // False when the answer may change without the reader's data changing, so it must not be cached.
  virtual bool MayCacheResults() const = 0;
  // Identifies the condition inside cache keys: equal descriptions must mean equal conditions.
  virtual wxString Description() const = 0;
};

}  // namespace tabulon
