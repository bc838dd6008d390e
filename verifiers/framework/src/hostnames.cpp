#include "framework/hostnames.h"
#include "framework/sitesettings.h"
#include <wx/utils.h>

namespace Varnel {

const char kHostNameOverrideVariable[] = "DH_AUTOMATEDTESTING_TEST_HOST_NAME";

namespace {
wxString MachineHostName() {
  wxString overridden;
  if (wxGetEnv(kHostNameOverrideVariable, &overridden)) return overridden;
  return wxGetHostName();
}
}  // namespace

bool IsRunningOnHost(const wxString& hostFragment) {
  return MachineHostName().Upper().Matches("*" + hostFragment.Upper() + "*");
}

bool IsRunningOnHost(SiteMachine machine) { return IsRunningOnHost(SiteSettingsInForce().Of(machine).value); }

}  // namespace Varnel
