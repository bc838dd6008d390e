#include "tabulon/rowsorting.h"
#include "tabulon/columnnames.h"
#include "tabulon/rowrecord.h"
#include <algorithm>
#include <functional>
#include <utility>

namespace tabulon {

namespace {

using EntryIterator = std::vector<RowSortEntry>::iterator;

constexpr std::uint32_t kNotShownBits = 4 | 8 | 16 | 32;

// What a text sort compares, read once per row instead of once per comparison.
struct TextSortItem {
  RowSortEntry entry;
  wxString text;
  double keys[3];
  bool covered;
};

using ItemIterator = std::vector<TextSortItem>::iterator;

// Each row's reaction time is read once, not once per comparison.
void SortByReactionTime(EntryIterator begin, EntryIterator end, bool descending) {
  std::vector<std::pair<double, RowSortEntry>> items;
  items.reserve(static_cast<std::size_t>(end - begin));
  for (auto row = begin; row != end; ++row) items.emplace_back(row->record->ReactionTime(), *row);
  std::stable_sort(items.begin(), items.end(), [descending](const auto& a, const auto& b) {
    return descending ? a.first > b.first : a.first < b.first;
  });
  std::transform(items.begin(), items.end(), begin, [](const auto& item) { return item.second; });
}

std::vector<TextSortItem> ReadSortItems(EntryIterator begin, EntryIterator end, const wxString& column) {
  std::vector<TextSortItem> items;
  items.reserve(static_cast<std::size_t>(end - begin));
  for (auto row = begin; row != end; ++row) {
    const RowRecord& record = *row->record;
    items.push_back({*row,
                     record.CellText(column),
                     {record.SortKey(column, 0), record.SortKey(column, 1), record.SortKey(column, 2)},
                     record.IsCoveredBySortKeys(column)});
  }
  return items;
}

template <typename Compare>
void SortByFullText(ItemIterator begin, ItemIterator end, Compare compare) {
  std::stable_sort(begin, end, [&](const TextSortItem& a, const TextSortItem& b) { return compare(a.text, b.text); });
}

// Least significant key first, so that the last pass decides and earlier passes break its ties.
template <typename Compare>
void SortByKeys(ItemIterator begin, ItemIterator end, Compare compare) {
  for (int part = 2; part >= 0; --part) {
    std::stable_sort(begin, end,
                     [&](const TextSortItem& a, const TextSortItem& b) { return compare(a.keys[part], b.keys[part]); });
  }
}

void SortAscending(std::vector<TextSortItem>& items) {
  const auto longTexts = std::stable_partition(items.begin(), items.end(), [](const auto& i) { return i.covered; });
  if (longTexts == items.begin()) {
    SortByFullText(items.begin(), items.end(), std::less<wxString>());
    return;
  }
  SortByFullText(longTexts, items.end(), std::less<wxString>());
  SortByKeys(items.begin(), items.end(), std::less<double>());
}

void SortDescending(std::vector<TextSortItem>& items) {
  const auto shortTexts = std::stable_partition(items.begin(), items.end(), [](const auto& i) { return !i.covered; });
  if (shortTexts == items.end()) {
    SortByFullText(items.begin(), items.end(), std::greater<wxString>());
    return;
  }
  SortByFullText(items.begin(), shortTexts, std::greater<wxString>());
  SortByKeys(items.begin(), items.end(), std::greater<double>());
}

void SortByText(EntryIterator begin, EntryIterator end, const wxString& column, bool descending) {
  std::vector<TextSortItem> items = ReadSortItems(begin, end, column);
  if (descending) {
    SortDescending(items);
  } else {
    SortAscending(items);
  }
  for (const auto& item : items) *begin++ = item.entry;
}

}  // namespace

void SortRowsByColumn(std::vector<RowSortEntry>& rows, const wxString& column, bool descending) {
  const auto hiddenRows = std::stable_partition(
      rows.begin(), rows.end(), [](const RowSortEntry& row) { return (row.record->flags & kNotShownBits) == 0; });
  if (column == ReactionTimeColumnName()) {
    SortByReactionTime(rows.begin(), hiddenRows, descending);
  } else {
    SortByText(rows.begin(), hiddenRows, column, descending);
  }
}

}  // namespace tabulon
