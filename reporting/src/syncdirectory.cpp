#include "reporting/reportfiles.h"
#include <wx/platform.h>
#ifdef __UNIX__
#include <fcntl.h>
#include <unistd.h>
#endif

namespace Varnel {

// The toolkit can flush files only, not directories; POSIX systems can, others record renames without it.
bool SyncDirectory(const std::string& directory) {
#ifdef __UNIX__
  const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
#else
  (void)directory;
  return true;
#endif
}

}  // namespace Varnel
