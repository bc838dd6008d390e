#include "reporting/reportfiles.h"
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <wx/filefn.h>
#include <wx/filename.h>

namespace Varnel {

namespace {

void TellWriteFailure(const wxString& path, const char* reason) {
  const wxString workingDir = wxGetCwd();
  std::fprintf(stderr, "FakeJUnitPrinter failed to write to the file %s: %s (relative to the working directory %s)\n",
               static_cast<const char*>(path.utf8_str()), reason, static_cast<const char*>(workingDir.utf8_str()));
}

bool WriteAll(int fd, const std::string& bytes) {
  const char* next = bytes.data();
  size_t left = bytes.size();
  while (left > 0) {
    const ssize_t written = ::write(fd, next, left);
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    next += written;
    left -= static_cast<size_t>(written);
  }
  return true;
}

std::string NativeBytes(const wxString& path) { return std::string(path.fn_str()); }

}  // namespace

void EnsureDirectoryExists(const wxString& directory) {
  if (wxFileName::DirExists(directory)) return;
  if (!wxFileName::Mkdir(directory, wxS_DIR_DEFAULT, wxPATH_MKDIR_FULL)) {
    TellWriteFailure(directory, "the directory cannot be created");
  }
}

bool AnyFileStartsWith(const wxString& directory, const wxString& prefix) {
  if (!wxFileName::DirExists(directory)) return false;
  return !wxFindFirstFile(directory + prefix + "*", wxFILE).empty();
}

bool WriteLinesAtomically(const wxString& path, const std::vector<wxString>& lines) {
  std::string bytes;
  for (const wxString& line : lines) {
    bytes += line.utf8_str().data();
    bytes += '\n';
  }
  const std::string target = NativeBytes(path);
  const std::string temporary = target + ".partial";
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    TellWriteFailure(path, std::strerror(errno));
    return false;
  }
  bool ok = WriteAll(fd, bytes);
  const int writeError = errno;
  ok = (::close(fd) == 0) && ok;
  if (!ok) {
    TellWriteFailure(path, std::strerror(writeError));
    ::unlink(temporary.c_str());
    return false;
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    TellWriteFailure(path, std::strerror(errno));
    ::unlink(temporary.c_str());
    return false;
  }
  return true;
}

void MoveWithoutOverwriting(const wxString& from, const wxString& to) {
  if (!wxFileName::FileExists(from) || wxFileName::FileExists(to)) return;
  if (::rename(NativeBytes(from).c_str(), NativeBytes(to).c_str()) != 0) {
    TellWriteFailure(to, std::strerror(errno));
  }
}

}  // namespace Varnel
