#include "reporting/reportfiles.h"
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <vector>
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include <wx/process.h>
#include "reporting/fileerrorinjection.h"
#include "text/onelinetext.h"

namespace Varnel {

namespace {

const char kTemporarySuffix[] = ".partial";
// Large enough that a report goes out in few writes, small enough to cost nothing next to the report.
constexpr std::size_t kWriteChunk = 1 << 16;

// The standard rename replaces an existing target in one step everywhere (MoveFileEx with replace-existing on
// Windows) and never follows a link at the target; the toolkit's falls back to copying onto the target, which
// would follow a planted link and can be seen half done.
bool RenameReplacing(const wxString& from, const wxString& to, std::error_code& error) {
  if (const int injected = InjectedFileError()) {
    error.assign(injected, std::generic_category());
    return false;
  }
  std::filesystem::rename(std::filesystem::u8path(from.utf8_string()), std::filesystem::u8path(to.utf8_string()),
                          error);
  return !error;
}

bool IsDigit(wxUniChar ch) { return ch >= '0' && ch <= '9'; }

// The process id of a temporary file of one of the names, and the instance token its name carries (empty for
// "<name>.partial"); false when the file name is none of them.
bool ParseTemporaryName(const wxString& fileName, const std::vector<ProcessFileName>& names, unsigned long& processId,
                        std::string& token) {
  wxString stem;
  if (!fileName.EndsWith(kTemporarySuffix, &stem)) return false;
  token.clear();
  const int dot = stem.Find('.', true);
  if (dot != wxNOT_FOUND && IsInstanceToken(stem.Mid(dot + 1).utf8_string())) {
    token = stem.Mid(dot + 1).utf8_string();
    stem.Truncate(dot);
  }
  for (const ProcessFileName& name : names) {
    wxString digits;
    if (!stem.StartsWith(name.prefix, &digits) || !digits.EndsWith(name.suffix, &digits)) continue;
    // Ten digits at most, and no more than a process id can be: the number is read whole and asked about as is.
    if (digits.empty() || digits.length() > 10 || !std::all_of(digits.begin(), digits.end(), IsDigit)) continue;
    if (digits.ToULong(&processId) && processId <= static_cast<unsigned long>(INT_MAX)) return true;
  }
  return false;
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

// The file's directory as the system names it. A name the system cannot take gives an empty one, but then the
// file cannot be created either, so its directory is never flushed.
std::string NativeDirectoryOf(const wxString& path) {
  const wxCharBuffer name = wxFileName(path).GetPath().mb_str(*wxConvFileName);
  return name.data() == nullptr ? std::string() : std::string(name.data());
}

int OpenNew(const wxString& path) { return wxOpen(path, wxO_BINARY | O_RDWR | O_CREAT | O_EXCL, wxS_DEFAULT); }

}  // namespace

// One line, whatever the names hold.
void TellWriteFailure(const wxString& path, const wxString& reason) {
  const std::string workingDir = OneLineText(wxGetCwd().utf8_string());
  std::fprintf(stderr, "FakeJUnitPrinter failed to write to the file %s: %s (relative to the working directory %s)\n",
               OneLineText(path.utf8_string()).c_str(), OneLineText(reason.utf8_string()).c_str(), workingDir.c_str());
}

int FileError(const wxFile& file, int injected) { return injected != 0 ? injected : file.GetLastError(); }

// Taken from the failed call's own error code: other calls since may have changed errno.
wxString ErrorReason(int errorCode) {
  if (errorCode == 0) return "the system gave no reason";
  return wxString::FromUTF8(std::generic_category().message(errorCode));
}

int CreateExclusively(wxFile& file, const wxString& path) {
  if (const int injected = InjectedFileError()) return injected;
  wxLogNull quiet;
  int descriptor = OpenNew(path);
  if (descriptor < 0) {
    wxRemoveFile(path);
    descriptor = OpenNew(path);
  }
  if (descriptor < 0) return errno != 0 ? errno : EEXIST;
  file.Attach(descriptor);
  return 0;
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
    unsigned long processId = 0;
    std::string token;
    if (!ParseTemporaryName(wxFileName(path).GetFullName(), names, processId, token)) continue;
    // This instance writes nothing yet; an instance of another process is left while a process of its id runs.
    const bool ownInstance = processId == ownProcessId && (token.empty() || token == ProcessInstanceToken());
    // A leftover that stays harms no report; the next printer tries again.
    if (ownInstance || (processId != ownProcessId && !wxProcess::Exists(static_cast<int>(processId)))) {
      if (InjectedFileError() == 0) wxRemoveFile(path);
    }
  }
}

void MoveWithoutOverwriting(const wxString& from, const wxString& to) {
  if (!wxFileName::FileExists(from) || wxFileName::FileExists(to)) return;
  wxLogNull quiet;
  std::error_code error;
  if (!RenameReplacing(from, to, error)) TellWriteFailure(to, wxString::FromUTF8(error.message()));
}

AtomicFileWriter::AtomicFileWriter(const wxString& path)
    : target_(path), temporary_(TemporaryPathFor(path)), targetDirectory_(NativeDirectoryOf(path)) {
  failed_ = !Open();
}

AtomicFileWriter::~AtomicFileWriter() {
  if (!ownsTemporary_) return;
  wxLogNull quiet;
  file_.Close();
  wxRemoveFile(temporary_);
}

bool AtomicFileWriter::Open() {
  const int error = CreateExclusively(file_, temporary_);
  ownsTemporary_ = error == 0;
  return ownsTemporary_ || Fail("cannot create the temporary file: ", ErrorReason(error));
}

void AtomicFileWriter::Append(const char* bytes, std::size_t count) {
  if (failed_) return;
  buffer_.append(bytes, count);
  digest_.Add(bytes, count);
  if (buffer_.size() >= kWriteChunk) WriteBuffered();
}

bool AtomicFileWriter::WriteBuffered() {
  if (failed_) return false;
  wxLogNull quiet;
  // A write may take fewer bytes than offered without an error (a file-size limit reached midway); the next
  // one then fails and tells why.
  for (std::size_t written = 0; written < buffer_.size();) {
    const int injected = InjectedFileError();
    const std::size_t taken = injected != 0 ? 0 : file_.Write(buffer_.data() + written, buffer_.size() - written);
    if (taken == 0) return Fail("cannot write: ", ErrorReason(FileError(file_, injected)));
    written += taken;
  }
  buffer_.clear();
  return true;
}

bool AtomicFileWriter::Commit() {
  if (!WriteBuffered()) return false;
  wxLogNull quiet;
  // Flushed before the rename and the directory after it: a power loss then leaves the earlier file or
  // the whole new one, never an empty one.
  int injected = InjectedFileError();
  if (injected != 0 || !file_.Flush()) return Fail("cannot flush: ", ErrorReason(FileError(file_, injected)));
  injected = InjectedFileError();
  // The descriptor goes even when closing fails.
  if (!file_.Close() || injected != 0) return Fail("cannot close: ", ErrorReason(FileError(file_, injected)));
  std::error_code renameError;
  ownsTemporary_ = !RenameReplacing(temporary_, target_, renameError);
  if (ownsTemporary_) return Fail("cannot replace the file: ", wxString::FromUTF8(renameError.message()));
  if (InjectedFileError() != 0 || !SyncDirectory(targetDirectory_)) {
    TellWriteFailure(target_, "cannot flush its directory");
  }
  return true;
}

bool AtomicFileWriter::Fail(const char* what, const wxString& reason) {
  failed_ = true;
  TellWriteFailure(target_, wxString(what) + reason);
  return false;
}

bool WriteFileAtomically(const wxString& path, const std::string& bytes) {
  AtomicFileWriter writer(path);
  writer.Append(bytes);
  return writer.Commit();
}

}  // namespace Varnel
