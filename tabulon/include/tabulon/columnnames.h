#pragma once
#include <cstdint>
#include <wx/string.h>

// The names the data-file library knows: the header marker keys, the host's standard columns and their kinds,
// and the column flags that follow from a name.

namespace tabulon {

// Every row carries its file's header values as cells under these keys.
extern const wxChar* const MarkerKey_Participant;     // line 1
extern const wxChar* const MarkerKey_FullPath;        // the data file as opened
extern const wxChar* const MarkerKey_FileName;        // name and extension, without directory
extern const wxChar* const MarkerKey_ExperimentName;  // line 2
extern const wxChar* const MarkerKey_RunDate;         // line 3

// Ends every constant list of names in the library.
extern const wxChar* const NameListTerminator;

struct StandardColumn {
  const wxChar* name;
  std::uint32_t kind;
};
// The host's standard columns in their order, ended by an entry named NameListTerminator.
const StandardColumn* StandardColumns();

// The kind of a column of that name: a standard column's kind, the run date marker's, otherwise 0 (unset).
std::uint32_t KnownColumnKind(const wxString& columnName);
// The column flag bits a column name implies.
std::uint32_t ColumnFlagsOfName(const wxString& columnName);

// The headings of the host's columns that name a row's block, trial and event: "Block\nName", "Trial\nName" and
// "Event\nName", as in StandardColumns.
const wxString& BlockNameColumnName();
const wxString& TrialNameColumnName();
const wxString& EventNameColumnName();

// "Reaction\nTime", the column whose cells are read as numbers and sorted as such.
const wxString& ReactionTimeColumnName();

// The name given to a data cell that has no column heading above it.
wxString MissingColumnName();

}  // namespace tabulon
