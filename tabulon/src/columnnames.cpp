#include "tabulon/columnnames.h"
#include "tabulon/columnproperty.h"
#include <wx/intl.h>

namespace tabulon {

const wxChar* const MarkerKey_Participant = wxS("PNPNPN_PNPNPN_01zx");
const wxChar* const MarkerKey_FullPath = wxS("FFFFF1");
const wxChar* const MarkerKey_FileName = wxS("SFSFSF1");
const wxChar* const MarkerKey_ExperimentName = wxS("EXPEXPEXPEXPEXP");
const wxChar* const MarkerKey_RunDate = wxS("EXPDT_EXPDT_EXPDT_");
const wxChar* const NameListTerminator = wxS("<codeval>END_OF_LISTING</codeval>");

namespace {
const wxChar* const kBlockName = wxS("Block\nName");
const wxChar* const kTrialName = wxS("Trial\nName");
const wxChar* const kEventName = wxS("Event\nName");
}  // namespace

const StandardColumn* StandardColumns() {
  static const StandardColumn columns[] = {
      {wxS("Participant\nGroup"), ColumnKind_Text},
      {wxS("Participant\nName"), ColumnKind_Text},
      {kBlockName, ColumnKind_Text},
      {kTrialName, ColumnKind_Text},
      {kEventName, ColumnKind_Text},
      {wxS("Participant\nResponse"), ColumnKind_Text},
      {wxS("Key"), ColumnKind_Text},
      {wxS("Correct\nResponse"), ColumnKind_Text},
      {wxS("Error\nCode"), ColumnKind_Text},
      {wxS("Reaction\nTime"), ColumnKind_Numeric},
      {wxS("Reaction Time\n(Trial Variable)"), ColumnKind_Numeric},
      {wxS("Font Color\n(Trial Variable)"), ColumnKind_Text},
      {wxS("ISI Durations\n(Trial Variable)"), ColumnKind_Numeric},
      {wxS("Screen Location\n(Trial Variable)"), ColumnKind_Numeric},
      {wxS("Screen Location II\n(Trial Variable)"), ColumnKind_Numeric},
      {NameListTerminator, ColumnKind_Unset},
  };
  return columns;
}

std::uint32_t KnownColumnKind(const wxString& columnName) {
  const wxString terminator(NameListTerminator);
  for (const StandardColumn* column = StandardColumns(); terminator != column->name; ++column) {
    if (columnName == column->name) return column->kind;
  }
  if (columnName == MarkerKey_RunDate) return ColumnKind_DateTime;
  return ColumnKind_Unset;
}

std::uint32_t ColumnFlagsOfName(const wxString& columnName) {
  struct FlagRule {
    wxString substring;
    std::uint32_t bit;
  };
  static const FlagRule rules[] = {
      {wxString(wxS("\n")) + _("(Trial Variable)"), tabulon::ColumnFlag::TrialVariable},
      // A column that starts in the second heading row carries this prefix until its name is trimmed.
      {wxS("\t\n"), tabulon::ColumnFlag::FirstSegmentAbsent},
  };
  std::uint32_t flags = 0;
  for (const FlagRule& rule : rules) {
    if (columnName.find(rule.substring) != wxString::npos) flags |= rule.bit;
  }
  return flags;
}

const wxString& BlockNameColumnName() {
  static const wxString name(kBlockName);
  return name;
}

const wxString& TrialNameColumnName() {
  static const wxString name(kTrialName);
  return name;
}

const wxString& EventNameColumnName() {
  static const wxString name(kEventName);
  return name;
}

const wxString& ReactionTimeColumnName() {
  static const wxString name = _("Reaction\nTime");
  return name;
}

wxString MissingColumnName() { return _("[Missing\nCol Name]"); }

}  // namespace tabulon
