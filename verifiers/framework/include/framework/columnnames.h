#pragma once
#include <wx/string.h>

namespace Varnel {

// The host's two-line column headings that many verifiers read.
inline const wxString kEventNameColumn = "Event\nName";
inline const wxString kBlockNameColumn = "Block\nName";
inline const wxString kTrialNameColumn = "Trial\nName";

}  // namespace Varnel
