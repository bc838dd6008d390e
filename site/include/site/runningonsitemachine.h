#pragma once
#include "site/hostnames.h"

namespace Varnel {

// Whether this machine's host name contains the name in force for the site's machine, ignoring case; the first
// call reads the site settings, so it may throw std::bad_alloc.
bool IsRunningOnHost(SiteMachine machine);

}  // namespace Varnel
