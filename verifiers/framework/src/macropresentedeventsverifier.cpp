#include "framework/macropresentedeventsverifier.h"
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include <vector>

namespace Varnel {

namespace {

struct VariableValue {
  const wxString* column;
  wxString text;
};

const std::vector<VariableValue>& ExpectedValues() {
  static const wxString fontColor = "Font Color\n(Trial Variable)";
  static const wxString location = "Screen Location\n(Trial Variable)";
  static const std::vector<VariableValue> values = {{&fontColor, "Red"}, {&fontColor, "Green"}, {&fontColor, "Blue"},
                                                    {&location, "one"},  {&location, "two"},    {&location, "three"}};
  return values;
}

std::vector<bool> SeenValues(const MUInterfaceMultiExperimentDataSource& reader) {
  const std::vector<VariableValue>& values = ExpectedValues();
  std::vector<bool> seen(values.size(), false);
  for (int row = 0; row < reader.GetRowCount(); ++row) {
    for (size_t i = 0; i < values.size(); ++i) {
      if (reader.GetCellText(row, reader.GetColumnIndex(*values[i].column)) == values[i].text) seen[i] = true;
    }
  }
  return seen;
}

}  // namespace

bool EachMacroPresentedEventShownOnce(const MUInterfaceMultiExperimentDataSource& reader) {
  for (bool wasSeen : SeenValues(reader)) {
    if (!wasSeen) return false;
  }
  return reader.GetRowCount() == 3;
}

wxString MacroPresentedEventsFinding(const MUInterfaceMultiExperimentDataSource& reader) {
  const std::vector<bool> seen = SeenValues(reader);
  wxString missing;
  for (size_t i = 0; i < seen.size(); ++i) {
    if (!seen[i]) missing += (missing.empty() ? "{" : ", {") + ExpectedValues()[i].text + "}";
  }
  return wxString::Format("found %d rows, expected 3; values no row shows: ", reader.GetRowCount()) +
         (missing.empty() ? wxString("none") : missing);
}

}  // namespace Varnel
