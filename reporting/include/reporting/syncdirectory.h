#pragma once
#include <string>

namespace Varnel {

// Flushes the entries of the directory (in the system's own encoding, empty for the current one) to disk where the
// platform can; true where it cannot. Allocates nothing.
bool SyncDirectory(const std::string& directory);

}  // namespace Varnel
