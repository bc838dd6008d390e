#include "reporting/filenamepart.h"

namespace Varnel {

wxString FileNamePart(const wxString& text) {
  wxString part;
  for (const wxUniChar ch : text) {
    const wxUniChar::value_type c = ch.GetValue();
    const bool plain =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.';
    part += plain ? ch : wxUniChar('_');
  }
  return part.empty() ? wxString("unknown") : part;
}

}  // namespace Varnel
