// The site settings read by the plug-in: every case of testdata/site-settings.tsv, a settings file and a
// variable with what comes of them, the names applied or the message that says why the file or variable is
// ignored.
#include "support/files.h"
#include "support/scratchdir.h"
#include "site/sitesettings.h"
#include <gtest/gtest.h>
#include <wx/utils.h>

namespace {

using Varnel::SettingSource;
using Varnel::SiteSetting;

const char* const kVariables[] = {Varnel::kBuildFarmHostVariable, Varnel::kHostNameAVariable,
                                  Varnel::kHostNameBVariable};

// Sets the variable for the lifetime of the object, the settings' other variables unset.
class OnlyVariable {
 public:
  explicit OnlyVariable(const std::string& assignment) {
    for (const char* variable : kVariables) wxUnsetEnv(variable);
    const std::size_t equals = assignment.find('=');
    if (assignment != "-") setenv(assignment.substr(0, equals).c_str(), assignment.substr(equals + 1).c_str(), 1);
  }
  ~OnlyVariable() {
    for (const char* variable : kVariables) wxUnsetEnv(variable);
  }
  OnlyVariable(const OnlyVariable&) = delete;
  OnlyVariable& operator=(const OnlyVariable&) = delete;
};

std::string Outcome(const Varnel::SiteSettings& settings, const std::vector<std::string>& problems) {
  const std::pair<const char*, const SiteSetting*> named[] = {{"build_farm_host", &settings.buildFarmHost},
                                                              {"host_name_a", &settings.hostNameA},
                                                              {"host_name_b", &settings.hostNameB},
                                                              {"junit_dir", &settings.junitDir}};
  std::string outcome;
  for (const auto& [name, setting] : named) {
    if (setting->source == SettingSource::Default) continue;
    const char* source = setting->source == SettingSource::File ? "file" : "environment";
    outcome +=
        (outcome.empty() ? "" : "; ") + std::string(name) + "=" + setting->value.utf8_string() + " (" + source + ")";
  }
  for (const std::string& problem : problems) outcome += (outcome.empty() ? "" : "; ") + ("message: " + problem);
  return outcome.empty() ? "defaults" : outcome;
}

TEST(SiteSettings, EveryFileOfTheTableGivesItsOutcome) {
  for (const std::string& line :
       testsupport::Split(testsupport::ReadFile(testsupport::TestData("site-settings.tsv")), '\n')) {
    if (line.empty() || line[0] == '#') continue;
    const std::vector<std::string> fields = testsupport::Split(line, '\t');
    ASSERT_EQ(fields.size(), 4U) << line;
    const testsupport::ScratchDir scratch;
    if (fields[1] != "-")
      testsupport::WriteFile(scratch.File(Varnel::kSiteSettingsFileName), testsupport::Unescaped(fields[1]));
    const OnlyVariable variable(testsupport::Unescaped(fields[2]));
    std::vector<std::string> problems;
    const Varnel::SiteSettings settings = Varnel::ReadSiteSettings(wxString::FromUTF8(scratch.Path()), problems);
    std::string outcome = Outcome(settings, problems);
    EXPECT_EQ(testsupport::ReplaceAll(outcome, scratch.Path(), "@DIR@"), fields[3]) << fields[0];
  }
}

}  // namespace
