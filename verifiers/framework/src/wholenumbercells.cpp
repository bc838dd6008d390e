#include "framework/wholenumbercells.h"
#include "tabulon/muinterfacemultiexperimentdatasource.h"
#include <climits>

namespace Varnel {

std::optional<long> ReadWholeNumber(const wxString& text) {
  long converted = 0;
  if (!text.ToLong(&converted, 10)) return std::nullopt;
  return converted;
}

std::optional<long> ReadWholeNumberCell(const MUInterfaceMultiExperimentDataSource& reader, int row, int column) {
  return ReadWholeNumber(reader.GetCellText(row, column));
}

long Difference(long a, long b) {
  // a - b, held at the ends of the range where it would leave it.
  if (b < 0 && a > LONG_MAX + b) return LONG_MAX;
  if (b > 0 && a < LONG_MIN + b) return LONG_MIN;
  return a - b;
}

long Distance(long a, long b) {
  const long difference = Difference(a, b);
  if (difference == LONG_MIN) return LONG_MAX;
  return difference < 0 ? -difference : difference;
}

}  // namespace Varnel
