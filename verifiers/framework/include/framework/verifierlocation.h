#pragma once
#include <wx/string.h>

namespace Varnel {

// The location of a verifier's failure, as the report shows it: the verifier's name and the line of the site.
wxString VerifierLocation(const wxString& verifierName, int line);

}  // namespace Varnel
