#pragma once
#include "site/hostnames.h"
#include <string>
#include <vector>
#include <wx/string.h>

namespace Varnel {

// Where a setting in force came from.
enum class SettingSource { Default, File, Environment };

struct SiteSetting {
  wxString value;
  SettingSource source = SettingSource::Default;
};

// What a site sets without rebuilding: the names of its machines and the folder of the build farm's report.
struct SiteSettings {
  SiteSetting buildFarmHost{kDefaultBuildFarmHost};
  SiteSetting hostNameA{kDefaultHostNameA};
  SiteSetting hostNameB{kDefaultHostNameB};
  SiteSetting junitDir;  // empty: none set

  const SiteSetting& Of(SiteMachine machine) const;
  // Whether all three machine names are the compiled-in ones.
  bool MachineNamesAreDefaults() const;
};

// The optional settings file beside the plug-in library, and the variables that override its machine names.
extern const char kSiteSettingsFileName[];
extern const char kBuildFarmHostVariable[];
extern const char kHostNameAVariable[];
extern const char kHostNameBVariable[];

// The settings file in the folder (none there: the defaults), then the environment's overrides. A malformed file
// is ignored as a whole and a malformed variable on its own; each adds a line to problems. Throws nothing but
// std::bad_alloc.
SiteSettings ReadSiteSettings(const wxString& folder, std::vector<std::string>& problems);

// The settings of the library this code is linked into, read from beside it on first use, when the problems go
// to standard error. Throws nothing but std::bad_alloc.
const SiteSettings& SiteSettingsInForce();

}  // namespace Varnel
