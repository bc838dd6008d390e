#pragma once
#include <wx/string.h>

namespace Varnel {

// Parts of the names of the site's machines on which some duration windows apply or are skipped. A machine
// matches when its host name contains the fragment, ignoring case.
extern const wxString kBuildFarmHost;
extern const wxString kHostNameA;
extern const wxString kHostNameB;

// The environment variable through which tests pose as another machine; nothing else sets it.
extern const char kHostNameOverrideVariable[];

// Whether this machine's host name contains the fragment, ignoring case.
bool IsRunningOnHost(const wxString& hostFragment);

}  // namespace Varnel
