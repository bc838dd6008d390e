#pragma once
#include <wx/string.h>

namespace Varnel {

// The text as part of a file name on every system: each character but the ASCII letters and digits, '-' and '.'
// becomes '_'; an empty text becomes "unknown". The dashboard report's name holds the host name so.
wxString FileNamePart(const wxString& text);

}  // namespace Varnel
