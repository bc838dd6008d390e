#include "reporting/syncdirectory.h"

namespace Varnel {

// Windows records a rename without the directory being flushed; there is nothing to do.
bool SyncDirectory(const std::string& /*directory*/) { return true; }

}  // namespace Varnel
