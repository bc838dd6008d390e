#pragma once
#include "framework/wholecolumncomparison.h"
#include <wx/string.h>

namespace Varnel {

// The fixed series of 22 red and blue trials that the trial-subset experiments present, with the rows of their
// macro at the two places where it runs. The macro may write one row or several (one per imported macro); the
// colours may carry the suffix with which a second block names its events ("red1", "blue1").
ExpectedTexts RedBluePattern(const ExpectedTexts& macroRows, const wxString& red = "red",
                             const wxString& blue = "blue");

}  // namespace Varnel
