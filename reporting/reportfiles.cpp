#include "reporting/reportfiles.h"
#include "reporting/onelinetext.h"
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/process.h>
#include <wx/wxcrt.h>

namespace Varnel {

namespace {

const char kTemporarySuffix[] = ".partial";
// Large enough that a report goes out in few writes, small enough to cost nothing next to the report.
constexpr std::size_t kWriteChunk = 1 << 16;

// One line, whatever the names hold.
void TellWriteFailure(const wxString& path, const wxString& reason) {
  const std::string workingDir = OneLineText(wxGetCwd().utf8_string());
  std::fprintf(stderr, "FakeJUnitPrinter failed to write to the file %s: %s (relative to the working directory %s)\n",
               OneLineText(path.utf8_string()).c_str(), OneLineText(reason.utf8_string()).c_str(), workingDir.c_str());
}

// The standard rename replaces an existing target in one step everywhere (MoveFileEx with replace-existing on
// Windows) and never follows a link at the target; the toolkit's falls back to copying onto the target, which
// would follow a planted link and can be seen half done.
bool RenameReplacing(const wxString& from, const wxString& to, std::error_code& error) {
  std::filesystem::rename(std::filesystem::u8path(from.utf8_string()), std::filesystem::u8path(to.utf8_string()),
                          error);
  return !error;
}

// The reason of a failed call, from the error code it left; other calls since may have changed errno.
wxString Reason(int errorCode) {
  if (errorCode == 0) return "the system gave no reason";
  return wxString::FromUTF8(std::generic_category().message(errorCode));
}

// The process id in a temporary file's name: "<name>_<pid>.xml.partial" or "<name><pid>.dat.partial".
bool ProcessIdOfTemporary(const wxString& path, unsigned long& processId) {
  const wxString stem = wxFileName(path.Left(path.length() - wxStrlen(kTemporarySuffix))).GetName();
  std::size_t start = stem.length();
  while (start > 0 && wxIsdigit(stem[start - 1])) --start;
  return start < stem.length() && stem.Mid(start).ToULong(&processId);
}

// The file's directory as the system names it. A name the system cannot take gives an empty one, but then the
// file cannot be created either, so its directory is never flushed.
std::string NativeDirectoryOf(const wxString& path) {
  const wxCharBuffer name = wxFileName(path).GetPath().fn_str();
  return name.data() == nullptr ? std::string() : std::string(name.data());
}

}  // namespace

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

void RemoveLeftoverTemporaries(const wxString& directory, unsigned long ownProcessId) {
  if (!wxFileName::DirExists(directory)) return;
  wxLogNull quiet;
  std::vector<wxString> found;
  for (wxString path = wxFindFirstFile(directory + "*" + kTemporarySuffix, wxFILE); !path.empty();
       path = wxFindNextFile()) {
    found.push_back(path);
  }
  for (const wxString& path : found) {
    unsigned long processId = 0;
    if (!ProcessIdOfTemporary(path, processId)) continue;
    // Nothing of this process is being written yet; another process's file is left while that process runs.
    if (processId == ownProcessId || !wxProcess::Exists(static_cast<int>(processId))) wxRemoveFile(path);
  }
}

void MoveWithoutOverwriting(const wxString& from, const wxString& to) {
  if (!wxFileName::FileExists(from) || wxFileName::FileExists(to)) return;
  wxLogNull quiet;
  std::error_code error;
  if (!RenameReplacing(from, to, error)) TellWriteFailure(to, wxString::FromUTF8(error.message()));
}

AtomicFileWriter::AtomicFileWriter(const wxString& path)
    : target(path), temporary(path + kTemporarySuffix), targetDirectory(NativeDirectoryOf(path)) {
  failed = !Open();
}

AtomicFileWriter::~AtomicFileWriter() {
  if (committed || !file.IsOpened()) return;
  wxLogNull quiet;
  file.Close();
  wxRemoveFile(temporary);
}

bool AtomicFileWriter::Open() {
  wxLogNull quiet;
  if (file.Create(temporary, false)) return true;
  // Whatever holds the name, a leftover or a planted link, is removed and not written through.
  wxRemoveFile(temporary);
  if (file.Create(temporary, false)) return true;
  return Fail("cannot create the temporary file: ", Reason(file.GetLastError()));
}

void AtomicFileWriter::Append(const std::string& bytes) {
  if (failed) return;
  buffer += bytes;
  if (buffer.size() >= kWriteChunk) WriteBuffered();
}

bool AtomicFileWriter::WriteBuffered() {
  if (failed) return false;
  wxLogNull quiet;
  // A write may take fewer bytes than offered without an error (a file-size limit reached midway); the next
  // one then fails and tells why.
  for (std::size_t written = 0; written < buffer.size();) {
    const std::size_t taken = file.Write(buffer.data() + written, buffer.size() - written);
    if (taken == 0) return Fail("cannot write: ", Reason(file.GetLastError()));
    written += taken;
  }
  buffer.clear();
  return true;
}

bool AtomicFileWriter::Commit() {
  if (!WriteBuffered()) return false;
  wxLogNull quiet;
  // Flushed before the rename and the directory after it: a power loss then leaves the earlier file or
  // the whole new one, never an empty one.
  if (!file.Flush()) return Fail("cannot flush: ", Reason(file.GetLastError()));
  if (!file.Close()) return Fail("cannot close: ", Reason(file.GetLastError()));
  std::error_code renameError;
  if (!RenameReplacing(temporary, target, renameError)) {
    Fail("cannot replace the file: ", wxString::FromUTF8(renameError.message()));
    wxRemoveFile(temporary);
    return false;
  }
  committed = true;
  if (!SyncDirectory(targetDirectory)) TellWriteFailure(target, "cannot flush its directory");
  return true;
}

bool AtomicFileWriter::Fail(const char* what, const wxString& reason) {
  failed = true;
  TellWriteFailure(target, wxString(what) + reason);
  return false;
}

bool WriteFileAtomically(const wxString& path, const std::string& bytes) {
  AtomicFileWriter writer(path);
  writer.Append(bytes);
  return writer.Commit();
}

}  // namespace Varnel
