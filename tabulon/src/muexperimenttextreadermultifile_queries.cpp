// The reader's cached queries: rows and columns by flag bits, rows by predicate, distinct column values, and the
// empty-column hiding built on them.
#include "tabulon/muexperimenttextreadermultifile.h"
#include "tabulon/rowpredicate.h"
#include "tabulon/rowrecord.h"
#include <algorithm>
#include <set>
#include <utility>
#include <wx/datetime.h>
#include <wx/log.h>
#include <wx/translation.h>

using tabulon::ColumnsWhereBitsAbsentKey;
using tabulon::ColumnsWhereBitsHasXAbsentYKey;
using tabulon::ColumnsWhereBitsMatchKey;
using tabulon::DistinctValuesKey;
using tabulon::QueryKey;
using tabulon::RowRecord;
using tabulon::RowsWhereBitsAbsentKey;
using tabulon::RowsWhereBitsHasXAbsentYKey;
using tabulon::RowsWhereBitsMatchKey;
using tabulon::RowsWherePredicateKey;

namespace {

bool HasAll(std::uint32_t flags, std::uint32_t bits) { return (flags & bits) == bits; }
bool HasNone(std::uint32_t flags, std::uint32_t bits) { return (flags & bits) == 0; }

}  // namespace

void MUExperimentTextReaderMultiFile::ClearQueryCaches() {
  rowIndexCache_.Clear();
  predicateCache_.Clear();
  columnNameCache_.Clear();
  distinctValueCache_.Clear();
  if (cachingBroker_) cachingBroker_->Clear();
  markDependentKeys_.clear();
}

std::size_t MUExperimentTextReaderMultiFile::QueryCacheHits() const {
  return rowIndexCache_.Hits() + predicateCache_.Hits() + columnNameCache_.Hits() + distinctValueCache_.Hits();
}

void MUExperimentTextReaderMultiFile::ForgetMarkDependentResults() {
  for (const QueryKey& key : markDependentKeys_) rowIndexCache_.Erase(key);
  markDependentKeys_.clear();
}

template <typename Matches>
std::vector<int> MUExperimentTextReaderMultiFile::CachedRowIndices(const QueryKey& key, std::uint32_t involvedBits,
                                                                   int scope, Matches matches) {
  if ((involvedBits & tabulon::RowFlag::Marked) != 0) markDependentKeys_.push_back(key);
  if (auto cached = rowIndexCache_.Find(key)) return std::move(*cached);
  std::vector<int> indices;
  if (scope == tabulon::RowScope::Shown || scope == tabulon::RowScope::Unfiltered) {
    const RowSequence& sequence = SequenceOfScope(scope);
    for (std::size_t i = 0; i < sequence.size(); ++i) {
      const RowRecord* record = RecordOfKey(sequence[i]);
      if (record != nullptr && matches(record->flags)) indices.push_back(static_cast<int>(i));
    }
  } else {
    // In key order, so after a sort the indices are not ascending.
    for (std::size_t index = 0; index < rows_.Size(); ++index) {
      const RowRecord* record = rows_.Find(index);
      if (record != nullptr && matches(record->flags)) indices.push_back(record->positions[1]);
    }
  }
  rowIndexCache_.Store(key, indices);
  return indices;
}

std::vector<int> MUExperimentTextReaderMultiFile::GetRowIndicesWhereBitStringMatches(std::uint32_t bits, int scope) {
  return CachedRowIndices(RowsWhereBitsMatchKey(bits, scope), bits, scope,
                          [bits](std::uint32_t flags) { return HasAll(flags, bits); });
}

std::vector<int> MUExperimentTextReaderMultiFile::GetRowIndicesWhereBitStringAbsent(std::uint32_t bits, int scope) {
  return CachedRowIndices(RowsWhereBitsAbsentKey(bits, scope), bits, scope,
                          [bits](std::uint32_t flags) { return HasNone(flags, bits); });
}

std::vector<int> MUExperimentTextReaderMultiFile::GetRowIndicesWhereBitStringHasXAbsentY(std::uint32_t x,
                                                                                         std::uint32_t y, int scope) {
  return CachedRowIndices(RowsWhereBitsHasXAbsentYKey(x, y, scope), x | y, scope,
                          [x, y](std::uint32_t flags) { return HasAll(flags, x) && HasNone(flags, y); });
}

template <typename Matches>
std::vector<wxString> MUExperimentTextReaderMultiFile::CachedColumnNames(const QueryKey& key, Matches matches) {
  if (auto cached = columnNameCache_.Find(key)) return std::move(*cached);
  std::vector<wxString> names;
  for (const auto& column : columns_) {
    if (matches(column->flags)) names.push_back(column->name);
  }
  columnNameCache_.Store(key, names);
  return names;
}

std::vector<wxString> MUExperimentTextReaderMultiFile::GetColumnNamesWhereBitStringMatches(std::uint32_t bits) {
  return CachedColumnNames(ColumnsWhereBitsMatchKey(bits), [bits](std::uint32_t flags) { return HasAll(flags, bits); });
}

std::vector<wxString> MUExperimentTextReaderMultiFile::GetColumnNamesWhereBitStringAbsent(std::uint32_t bits) {
  return CachedColumnNames(ColumnsWhereBitsAbsentKey(bits),
                           [bits](std::uint32_t flags) { return HasNone(flags, bits); });
}

std::vector<wxString> MUExperimentTextReaderMultiFile::GetColumnNamesWhereBitStringHasXAbsentY(std::uint32_t x,
                                                                                               std::uint32_t y) {
  return CachedColumnNames(ColumnsWhereBitsHasXAbsentYKey(x, y),
                           [x, y](std::uint32_t flags) { return HasAll(flags, x) && HasNone(flags, y); });
}

std::vector<int> MUExperimentTextReaderMultiFile::GetRowIndicesWherePredicateReturnsTrue(
    const tabulon::RowPredicate& predicate, bool includeHidden) {
  const int scope = includeHidden ? tabulon::RowScope::All : tabulon::RowScope::Shown;
  const int length = static_cast<int>(SequenceOfScope(scope).size());
  if (length == 0) return {};
  return GetRowIndicesWherePredicateReturnsTrueInScope(predicate, scope, 0, length - 1);
}

std::vector<int> MUExperimentTextReaderMultiFile::GetRowIndicesWherePredicateReturnsTrue(
    const tabulon::RowPredicate& predicate, bool includeHidden, int first, int last) {
  return GetRowIndicesWherePredicateReturnsTrueInScope(
      predicate, includeHidden ? tabulon::RowScope::All : tabulon::RowScope::Shown, first, last);
}

std::vector<int> MUExperimentTextReaderMultiFile::GetRowIndicesWherePredicateReturnsTrueInScope(
    const tabulon::RowPredicate& predicate, int scope, int first, int last) {
  const RowSequence& sequence = SequenceOfScope(scope);
  const int length = static_cast<int>(sequence.size());
  if (first < 0) first = 0;
  if (last < 0) last = length - 1;
  if (first >= length || last >= length) return {};
  if (first > last) std::swap(first, last);
  if (!predicate.MayCacheResults() || scope == 3) return ComputePredicateRows(predicate, sequence, first, last);

  const QueryKey key =
      RowsWherePredicateKey(predicate.Description(), scope, static_cast<unsigned>(first), static_cast<unsigned>(last));
  if (auto cached = predicateCache_.Find(key)) return std::move(*cached);
  std::vector<int> indices = ComputePredicateRows(predicate, sequence, first, last);
  predicateCache_.Store(key, indices);
  return indices;
}

std::vector<int> MUExperimentTextReaderMultiFile::ComputePredicateRows(const tabulon::RowPredicate& predicate,
                                                                       const RowSequence& sequence, int first,
                                                                       int last) const {
  std::vector<int> indices;
  for (int i = first; i <= last; ++i) {
    const RowRecord* record = RecordAt(sequence, i);
    if (record != nullptr && predicate.Test(*record) == 1) indices.push_back(i);
  }
  return indices;
}

std::vector<wxString> MUExperimentTextReaderMultiFile::SelectDistinctPerColumn(const wxString& columnName, int scope,
                                                                               bool trim) {
  const QueryKey key = DistinctValuesKey(columnName, scope, trim);
  if (auto cached = distinctValueCache_.Find(key)) return std::move(*cached);
  std::vector<wxString> values = ComputeDistinctValues(columnName, scope, trim);
  distinctValueCache_.Store(key, values);
  return values;
}

std::vector<wxString> MUExperimentTextReaderMultiFile::ComputeDistinctValues(const wxString& columnName, int scope,
                                                                             bool trim) const {
  std::vector<wxString> values;
  std::set<wxString> seen;
  const RowSequence& sequence = SequenceOfScope(scope);
  for (std::size_t index = 0; index < sequence.size(); ++index) {
    const RowRecord* record = RecordOfKey(sequence[index]);
    if (record == nullptr) continue;
    wxString text = record->CellText(columnName);
    if (trim) text.Trim(true).Trim(false);
    if (seen.insert(text).second) values.push_back(text);
  }
  return values;
}

void MUExperimentTextReaderMultiFile::HideEmptyColumnsBasedOnCurrentlyShownRows() {
  if (shownRowCount_ == 0 || shownColumnCount_ == 0) return;
  wxLogVerbose(wxS("HideEmptyColumnsBasedOnCurrentlyShownRows: %s (%s)"), _("Hiding empty columns..."),
               wxDateTime::UNow().FormatISOCombined(' '));
  int hidden = 0;
  // Refresh gives every shown column name an entry of its own.
  for (std::size_t i = 0; i != shownColumnContent_.size(); ++i) {
    if (shownColumnContent_[i] == ColumnContent::Undecided) {
      const std::vector<wxString> values =
          SelectDistinctPerColumn(shownColumnNames_[i], tabulon::RowScope::Shown, true);
      const bool empty = values.size() == 1 && values.front().empty();
      shownColumnContent_[i] = empty ? ColumnContent::Empty : ColumnContent::HasContent;
    }
    if (shownColumnContent_[i] == ColumnContent::Empty) {
      HideColumn(shownColumnNames_[i]);
      ++hidden;
    }
  }
  wxLogVerbose(_("%d columns hidden."), hidden);
}
