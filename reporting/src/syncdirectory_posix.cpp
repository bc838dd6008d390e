#include "reporting/syncdirectory.h"
#include <fcntl.h>
#include <unistd.h>

namespace Varnel {

// The toolkit can flush files only, not directories.
bool SyncDirectory(const std::string& directory) {
  const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool synced = ::fsync(fd) == 0;
  ::close(fd);
  return synced;
}

}  // namespace Varnel
