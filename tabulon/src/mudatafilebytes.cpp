#include "tabulon/mudatafilebytes.h"
#include <wx/platform.h>
// The toolkit opens files only in blocking mode (a FIFO would hang the open) and checks type and size by name,
// so this one file uses the platform's own calls.
#ifdef __WINDOWS__
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

constexpr std::size_t kReadChunk = 1 << 16;

using Failure = MUDataFileBytes::Failure;

MUDataFileBytes Failed(Failure failure, int systemError = 0, unsigned long long size = 0) {
  MUDataFileBytes result;
  result.failure = failure;
  result.systemError = systemError;
  result.size = size;
  return result;
}

// What to ask for next: never more than one byte past the limit in all.
std::size_t ChunkSize(std::size_t alreadyRead, unsigned long long limit) {
  const unsigned long long left = limit + 1 - alreadyRead;
  return left < kReadChunk ? static_cast<std::size_t>(left) : kReadChunk;
}

#ifdef __WINDOWS__

MUDataFileBytes ReadOpen(HANDLE file, unsigned long long limit) {
  if (GetFileType(file) != FILE_TYPE_DISK) return Failed(Failure::NotRegular);
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(file, &info)) return Failed(Failure::CannotOpen, static_cast<int>(GetLastError()));
  if (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) return Failed(Failure::NotRegular);
  const unsigned long long size = (static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  if (size > limit) return Failed(Failure::TooLarge, 0, size);
  MUDataFileBytes result;
  char chunk[kReadChunk];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file, chunk, static_cast<DWORD>(ChunkSize(result.bytes.size(), limit)), &got, nullptr)) {
      return Failed(Failure::CannotOpen, static_cast<int>(GetLastError()));
    }
    if (got == 0) break;
    result.bytes.append(chunk, got);
    if (result.bytes.size() > limit) return Failed(Failure::TooLarge, 0, result.bytes.size());
  }
  result.size = result.bytes.size();
  return result;
}

}  // namespace

MUDataFileBytes MUReadDataFileBytes(const wxString& path, unsigned long long limit) {
  // Backup semantics let a directory open too, so that it is refused as not a regular file, as elsewhere.
  const HANDLE file = CreateFileW(path.wc_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return Failed(Failure::CannotOpen, static_cast<int>(GetLastError()));
  MUDataFileBytes result = ReadOpen(file, limit);
  CloseHandle(file);
  return result;
}

#else

MUDataFileBytes ReadOpen(int fd, unsigned long long limit) {
  struct stat status;
  if (::fstat(fd, &status) != 0) return Failed(Failure::CannotOpen, errno);
  if (!S_ISREG(status.st_mode)) return Failed(Failure::NotRegular);
  const auto size = static_cast<unsigned long long>(status.st_size);
  if (size > limit) return Failed(Failure::TooLarge, 0, size);
  MUDataFileBytes result;
  result.bytes.reserve(static_cast<std::size_t>(size));
  char chunk[kReadChunk];
  for (;;) {
    const ssize_t got = ::read(fd, chunk, ChunkSize(result.bytes.size(), limit));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) return Failed(Failure::CannotOpen, errno);
    if (got == 0) break;
    result.bytes.append(chunk, static_cast<std::size_t>(got));
    // A file that grew after the check is refused as soon as it passes the limit.
    if (result.bytes.size() > limit) return Failed(Failure::TooLarge, 0, result.bytes.size());
  }
  result.size = result.bytes.size();
  return result;
}

}  // namespace

MUDataFileBytes MUReadDataFileBytes(const wxString& path, unsigned long long limit) {
  // Without O_NONBLOCK, opening a FIFO waits for a writer; a regular file reads the same either way.
  const int fd = ::open(static_cast<const char*>(path.fn_str()), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return Failed(Failure::CannotOpen, errno);
  MUDataFileBytes result = ReadOpen(fd, limit);
  ::close(fd);
  return result;
}

#endif
