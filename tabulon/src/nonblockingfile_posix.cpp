#include "nonblockingfile.h"
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

NonBlockingFile::NonBlockingFile(const wxString& path) {
  // Without O_NONBLOCK, opening a FIFO waits for a writer; a regular file reads the same either way.
  const int fd = ::open(static_cast<const char*>(path.fn_str()), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  opened_ = fd >= 0;
  if (opened_) {
    handle_ = fd;
  } else {
    systemError_ = std::error_code(errno, std::generic_category());
  }
}

NonBlockingFile::~NonBlockingFile() {
  if (opened_) ::close(static_cast<int>(handle_));
}

NonBlockingFile::Status NonBlockingFile::Inspect() {
  struct stat status;
  if (::fstat(static_cast<int>(handle_), &status) != 0) {
    systemError_ = std::error_code(errno, std::generic_category());
    return {};
  }
  if (!S_ISREG(status.st_mode)) return {Kind::NotRegular, 0};
  return {Kind::Regular, static_cast<unsigned long long>(status.st_size)};
}

long long NonBlockingFile::Read(char* buffer, std::size_t count) {
  for (;;) {
    const ssize_t got = ::read(static_cast<int>(handle_), buffer, count);
    if (got >= 0) return got;
    if (errno != EINTR) break;
  }
  systemError_ = std::error_code(errno, std::generic_category());
  return -1;
}
