#include "fuzzsupport.h"
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>
#include <wx/app.h>
#include <wx/init.h>
#include <wx/log.h>

namespace fuzzsupport {

namespace {

// Formats every message as a real target would, then drops it.
class DiscardingLog : public wxLog {
 protected:
  void DoLogTextAtLevel(wxLogLevel, const wxString& text) override { discardedCharacters += text.length(); }

 private:
  std::size_t discardedCharacters = 0;
};

// Reached through a function: a target may start up from a static constructor that runs before this file's.
std::string& WorkDirPath() {
  static std::string path;
  return path;
}

std::string& StartDirPath() {
  static std::string path;
  return path;
}

std::string Absolute(const std::string& path) {
  if (path.empty() || path[0] == '/') return path;
  return StartDirPath() + "/" + path;
}

int RemoveEntry(const char* path, const struct stat*, int, struct FTW*) { return ::remove(path); }

void RemoveWorkDir() {
  const std::string& workDir = WorkDirPath();
  if (workDir.empty()) return;
  // Leave the directory before removing it; nothing of it is needed once the process ends.
  if (::chdir("/") == 0) ::nftw(workDir.c_str(), RemoveEntry, 16, FTW_DEPTH | FTW_PHYS);
}

}  // namespace

const std::string& InitialiseOnce() {
  std::string& workDir = WorkDirPath();
  if (!workDir.empty()) return workDir;
  if (!wxInitialize()) Fail("wxInitialize() failed", __FILE__, __LINE__);
  delete wxLog::SetActiveTarget(new DiscardingLog);

  // The plug-in flushes every report to disk; in memory (/dev/shm) that costs nothing, on a disk it would
  // set the pace of the whole run.
  const char* base = std::getenv("TMPDIR");
  struct stat memoryDir;
  const bool inMemory = ::stat("/dev/shm", &memoryDir) == 0 && S_ISDIR(memoryDir.st_mode);
  const std::string baseDir = base != nullptr && *base != '\0' ? base : inMemory ? "/dev/shm" : "/tmp";
  std::string pattern = baseDir + "/dh-fuzz-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) Fail(std::strerror(errno), __FILE__, __LINE__);
  workDir = pattern;
  char* startDir = ::getcwd(nullptr, 0);
  if (startDir == nullptr) Fail(std::strerror(errno), __FILE__, __LINE__);
  StartDirPath() = startDir;
  std::free(startDir);
  // The plug-in writes its report under ./scons-out relative to the working directory.
  if (::chdir(workDir.c_str()) != 0) Fail(std::strerror(errno), __FILE__, __LINE__);
  std::atexit(RemoveWorkDir);
  return workDir;
}

void InitialiseForLibFuzzer(int* argc, char*** argv) {
  InitialiseOnce();
  static const char* const pathFlags[] = {"-artifact_prefix=", "-exact_artifact_path=", "-dict=",
                                          "-features_dir=",    "-merge_control_file=",  "-seed_inputs="};
  // The rewritten arguments must outlive libFuzzer's use of them: they stay for the life of the process.
  static std::vector<std::string> arguments;
  static std::vector<char*> pointers;
  bool hasArtifactPrefix = false;
  for (int i = 0; i < *argc; ++i) {
    std::string argument = (*argv)[i];
    if (i > 0 && !argument.empty() && argument[0] != '-') {
      argument = Absolute(argument);
    } else {
      for (const char* flag : pathFlags) {
        const std::size_t length = std::strlen(flag);
        if (argument.compare(0, length, flag) != 0) continue;
        const std::string value = argument.substr(length);
        // A prefix is a path followed by the start of a file name; an empty one means the working directory.
        argument = flag + (value.empty() ? StartDirPath() + "/" : Absolute(value));
        if (std::strcmp(flag, "-artifact_prefix=") == 0) hasArtifactPrefix = true;
      }
    }
    arguments.push_back(argument);
  }
  if (!hasArtifactPrefix) arguments.push_back("-artifact_prefix=" + StartDirPath() + "/");
  for (std::string& argument : arguments) pointers.push_back(argument.data());
  pointers.push_back(nullptr);
  *argc = static_cast<int>(arguments.size());
  *argv = pointers.data();
}

const std::string& WorkDir() { return InitialiseOnce(); }

void WriteFileBytes(const std::string& path, const std::uint8_t* data, std::size_t size) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) Fail(std::strerror(errno), __FILE__, __LINE__);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t written = ::write(fd, data + done, size - done);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) Fail(std::strerror(errno), __FILE__, __LINE__);
    done += static_cast<std::size_t>(written);
  }
  if (::close(fd) != 0) Fail(std::strerror(errno), __FILE__, __LINE__);
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  WriteFileBytes(path, reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

wxString ToWx(const std::string& path) { return wxString(path.c_str(), wxConvFile); }

SplitInput Split(const std::uint8_t* data, std::size_t size) {
  SplitInput split;
  if (size == 0) return split;
  const std::size_t wanted = data[size - 1];
  const std::size_t available = size - 1;
  split.controlSize = wanted < available ? wanted : available;
  split.bodySize = available - split.controlSize;
  split.body = data;
  split.control = data + split.bodySize;
  return split;
}

void DeliverPendingEvents() {
  if (wxAppConsole* application = wxAppConsole::GetInstance()) application->ProcessPendingEvents();
}

void Fail(const char* what, const char* file, int line) {
  std::fprintf(stderr, "fuzz check failed at %s:%d: %s\n", file, line, what);
  std::fflush(stderr);
  std::abort();
}

}  // namespace fuzzsupport
