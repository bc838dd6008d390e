#include "reporting/maketestlocation.h"
#include <string>

namespace Varnel {

wxString MakeTestLocation(const wxString& fileText, int lineNumber) {
  // Put together without the toolkit's formatting, which cannot pass an allocation failure on.
  return wxString("Whichever/File/Focuses/On/Verifying/") + fileText + ":" + std::to_string(lineNumber);
}

}  // namespace Varnel
