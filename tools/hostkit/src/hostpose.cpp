#include "hostkit/hostpose.h"
#include "site/hostnames.h"
#include <wx/utils.h>

namespace hostkit {

PosingAs::PosingAs(const std::string& hostName) {
  wxSetEnv(Varnel::kHostNameOverrideVariable, wxString::FromUTF8(hostName));
}

PosingAs::~PosingAs() { wxUnsetEnv(Varnel::kHostNameOverrideVariable); }

}  // namespace hostkit
