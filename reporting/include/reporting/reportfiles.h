#pragma once
#include "reporting/reportstamp.h"
#include <string>
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
// removed and never written through. 0 on success, else the error code of the failed creation.
int CreateExclusively(wxFile& file, const wxString& path);

// Tells on standard error, on one line, that the path could not be written and why.
void TellWriteFailure(const wxString& path, const wxString& reason);
// The system's text for an error code; a code of 0 says the system gave no reason.
wxString ErrorReason(int errorCode);
// The error a file call failed with: the injected one when there is one (see fileerrorinjection.h), else the file's.
int FileError(const wxFile& file, int injected);

// Renames from to to unless to already exists or from does not.
void MoveWithoutOverwriting(const wxString& from, const wxString& to);

// Writes one file so that it is never seen half written, even when the process dies meanwhile: the bytes go
// to TemporaryPathFor(path), created exclusively (a link planted there is removed, never followed), which is flushed
// to disk and then renamed over the target (a link at the target is replaced, not followed).
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(const wxString& path);
  // Removes the temporary file it created unless Commit succeeded.
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  void Append(const std::string& bytes) { Append(bytes.data(), bytes.size()); }
  void Append(const char* bytes, std::size_t count);
  // Writes what is buffered, flushes, closes and renames; false (after telling why) when any step failed.
  bool Commit();
  // The bytes appended so far.
  const ContentDigest& Digest() const { return digest_; }

 private:
  bool Open();
  bool WriteBuffered();
  // Tells the failure with the reason taken from the failing call itself.
  bool Fail(const char* what, const wxString& reason);

  const wxString target_;
  const wxString temporary_;
  // Found before anything is written: once the file is in place, nothing that can fail for want of memory is left.
  const std::string targetDirectory_;
  wxFile file_;
  std::string buffer_;
  ContentDigest digest_;
  bool ownsTemporary_ = false;  // from its creation until the rename moves it to the target
  bool failed_ = false;
};

// Writes the bytes to the path through an AtomicFileWriter.
bool WriteFileAtomically(const wxString& path, const std::string& bytes);

// Flushes the entries of the directory (in the system's own encoding, empty for the current one) to disk where the
// platform can; true where it cannot. Allocates nothing.
bool SyncDirectory(const std::string& directory);

}  // namespace Varnel
