#include "site/runningonsitemachine.h"
#include "site/sitesettings.h"

namespace Varnel {

bool IsRunningOnHost(SiteMachine machine) { return IsRunningOnHost(SiteSettingsInForce().Of(machine).value); }

}  // namespace Varnel
