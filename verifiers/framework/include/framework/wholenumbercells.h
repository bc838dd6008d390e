#pragma once
#include <optional>
#include <wx/string.h>

class MUInterfaceMultiExperimentDataSource;

namespace Varnel {

// The host writes times and timer values as whole numbers in base 10. These read them the way the string class
// converts text to a long: none for any text that is not a whole number, "?" included.
std::optional<long> ReadWholeNumber(const wxString& text);
std::optional<long> ReadWholeNumberCell(const MUInterfaceMultiExperimentDataSource& reader, int row, int column);

// a - b and |a - b|, held at the limits of long instead of overflowing when a data file holds absurd numbers.
long Difference(long a, long b);
long Distance(long a, long b);

}  // namespace Varnel
