#pragma once
#include <wx/string.h>

namespace Varnel {

// Parts of the names of the site's machines on which some duration windows apply or are skipped. A machine
// matches when its host name contains the fragment, ignoring case. Inline, so that they are ready before any
// static object of a file that includes this header is built from them.
inline const wxString kBuildFarmHost = "dh-buildfarm";
inline const wxString kHostNameA = "dh-lab-rig-a";
inline const wxString kHostNameB = "dh-lab-rig-b";

// The environment variable through which tests pose as another machine; nothing else sets it.
extern const char kHostNameOverrideVariable[];

// Whether this machine's host name contains the fragment, ignoring case.
bool IsRunningOnHost(const wxString& hostFragment);

}  // namespace Varnel
