#include "reporting/spillingbuffer.h"
#include "reporting/fileerrorinjection.h"
#include "reporting/reportfiles.h"
#include <algorithm>
#include <cerrno>
#include <wx/filefn.h>
#include <wx/log.h>

namespace Varnel {

namespace {

// What is read back at a time: small beside the memory limit, large enough for few calls.
constexpr std::size_t kReadChunk = std::size_t{64} << 10;

}  // namespace

SpillingBuffer::SpillingBuffer(const wxString& spillPath, std::size_t memoryLimit)
    : path_(spillPath), memoryLimit_(memoryLimit) {}

SpillingBuffer::~SpillingBuffer() {
  if (!file_.IsOpened()) return;
  wxLogNull quiet;
  file_.Close();
  wxRemoveFile(path_);
}

void SpillingBuffer::Append(const std::string& bytes) {
  if (failed_) return;
  memory_ += bytes;
  // Once in the file the bytes leave memory; a spill that failed has dropped them already.
  if (memory_.size() >= memoryLimit_ && Spill()) {
    memory_.clear();
    // One long text must not leave its size behind as the buffer's capacity.
    if (memory_.capacity() > 2 * memoryLimit_) memory_.shrink_to_fit();
  }
}

// Copies what is in memory to the end of the file, which is created on first need.
bool SpillingBuffer::Spill() {
  if (!file_.IsOpened()) {
    const std::error_code error = CreateExclusively(file_, path_);
    if (error) return Fail("cannot create the temporary file: ", ErrorReason(error));
  }
  wxLogNull quiet;
  const std::error_code injected = InjectedFileError();
  if (injected || file_.Seek(static_cast<wxFileOffset>(spilled_)) == wxInvalidOffset) {
    return Fail("cannot write: ", ErrorReason(FileError(file_, injected)));
  }
  // A write may take fewer bytes than offered without an error (a file-size limit reached midway); the next
  // one then fails and tells why.
  for (std::size_t written = 0; written < memory_.size();) {
    const std::error_code writeError = InjectedFileError();
    const std::size_t taken = writeError ? 0 : file_.Write(memory_.data() + written, memory_.size() - written);
    if (taken == 0) return Fail("cannot write: ", ErrorReason(FileError(file_, writeError)));
    written += taken;
    spilled_ += taken;
  }
  return true;
}

bool SpillingBuffer::CopyTo(AtomicFileWriter& writer, std::uint64_t from, std::uint64_t to) {
  if (failed_) return false;
  to = std::min(to, Size());
  if (from < spilled_) {
    wxLogNull quiet;
    const std::error_code injected = InjectedFileError();
    if (injected || file_.Seek(static_cast<wxFileOffset>(from)) == wxInvalidOffset) {
      return Fail("cannot read back: ", ErrorReason(FileError(file_, injected)));
    }
    std::string chunk(kReadChunk, '\0');
    for (const std::uint64_t end = std::min(to, spilled_); from < end;) {
      const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(end - from, kReadChunk));
      const std::error_code readError = InjectedFileError();
      const ssize_t read = readError ? wxInvalidOffset : file_.Read(&chunk[0], wanted);
      if (read == wxInvalidOffset) return Fail("cannot read back: ", ErrorReason(FileError(file_, readError)));
      // The file ends early only when something else cut it.
      if (read == 0) return Fail("cannot read back: ", "the file ends early");
      writer.Append(chunk.data(), static_cast<std::size_t>(read));
      from += static_cast<std::uint64_t>(read);
    }
  }
  if (from < to) writer.Append(memory_.data() + (from - spilled_), static_cast<std::size_t>(to - from));
  return true;
}

bool SpillingBuffer::Fail(const char* what, const wxString& reason) {
  failed_ = true;
  memory_.clear();
  memory_.shrink_to_fit();
  TellWriteFailure(path_, wxString(what) + reason);
  return false;
}

}  // namespace Varnel
