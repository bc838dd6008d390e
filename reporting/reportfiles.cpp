#include "reporting/reportfiles.h"
#include <cstdio>
#include <filesystem>
#include <string>
#include <wx/file.h>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/textfile.h>

namespace Varnel {

namespace {

void TellWriteFailure(const wxString& path, const wxString& reason) {
  const wxString workingDir = wxGetCwd();
  std::fprintf(stderr, "FakeJUnitPrinter failed to write to the file %s: %s (relative to the working directory %s)\n",
               static_cast<const char*>(path.utf8_str()), static_cast<const char*>(reason.utf8_str()),
               static_cast<const char*>(workingDir.utf8_str()));
}

// The system's reason for the last failed file operation.
wxString LastSystemError() { return wxSysErrorMsgStr(); }

}  // namespace

void EnsureDirectoryExists(const wxString& directory) {
  if (wxFileName::DirExists(directory)) return;
  if (!wxFileName::Mkdir(directory, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL)) {
    TellWriteFailure(directory, "the directory cannot be created");
  }
}

bool AnyFileStartsWith(const wxString& directory, const wxString& prefix) {
  if (!wxFileName::DirExists(directory)) return false;
  return !wxFindFirstFile(directory + prefix + "*", wxFILE).empty();
}

bool WriteLinesAtomically(const wxString& path, const std::vector<wxString>& lines) {
  const std::string lineEnd(wxString(wxTextFile::GetEOL()).utf8_str());
  std::string bytes;
  for (const wxString& line : lines) {
    bytes += line.utf8_str().data();
    bytes += lineEnd;
  }
  // The toolkit's own messages would only repeat the reason told here.
  wxLogNull quiet;
  const wxString temporary = path + ".partial";
  wxFile file;
  if (!file.Create(temporary, true)) {
    TellWriteFailure(path, LastSystemError());
    return false;
  }
  const bool ok = file.Write(bytes.data(), bytes.size()) == bytes.size() && file.Flush();
  if (!file.Close() || !ok) {
    TellWriteFailure(path, LastSystemError());
    wxRemoveFile(temporary);
    return false;
  }
  // The standard rename replaces an existing target in one step everywhere (MoveFileEx with replace-existing on
  // Windows); the toolkit's falls back to copying over the target there, which a reader can see half done.
  std::error_code error;
  std::filesystem::rename(std::filesystem::u8path(temporary.utf8_string()), std::filesystem::u8path(path.utf8_string()),
                          error);
  if (error) {
    TellWriteFailure(path, wxString::FromUTF8(error.message()));
    wxRemoveFile(temporary);
    return false;
  }
  return true;
}

void MoveWithoutOverwriting(const wxString& from, const wxString& to) {
  if (!wxFileName::FileExists(from) || wxFileName::FileExists(to)) return;
  wxLogNull quiet;
  if (!wxRenameFile(from, to, false)) TellWriteFailure(to, LastSystemError());
}

}  // namespace Varnel
