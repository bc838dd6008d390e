#include "tabulon/columnmerge.h"
#include <algorithm>

namespace tabulon {

namespace {

// One step along the list, wrapping from past the last column to the first.
ColumnList::iterator StepWrapping(ColumnList& columns, ColumnList::iterator position) {
  if (position != columns.end()) ++position;
  if (position == columns.end()) position = columns.begin();
  return position;
}

ColumnList::iterator FindByName(ColumnList& columns, ColumnList::iterator from, const wxString& name,
                                std::size_t& passed) {
  passed = 0;
  for (; from != columns.end(); ++from, ++passed) {
    if ((*from)->name == name) return from;
  }
  return columns.end();
}

void EnterSourceFile(ColumnProperty& column, const SharedPath& path) {
  for (auto& source : column.sourceFiles) {
    if (*source.first == *path) {
      source.second = 0;
      return;
    }
  }
  column.sourceFiles.emplace_back(path, 0);
}

void MergeNextTo(ColumnList& columns, ColumnPropertyQueue& incoming, const SharedPath& path) {
  ColumnList::iterator insertAt = columns.begin();
  ColumnList::iterator searchFrom = columns.begin();
  for (auto& column : incoming) {
    if (!column) continue;
    std::size_t passed = 0;
    const ColumnList::iterator match = FindByName(columns, searchFrom, column->name, passed);
    if (match != columns.end()) {
      EnterSourceFile(**match, path);
      column.reset();
      insertAt = std::next(match);
    } else {
      columns.insert(insertAt, std::move(column));
    }
    if (passed == 0) searchFrom = StepWrapping(columns, searchFrom);
  }
}

void MergeAppending(ColumnList& columns, ColumnPropertyQueue& incoming, const SharedPath& path) {
  for (auto& column : incoming) {
    if (!column) continue;
    if (ColumnProperty* existing = FindColumn(columns, column->name)) {
      EnterSourceFile(*existing, path);
    } else {
      columns.push_back(std::move(column));
    }
  }
}

}  // namespace

void MergeColumnsInto(ColumnList& columns, ColumnPropertyQueue incoming, const wxString& path, bool insertNextTo) {
  if (columns.empty()) {
    // A file's own names are unique, so into an empty list both ways append every column in order; searching
    // the list for each would take a time that grows with the square of the columns.
    for (auto& column : incoming) {
      if (column) columns.push_back(std::move(column));
    }
    return;
  }
  const SharedPath shared = std::make_shared<const wxString>(path);
  if (insertNextTo) {
    MergeNextTo(columns, incoming, shared);
  } else {
    MergeAppending(columns, incoming, shared);
  }
}

void UpdateAbsentFilesFlag(ColumnProperty& column) {
  const bool presentSomewhere = std::any_of(column.sourceFiles.begin(), column.sourceFiles.end(),
                                            [](const auto& source) { return source.second == 0; });
  if (presentSomewhere) {
    column.flags &= ~static_cast<std::uint32_t>(tabulon::ColumnFlag::NotInPresentFile);
  } else {
    column.flags |= tabulon::ColumnFlag::NotInPresentFile;
  }
}

void ApplyColumnVisibility(ColumnList& columns, const std::vector<wxString>& presentPaths) {
  for (auto& column : columns) {
    bool anyPresent = false;
    for (auto& source : column->sourceFiles) {
      if (std::find(presentPaths.begin(), presentPaths.end(), *source.first) != presentPaths.end()) source.second = 0;
      anyPresent = anyPresent || source.second == 0;
    }
    if (anyPresent) column->flags &= ~static_cast<std::uint32_t>(tabulon::ColumnFlag::NotInPresentFile);
  }
}

ColumnProperty* FindColumn(const ColumnList& columns, const wxString& name) {
  for (const auto& column : columns) {
    if (column->name == name) return column.get();
  }
  return nullptr;
}

}  // namespace tabulon
