#include "reporting/reportfiles.h"
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/process.h>
#include "reporting/fileerrorinjection.h"
#include "reporting/reportstamp.h"
#include "text/onelinetext.h"

namespace Varnel {

namespace {

const char kTemporarySuffix[] = ".partial";
bool IsDigit(wxUniChar ch) { return ch >= '0' && ch <= '9'; }

// What the name of a temporary file tells: the process id, and the instance token (empty for "<name>.partial").
struct TemporaryName {
  unsigned long processId = 0;
  std::string token;
};

// None when the file name is that of no temporary file of the names.
std::optional<TemporaryName> ParseTemporaryName(const wxString& fileName, const std::vector<ProcessFileName>& names) {
  wxString stem;
  if (!fileName.EndsWith(kTemporarySuffix, &stem)) return std::nullopt;
  TemporaryName parsed;
  const int dot = stem.Find('.', true);
  if (dot != wxNOT_FOUND && IsInstanceToken(stem.Mid(dot + 1).utf8_string())) {
    parsed.token = stem.Mid(dot + 1).utf8_string();
    stem.Truncate(dot);
  }
  for (const ProcessFileName& name : names) {
    wxString digits;
    if (!stem.StartsWith(name.prefix, &digits) || !digits.EndsWith(name.suffix, &digits)) continue;
    // Ten digits at most, and no more than a process id can be: the number is read whole and asked about as is.
    if (digits.empty() || digits.length() > 10 || !std::all_of(digits.begin(), digits.end(), IsDigit)) continue;
    if (digits.ToULong(&parsed.processId) && parsed.processId <= static_cast<unsigned long>(INT_MAX)) return parsed;
  }
  return std::nullopt;
}

// Whether any part of the relative directory path is a link: a clean-up through it would reach another folder.
bool ReachedThroughLink(const wxString& directory) {
  std::filesystem::path walked;
  for (const std::filesystem::path& part : std::filesystem::u8path(directory.utf8_string())) {
    if (part.empty() || part == ".") continue;
    walked /= part;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(walked, error);
    if (error || std::filesystem::is_symlink(status)) return true;
  }
  return false;
}

int OpenNew(const wxString& path) { return wxOpen(path, wxO_BINARY | O_RDWR | O_CREAT | O_EXCL, wxS_DEFAULT); }

}  // namespace

// One line, whatever the names hold.
void TellWriteFailure(const wxString& path, const wxString& reason) {
  const std::string workingDir = OneLineText(wxGetCwd().utf8_string());
  std::fprintf(stderr, "FakeJUnitPrinter failed to write to the file %s: %s (relative to the working directory %s)\n",
               OneLineText(path.utf8_string()).c_str(), OneLineText(reason.utf8_string()).c_str(), workingDir.c_str());
}

// Taken from the failed call's own error code: other calls since may have changed errno.
std::error_code FileError(const wxFile& file, std::error_code injected) {
  if (injected) return injected;
  return {file.GetLastError(), std::generic_category()};
}

wxString ErrorReason(std::error_code error) {
  if (!error) return "the system gave no reason";
  return wxString::FromUTF8(error.message());
}

std::error_code CreateExclusively(wxFile& file, const wxString& path) {
  if (const std::error_code injected = InjectedFileError()) return injected;
  wxLogNull quiet;
  int descriptor = OpenNew(path);
  if (descriptor < 0) {
    wxRemoveFile(path);
    descriptor = OpenNew(path);
  }
  if (descriptor < 0) return {errno != 0 ? errno : EEXIST, std::generic_category()};
  file.Attach(descriptor);
  return {};
}

void EnsureDirectoryExists(const wxString& directory) {
  if (wxFileName::DirExists(directory)) return;
  wxLogNull quiet;
  if (!wxFileName::Mkdir(directory, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL)) {
    TellWriteFailure(directory, "the directory cannot be created");
  }
}

bool AnyFileStartsWith(const wxString& directory, const wxString& prefix) {
  if (!wxFileName::DirExists(directory)) return false;
  return !wxFindFirstFile(directory + prefix + "*", wxFILE).empty();
}

wxString TemporaryPathFor(const wxString& path) {
  return path + "." + wxString::FromUTF8(ProcessInstanceToken()) + kTemporarySuffix;
}

void RemoveLeftoverTemporaries(const wxString& directory, const std::vector<ProcessFileName>& names,
                               unsigned long ownProcessId) {
  if (!wxFileName::DirExists(directory) || ReachedThroughLink(directory)) return;
  wxLogNull quiet;
  std::vector<wxString> found;
  for (wxString path = wxFindFirstFile(directory + "*" + kTemporarySuffix, wxFILE); !path.empty();
       path = wxFindNextFile()) {
    found.push_back(path);
  }
  for (const wxString& path : found) {
    const std::optional<TemporaryName> parsed = ParseTemporaryName(wxFileName(path).GetFullName(), names);
    if (!parsed) continue;
    const unsigned long processId = parsed->processId;
    const std::string& token = parsed->token;
    // This instance writes nothing yet; an instance of another process is left while a process of its id runs.
    const bool ownInstance = processId == ownProcessId && (token.empty() || token == ProcessInstanceToken());
    // A leftover that stays harms no report; the next printer tries again.
    if (ownInstance || (processId != ownProcessId && !wxProcess::Exists(static_cast<int>(processId)))) {
      if (!InjectedFileError()) wxRemoveFile(path);
    }
  }
}

void MoveWithoutOverwriting(const wxString& from, const wxString& to) {
  if (!wxFileName::FileExists(from) || wxFileName::FileExists(to)) return;
  wxLogNull quiet;
  const std::error_code error = RenameReplacing(from, to);
  if (error) TellWriteFailure(to, wxString::FromUTF8(error.message()));
}

// The standard rename replaces an existing target in one step everywhere (MoveFileEx with replace-existing on
// Windows) and never follows a link at the target; the toolkit's falls back to copying onto the target, which
// would follow a planted link and can be seen half done.
std::error_code RenameReplacing(const wxString& from, const wxString& to) {
  if (const std::error_code injected = InjectedFileError()) return injected;
  std::error_code error;
  std::filesystem::rename(std::filesystem::u8path(from.utf8_string()), std::filesystem::u8path(to.utf8_string()),
                          error);
  return error;
}

}  // namespace Varnel
