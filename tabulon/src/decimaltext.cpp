#include "tabulon/decimaltext.h"
#include <charconv>

namespace tabulon {

std::string FixedDecimal(double value, int decimals) {
  // The longest double written in full: 309 digits before the point, the sign, the point and the decimals.
  char digits[400];
  const std::to_chars_result written =
      std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
  if (written.ec != std::errc()) return "(a number too long to show)";
  return std::string(digits, written.ptr);
}

std::string ByteSizeText(unsigned long long bytes) {
  if (bytes < 1024) return std::to_string(bytes) + " B";
  static const char* const kUnits[] = {"KB", "MB", "GB", "TB", "PB", "EB"};
  double size = static_cast<double>(bytes) / 1024.0;
  std::size_t unit = 0;
  while (size >= 1024.0 && unit + 1 < sizeof kUnits / sizeof kUnits[0]) {
    size /= 1024.0;
    ++unit;
  }
  return FixedDecimal(size, 1) + " " + kUnits[unit];
}

}  // namespace tabulon
