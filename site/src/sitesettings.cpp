// Site settings at run time: "key = value" lines in dh-AutomatedTesting.ini beside the plug-in library, read by
// the strict rules below (the toolkit's file configuration would take a malformed file in part and rewrite
// backslashes), and environment variables over them.
#include "site/sitesettings.h"
#include "text/onelinetext.h"
#include "tabulon/asciicase.h"
#include "tabulon/datafilebytes.h"
#include "ownlibrary.h"
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <wx/filename.h>

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

// Values come from a file or the environment: shown escaped, so that no message grows a second line.
std::string Quoted(const wxString& text) { return "'" + OneLineText(text.utf8_string()) + "'"; }
std::string QuotedBytes(const std::string& bytes) { return "'" + OneLineText(bytes) + "'"; }

bool IsHostNameCharacter(wxUniChar c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_';
}

// Why the value cannot be that setting, or empty when it can. A machine's name is matched as a part of the host
// name, so only the characters of host names may reach it.
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

// Keys are matched ignoring the case of ASCII letters, as the host's settings files on Windows are.
const SettingKey* FindKey(const wxString& name) {
  for (const SettingKey& key : kKeys) {
    if (tabulon::EqualIgnoringAsciiCase(name, key.key)) return &key;
  }
  return nullptr;
}

bool IsBlankOrTab(wxUniChar c) { return c == ' ' || c == '\t'; }

// The text without the blanks and tabs around it.
wxString Stripped(const wxString& text) {
  std::size_t first = 0;
  std::size_t last = text.length();
  while (first < last && IsBlankOrTab(text[first])) ++first;
  while (last > first && IsBlankOrTab(text[last - 1])) --last;
  return text.Mid(first, last - first);
}

// The lines of the text: LF, CR LF and a lone CR each end one, as every editor takes them.
std::vector<wxString> Lines(const wxString& text) {
  std::vector<wxString> lines(1);
  for (std::size_t at = 0; at < text.length(); ++at) {
    const wxUniChar c = text[at];
    if (c != '\n' && c != '\r') {
      lines.back() += c;
      continue;
    }
    if (c == '\r' && at + 1 < text.length() && text[at + 1] == '\n') ++at;
    lines.emplace_back();
  }
  return lines;
}

// Why the line is not a settings line, or empty when it is one; a "key = value" line sets its key in `read`.
// The value is taken as written: a backslash is a character like any other, so a Windows path stays whole.
std::string ApplyLine(const wxString& line, std::set<const SettingKey*>& seen, SiteSettings& read) {
  if (line.empty() || line[0] == ';' || line[0] == '#') return std::string();
  if (line[0] == '[') return "sections are not used";
  const std::size_t equals = line.find('=');
  if (equals == wxString::npos) return Quoted(line) + " is not 'key = value'";
  const wxString name = Stripped(line.Left(equals));
  const SettingKey* key = FindKey(name);
  if (key == nullptr) {
    return "unknown key " + Quoted(name) + " (known: build_farm_host, host_name_a, host_name_b, junit_dir)";
  }
  if (!seen.insert(key).second) return Quoted(name) + " is given twice";
  const wxString value = Stripped(line.Mid(equals + 1));
  const std::string problem = ValueProblem(*key, value);
  if (!problem.empty()) return std::string(key->key) + ": " + problem;
  read.*key->member = SiteSetting{value, SettingSource::File};
  return std::string();
}

// Why the text is not a settings file, naming the line, or empty when it is one and `settings` hold its values:
// every line blank, a comment (';' or '#') or "key = value" with a known key, each key once.
std::string ApplyText(const wxString& text, SiteSettings& settings) {
  SiteSettings read = settings;
  std::set<const SettingKey*> seen;
  const std::vector<wxString> lines = Lines(text);
  for (std::size_t number = 0; number < lines.size(); ++number) {
    const std::string problem = ApplyLine(Stripped(lines[number]), seen, read);
    if (!problem.empty()) return "line " + std::to_string(number + 1) + ": " + problem;
  }
  settings = read;
  return std::string();
}

// A text read for the settings, or why it is not taken (then problem is not empty).
struct ReadSettingText {
  wxString text;
  std::string problem;
};

// The file's text without the byte-order mark an editor may put first, or why it could not be read.
ReadSettingText ReadText(const wxString& path) {
  const tabulon::DataFileBytes file = tabulon::ReadDataFileBytes(path, kMaxFileBytes);
  switch (file.failure) {
    case tabulon::DataFileBytes::Failure::None:
      break;
    case tabulon::DataFileBytes::Failure::CannotOpen:
      return {{}, "cannot be read (system error " + std::to_string(file.systemError.value()) + ")"};
    case tabulon::DataFileBytes::Failure::NotRegular:
      return {{}, "is not a plain file"};
    case tabulon::DataFileBytes::Failure::TooLarge:
      return {{}, "is larger than " + std::to_string(kMaxFileBytes) + " bytes"};
  }
  ReadSettingText read{wxString::FromUTF8(file.bytes.data(), file.bytes.size()), std::string()};
  if (read.text.empty() && !file.bytes.empty()) return {{}, "is not UTF-8 text"};
  if (!read.text.empty() && read.text[0] == wxUniChar(0xFEFF)) read.text.erase(0, 1);
  return read;
}

// Why the file is ignored, or empty when its settings are in force now.
std::string ApplyFile(const wxString& path, SiteSettings& settings) {
  const ReadSettingText read = ReadText(path);
  return read.problem.empty() ? ApplyText(read.text, settings) : read.problem;
}

// The variable's value, decoded as UTF-8 whatever the locale, or why it is not taken; none when it is not set.
std::optional<ReadSettingText> ReadVariable(const char* variable) {
  const char* bytes = std::getenv(variable);
  if (bytes == nullptr) return std::nullopt;
  ReadSettingText read{wxString::FromUTF8(bytes), std::string()};
  if (read.text.empty() && *bytes != '\0') read.problem = QuotedBytes(bytes) + " is not UTF-8 text";
  return read;
}

void ApplyEnvironment(SiteSettings& settings, std::vector<std::string>& problems) {
  for (const SettingKey& key : kKeys) {
    if (key.variable == nullptr) continue;
    const std::optional<ReadSettingText> read = ReadVariable(key.variable);
    if (!read) continue;
    const wxString& value = read->text;
    std::string problem = read->problem;
    if (problem.empty()) problem = ValueProblem(key, value);
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

}  // namespace Varnel
