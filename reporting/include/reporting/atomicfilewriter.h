#pragma once
#include "reporting/reportstamp.h"
#include <cstddef>
#include <string>
#include <wx/file.h>
#include <wx/string.h>

namespace Varnel {

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

}  // namespace Varnel
