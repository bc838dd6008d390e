#include "reporting/atomicfilewriter.h"
#include <wx/filefn.h>
#include <wx/filename.h>
#include <wx/log.h>
#include "reporting/fileerrorinjection.h"
#include "reporting/reportfiles.h"
#include "reporting/syncdirectory.h"

namespace Varnel {

namespace {

// Large enough that a report goes out in few writes, small enough to cost nothing next to the report.
constexpr std::size_t kWriteChunk = 1 << 16;

// The file's directory as the system names it. A name the system cannot take gives an empty one, but then the
// file cannot be created either, so its directory is never flushed.
std::string NativeDirectoryOf(const wxString& path) {
  const wxCharBuffer name = wxFileName(path).GetPath().mb_str(*wxConvFileName);
  return name.data() == nullptr ? std::string() : std::string(name.data());
}

}  // namespace

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
  const std::error_code error = CreateExclusively(file_, temporary_);
  ownsTemporary_ = !error;
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
    const std::error_code injected = InjectedFileError();
    const std::size_t taken = injected ? 0 : file_.Write(buffer_.data() + written, buffer_.size() - written);
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
  std::error_code injected = InjectedFileError();
  if (injected || !file_.Flush()) return Fail("cannot flush: ", ErrorReason(FileError(file_, injected)));
  injected = InjectedFileError();
  // The descriptor goes even when closing fails.
  if (!file_.Close() || injected) return Fail("cannot close: ", ErrorReason(FileError(file_, injected)));
  const std::error_code renameError = RenameReplacing(temporary_, target_);
  ownsTemporary_ = static_cast<bool>(renameError);
  if (ownsTemporary_) return Fail("cannot replace the file: ", wxString::FromUTF8(renameError.message()));
  if (InjectedFileError() || !SyncDirectory(targetDirectory_)) {
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
