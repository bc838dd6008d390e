#include "reporting/maketestlocation.h"

namespace Varnel {

wxString MakeTestLocation(const wxString& fileText, int lineNumber) {
  const wxString file = wxString("Whichever/File/Focuses/On/Verifying/") + fileText;
  return wxString::Format("%s:%d", file, lineNumber);
}

}  // namespace Varnel
