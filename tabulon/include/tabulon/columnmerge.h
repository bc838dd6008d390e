#pragma once
#include "tabulon/columnproperty.h"
#include <list>
#include <memory>
#include <vector>
#include <wx/string.h>

namespace tabulon {

// The reader's merged columns, in table order.
using ColumnList = std::list<std::unique_ptr<ColumnProperty>>;

// Takes one file's columns into the list. A column the list already has gains the file as a source; a new
// one is inserted before the next column the file shares with the list (insertNextTo) or appended.
void MergeColumnsInto(ColumnList& columns, ColumnPropertyQueue incoming, const wxString& path, bool insertNextTo);

// Marks the given files as present in every column they occur in; a column present in some file is no longer
// flagged as occurring only in absent files.
void ApplyColumnVisibility(ColumnList& columns, const std::vector<wxString>& presentPaths);

// Recomputes the absent-files flag of a column from its source entries.
void UpdateAbsentFilesFlag(ColumnProperty& column);

// The first column of exactly that name, or null.
ColumnProperty* FindColumn(const ColumnList& columns, const wxString& name);

}  // namespace tabulon
