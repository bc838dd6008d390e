// Site settings at run time: "key = value" lines in dh-AutomatedTesting.ini beside the plug-in library, read with
// the toolkit's file configuration, and environment variables over them.
#include "framework/sitesettings.h"
#include "tabulon/datafilebytes.h"
#include "ownlibrary.h"
#include <cstdio>
#include <set>
#include <wx/fileconf.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/sstream.h>
#include <wx/utils.h>

namespace Varnel {

const char kSiteSettingsFileName[] = "dh-AutomatedTesting.ini";
const char kBuildFarmHostVariable[] = "DH_AUTOMATEDTESTING_BUILD_FARM_HOST";
const char kHostNameAVariable[] = "DH_AUTOMATEDTESTING_HOST_NAME_A";
const char kHostNameBVariable[] = "DH_AUTOMATEDTESTING_HOST_NAME_B";

namespace {

// A settings file is a few lines; anything larger is not one.
constexpr unsigned long long kMaxFileBytes = 64ULL * 1024;
constexpr std::size_t kMaxHostNameLength = 253;

struct SettingKey {
  const char* key;
  const char* variable;  // null: the file alone sets it
  SiteSetting SiteSettings::*member;
  bool isHostName;
};

const SettingKey kKeys[] = {
    {"build_farm_host", kBuildFarmHostVariable, &SiteSettings::buildFarmHost, true},
    {"host_name_a", kHostNameAVariable, &SiteSettings::hostNameA, true},
    {"host_name_b", kHostNameBVariable, &SiteSettings::hostNameB, true},
    {"junit_dir", nullptr, &SiteSettings::junitDir, false},
};

std::string Quoted(const wxString& text) { return "'" + text.utf8_string() + "'"; }

bool IsHostNameCharacter(wxUniChar c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_';
}

// Why the value cannot be that setting, or empty when it can. A machine's name is matched as a wildcard
// pattern, so only the characters of host names may reach it.
std::string ValueProblem(const SettingKey& key, const wxString& value) {
  if (value.empty()) return "an empty value";
  for (const wxUniChar c : value) {
    if (key.isHostName ? !IsHostNameCharacter(c) : c.GetValue() < 0x20 || c.GetValue() == 0x7f) {
      return Quoted(value) + (key.isHostName ? " is not a host name (letters, digits, '-', '.' and '_')"
                                             : " holds a control character");
    }
  }
  if (key.isHostName && value.length() > kMaxHostNameLength) return Quoted(value) + " is longer than a host name";
  return std::string();
}

const SettingKey* FindKey(const wxString& name) {
  for (const SettingKey& key : kKeys) {
    if (name == key.key) return &key;
  }
  return nullptr;
}

// Why the text is not a settings file, or empty when it is one: every line blank, a comment (';' or '#') or
// "key = value" with a known key, each key once.
std::string LinesProblem(const wxString& text) {
  std::set<wxString> seen;
  std::size_t number = 0;
  for (std::size_t start = 0; start <= text.length(); ++number) {
    std::size_t end = text.find('\n', start);
    if (end == wxString::npos) end = text.length();
    const wxString line = text.Mid(start, end - start).Trim(true).Trim(false);
    start = end + 1;
    const std::string where = "line " + std::to_string(number + 1) + ": ";
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line[0] == '[') return where + "sections are not used";
    const std::size_t equals = line.find('=');
    if (equals == wxString::npos) return where + Quoted(line) + " is not 'key = value'";
    const wxString name = line.Left(equals).Trim(true);
    if (FindKey(name) == nullptr) {
      return where + "unknown key " + Quoted(name) + " (known: build_farm_host, host_name_a, host_name_b, junit_dir)";
    }
    if (!seen.insert(name).second) return where + Quoted(name) + " is given twice";
  }
  return std::string();
}

// The file's text, or why it could not be read.
std::string ReadText(const wxString& path, wxString& text) {
  const tabulon::DataFileBytes file = tabulon::ReadDataFileBytes(path, kMaxFileBytes);
  switch (file.failure) {
    case tabulon::DataFileBytes::Failure::None:
      break;
    case tabulon::DataFileBytes::Failure::CannotOpen:
      return "cannot be read (system error " + std::to_string(file.systemError) + ")";
    case tabulon::DataFileBytes::Failure::NotRegular:
      return "is not a plain file";
    case tabulon::DataFileBytes::Failure::TooLarge:
      return "is larger than " + std::to_string(kMaxFileBytes) + " bytes";
  }
  text = wxString::FromUTF8(file.bytes.data(), file.bytes.size());
  if (text.empty() && !file.bytes.empty()) return "is not UTF-8 text";
  return std::string();
}

// Why the file is ignored, or empty when its settings are in force now.
std::string ApplyFile(const wxString& path, SiteSettings& settings) {
  wxString text;
  std::string problem = ReadText(path, text);
  if (problem.empty()) problem = LinesProblem(text);
  if (!problem.empty()) return problem;
  // The file was checked line by line above; the toolkit's own complaints would reach the host's log window.
  wxLogNull quiet;
  wxStringInputStream stream(text);
  wxFileConfig config(stream, wxConvUTF8);
  config.SetExpandEnvVars(false);
  SiteSettings read = settings;
  for (const SettingKey& key : kKeys) {
    wxString value;
    if (!config.Read(key.key, &value)) continue;
    problem = ValueProblem(key, value);
    if (!problem.empty()) return std::string(key.key) + ": " + problem;
    read.*key.member = SiteSetting{value, SettingSource::File};
  }
  settings = read;
  return std::string();
}

void ApplyEnvironment(SiteSettings& settings, std::vector<std::string>& problems) {
  for (const SettingKey& key : kKeys) {
    wxString value;
    if (key.variable == nullptr || !wxGetEnv(key.variable, &value)) continue;
    const std::string problem = ValueProblem(key, value);
    if (problem.empty()) {
      settings.*key.member = SiteSetting{value, SettingSource::Environment};
    } else {
      problems.push_back(std::string(key.variable) + " ignored: " + problem + "; " +
                         Quoted((settings.*key.member).value) + " holds");
    }
  }
}

SiteSettings ReadBesideOwnLibrary() {
  std::vector<std::string> problems;
  const wxString folder = FolderOfOwnLibrary();
  if (folder.empty()) problems.push_back("cannot tell the plug-in library's folder; no site settings file is read");
  SiteSettings settings = ReadSiteSettings(folder, problems);
  for (const std::string& problem : problems) std::fprintf(stderr, "dh-AutomatedTesting: %s\n", problem.c_str());
  return settings;
}

}  // namespace

const SiteSetting& SiteSettings::Of(SiteMachine machine) const {
  switch (machine) {
    case SiteMachine::HostA:
      return hostNameA;
    case SiteMachine::HostB:
      return hostNameB;
    case SiteMachine::BuildFarm:
      break;
  }
  return buildFarmHost;
}

bool SiteSettings::MachineNamesAreDefaults() const {
  return buildFarmHost.value == kDefaultBuildFarmHost && hostNameA.value == kDefaultHostNameA &&
         hostNameB.value == kDefaultHostNameB;
}

SiteSettings ReadSiteSettings(const wxString& folder, std::vector<std::string>& problems) {
  SiteSettings settings;
  if (!folder.empty()) {
    const wxString path = wxFileName(folder, kSiteSettingsFileName).GetFullPath();
    // A file that is not there is the usual case: the defaults, without a word.
    const bool there = wxFileName::Exists(path, wxFILE_EXISTS_ANY);
    const std::string problem = there ? ApplyFile(path, settings) : std::string();
    if (!problem.empty()) {
      problems.push_back("site settings " + Quoted(path) + " ignored, the compiled-in names hold: " + problem);
    }
  }
  ApplyEnvironment(settings, problems);
  return settings;
}

const SiteSettings& SiteSettingsInForce() {
  static const SiteSettings settings = ReadBesideOwnLibrary();
  return settings;
}

wxString SiteJunitDir() { return SiteSettingsInForce().junitDir.value; }

}  // namespace Varnel
