#pragma once
#include <wx/string.h>

namespace Varnel {

// The location of a failure: a fixed prefix, the file text and the number of the reporting site.
wxString MakeTestLocation(const wxString& fileText, int lineNumber);

}  // namespace Varnel
