#include "verifiers/framework/macropresentedevents.h"
#include "tabulon/src/muinterfacemultiexperimentdatasource.h"
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

}  // namespace

bool EachMacroPresentedEventShownOnce(const MUInterfaceMultiExperimentDataSource& reader) {
  const std::vector<VariableValue>& values = ExpectedValues();
  std::vector<bool> seen(values.size(), false);
  int lastRow = -1;
  for (int row = 0; row < reader.GetRowCount(); ++row) {
    for (size_t i = 0; i < values.size(); ++i) {
      if (reader.GetCellText(row, reader.GetColumnIndex(*values[i].column)) == values[i].text) seen[i] = true;
    }
    lastRow = row;
  }
  for (bool wasSeen : seen) {
    if (!wasSeen) return false;
  }
  return lastRow == 2;
}

}  // namespace Varnel
