#pragma once
#include <string>
#include <vector>

namespace testsupport {

// The line end of the system's text files.
extern const char* const kNativeLineEnd;

// Files that open at once but are no plain files, made in the folder where needed: a FIFO without a writer and
// a device that never ends, where the system has them.
std::vector<std::string> SpecialFiles(const std::string& folder);

}  // namespace testsupport
