#include "framework/datafilename.h"
#include <wx/filename.h>

namespace Varnel {

wxString DataFileNamePart(const wxString& dataFilePath) { return wxFileName(dataFilePath, wxPATH_NATIVE).GetName(); }

}  // namespace Varnel
