#pragma once
#include <cstddef>
#include <cstdint>
#include <system_error>
#include <wx/string.h>

// A file opened for reading that never makes the caller wait: opening a FIFO without a writer or a device returns
// at once. The toolkit opens files only in blocking mode, so each system has its own file behind this one.
class NonBlockingFile {
 public:
  enum class Kind {
    Regular,     // a plain file; size holds its size
    NotRegular,  // a directory, FIFO, device or anything else
    Unknown,     // the system could not tell; SystemError() says why
  };
  struct Status {
    Kind kind = Kind::Unknown;
    unsigned long long size = 0;
  };

  // Opens the file; IsOpen() and SystemError() tell how it went.
  explicit NonBlockingFile(const wxString& path);
  ~NonBlockingFile();
  NonBlockingFile(const NonBlockingFile&) = delete;
  NonBlockingFile& operator=(const NonBlockingFile&) = delete;

  bool IsOpen() const { return opened_; }
  // The system's error of the last failure.
  std::error_code SystemError() const { return systemError_; }
  // What the open handle is, checked through the handle itself.
  Status Inspect();
  // Up to count bytes into buffer; 0 at the end, -1 with SystemError() set on a failure.
  long long Read(char* buffer, std::size_t count);

 private:
  std::intptr_t handle_ = -1;  // the system's handle or file descriptor
  bool opened_ = false;
  std::error_code systemError_;
};
