#include "framework/savedmousecolumnsverifier.h"
#include "tabulon/muinterfacemultiexperimentdatasource.h"

namespace Varnel {

const std::vector<wxString>& SavedMouseColumnNames() {
  static const std::vector<wxString> names = {"Key", "Pressed Or\nReleased", "X\nPosition", "Y\nPosition"};
  return names;
}

bool SavedMouseColumnsPresent(const MUInterfaceMultiExperimentDataSource& reader) {
  for (const wxString& column : SavedMouseColumnNames()) {
    if (reader.GetColumnIndex(column) < 1) return false;
  }
  return true;
}

wxString MissingSavedMouseColumns(const MUInterfaceMultiExperimentDataSource& reader) {
  wxString missing;
  for (const wxString& column : SavedMouseColumnNames()) {
    if (reader.GetColumnIndex(column) < 1) missing += (missing.empty() ? "{" : ", {") + column + "}";
  }
  return missing;
}

}  // namespace Varnel
