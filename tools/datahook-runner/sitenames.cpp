#include "sitenames.h"
#include "site/sitesettings.h"
#include <vector>

namespace datahookrunner {

namespace {

std::string Shown(const Varnel::SiteSetting& setting, const char* variable) {
  const char* source = setting.source == Varnel::SettingSource::File          ? Varnel::kSiteSettingsFileName
                       : setting.source == Varnel::SettingSource::Environment ? variable
                                                                              : "compiled in";
  return "\"" + setting.value.utf8_string() + "\" (" + source + ")";
}

}  // namespace

std::string SiteNamesInForce(const std::string& pluginFolder) {
  std::vector<std::string> problemsToldByThePlugin;
  const Varnel::SiteSettings settings =
      Varnel::ReadSiteSettings(wxString::FromUTF8(pluginFolder), problemsToldByThePlugin);
  if (settings.MachineNamesAreDefaults()) return std::string();
  return "site names: build farm " + Shown(settings.buildFarmHost, Varnel::kBuildFarmHostVariable) + ", host A " +
         Shown(settings.hostNameA, Varnel::kHostNameAVariable) + ", host B " +
         Shown(settings.hostNameB, Varnel::kHostNameBVariable) + "\n";
}

}  // namespace datahookrunner
