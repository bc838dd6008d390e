#pragma once
#include <string>

namespace tabulon {

// Numbers with a fraction as text by fixed rules, the same under every locale: the C library's "%f" (and the
// toolkit's Format and GetHumanReadableSize, which use it) writes the locale's decimal separator, "0,42" under a
// German locale. These write what they write under the C locale.

// The value with `decimals` digits after a '.', rounded as "%.*f" rounds under the C locale.
std::string FixedDecimal(double value, int decimals);

// A size as people read it, as the toolkit's GetHumanReadableSize writes it under the C locale with "0 B" for
// nothing: "0 B", "1023 B", then one decimal of KB, MB, GB, TB, PB or EB (1024 of the one before each).
std::string ByteSizeText(unsigned long long bytes);

}  // namespace tabulon
