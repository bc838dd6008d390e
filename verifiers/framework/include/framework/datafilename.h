#pragma once
#include <wx/string.h>

namespace Varnel {

// The name part of a data file's path: no directory, no last extension, case kept ("x.vn5 P01" for
// "/runs/x.vn5 P01.txt"). Suites, failure names and the registry key are all made from it.
wxString DataFileNamePart(const wxString& dataFilePath);

}  // namespace Varnel
