#pragma once
#include <vector>
#include <wx/string.h>

namespace Varnel {

// File operations of the printer. Failures are told on standard error with the path and the reason; they
// never reach the caller, since the printer runs inside the host.

// Creates the directory and its parents when missing.
void EnsureDirectoryExists(const wxString& directory);

// Whether the directory holds a file whose name begins with the prefix.
bool AnyFileStartsWith(const wxString& directory, const wxString& prefix);

// Writes the lines, each followed by the native line end, in UTF-8. The text goes to a temporary file in the
// same directory first, which then replaces the target, so the target is never seen half written, even when
// the process dies while writing.
bool WriteLinesAtomically(const wxString& path, const std::vector<wxString>& lines);

// Renames from to to unless to already exists or from does not.
void MoveWithoutOverwriting(const wxString& from, const wxString& to);

}  // namespace Varnel
