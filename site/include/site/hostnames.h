#pragma once
#include <wx/string.h>

namespace Varnel {

// The site's machines on which some duration windows apply or are skipped; verifiers name them by these
// constants, the site settings (sitesettings.h) say which host names they go by, and runningonsitemachine.h tells
// whether this machine is one of them.
enum class SiteMachine { BuildFarm, HostA, HostB };
inline constexpr SiteMachine kBuildFarmHost = SiteMachine::BuildFarm;
inline constexpr SiteMachine kHostNameA = SiteMachine::HostA;
inline constexpr SiteMachine kHostNameB = SiteMachine::HostB;

// The compiled-in parts of their host names, in force unless the site settings name others. A machine matches
// when its host name contains the part, ignoring case. Inline, so that they are ready before any static object
// of a file that includes this header is built from them.
inline const wxString kDefaultBuildFarmHost = "dh-buildfarm";
inline const wxString kDefaultHostNameA = "dh-lab-rig-a";
inline const wxString kDefaultHostNameB = "dh-lab-rig-b";

// The environment variable through which tests pose as another machine; nothing else sets it.
extern const char kHostNameOverrideVariable[];

// Whether this machine's host name contains the fragment, ignoring case.
bool IsRunningOnHost(const wxString& hostFragment);

}  // namespace Varnel
