#include "system.h"

namespace testsupport {

const char* const kNativeLineEnd = "\r\n";
const bool kConverterStableBeyondUnicode = false;

// Windows has no FIFOs in the file system, and its devices are not reached through file paths here.
std::vector<std::string> SpecialFiles(const std::string& /*folder*/) { return {}; }

}  // namespace testsupport
