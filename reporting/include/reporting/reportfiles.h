#pragma once
#include <string>
#include <system_error>
#include <vector>
#include <wx/file.h>
#include <wx/string.h>

namespace Varnel {

// File operations of the printer. Failures are told on standard error with the path and the reason; they
// never reach the caller, since the printer runs inside the host. The toolkit's own log stays quiet meanwhile.

// Creates the directory and its parents when missing.
void EnsureDirectoryExists(const wxString& directory);

// Whether the directory holds a file whose name begins with the prefix.
bool AnyFileStartsWith(const wxString& directory, const wxString& prefix);

// A name the printer writes with a process id in it: prefix, the id in decimal, suffix.
struct ProcessFileName {
  wxString prefix;
  wxString suffix;
};

// The temporary file a writer of this process instance uses for the path: "<path>.<instance token>.partial".
wxString TemporaryPathFor(const wxString& path);

// Removes the temporaries of the given names ("<name>.partial" or "<name>.<token>.partial") that writers of
// processes no longer running left in the directory, and this process instance's own. A temporary of this
// process id but another instance is left: another process of the same id may be writing it. Nothing else in
// the directory is touched, and nothing at all when the directory is reached through a link.
void RemoveLeftoverTemporaries(const wxString& directory, const std::vector<ProcessFileName>& names,
                               unsigned long ownProcessId);

// Creates the file for reading and writing, exclusively: whatever holds the name, a leftover or a planted link, is
// removed and never written through. The error of the failed creation, none when created.
std::error_code CreateExclusively(wxFile& file, const wxString& path);

// Tells on standard error, on one line, that the path could not be written and why.
void TellWriteFailure(const wxString& path, const wxString& reason);
// The system's text for an error; none says the system gave no reason.
wxString ErrorReason(std::error_code error);
// The error a file call failed with: the injected one when there is one (see fileerrorinjection.h), else the file's.
std::error_code FileError(const wxFile& file, std::error_code injected);

// Renames from to to unless to already exists or from does not.
void MoveWithoutOverwriting(const wxString& from, const wxString& to);

// Renames from over to in one step, replacing what to names without following a link there; the error, none when
// renamed.
std::error_code RenameReplacing(const wxString& from, const wxString& to);

}  // namespace Varnel
