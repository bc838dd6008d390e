#include "framework/verifierlocation.h"
#include "reporting/maketestlocation.h"

namespace Varnel {

wxString VerifierLocation(const wxString& verifierName, int line) { return MakeTestLocation(verifierName, line); }

}  // namespace Varnel
