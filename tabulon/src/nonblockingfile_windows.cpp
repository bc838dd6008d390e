#include "nonblockingfile.h"
#include <windows.h>

namespace {

HANDLE Native(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

NonBlockingFile::NonBlockingFile(const wxString& path) {
  // Backup semantics let a directory open too, so that it is refused as not a regular file, as elsewhere.
  const HANDLE file = CreateFileW(path.wc_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  opened_ = file != INVALID_HANDLE_VALUE;
  if (opened_) {
    handle_ = reinterpret_cast<std::intptr_t>(file);
  } else {
    systemError_ = std::error_code(static_cast<int>(GetLastError()), std::system_category());
  }
}

NonBlockingFile::~NonBlockingFile() {
  if (opened_) CloseHandle(Native(handle_));
}

NonBlockingFile::Status NonBlockingFile::Inspect() {
  if (GetFileType(Native(handle_)) != FILE_TYPE_DISK) return {Kind::NotRegular, 0};
  BY_HANDLE_FILE_INFORMATION info;
  if (!GetFileInformationByHandle(Native(handle_), &info)) {
    systemError_ = std::error_code(static_cast<int>(GetLastError()), std::system_category());
    return {};
  }
  if (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE)) return {Kind::NotRegular, 0};
  return {Kind::Regular, (static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow};
}

long long NonBlockingFile::Read(char* buffer, std::size_t count) {
  DWORD got = 0;
  if (!ReadFile(Native(handle_), buffer, static_cast<DWORD>(count), &got, nullptr)) {
    systemError_ = std::error_code(static_cast<int>(GetLastError()), std::system_category());
    return -1;
  }
  return got;
}
