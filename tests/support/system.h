#pragma once
#include <string>
#include <vector>

namespace testsupport {

// The line end of the system's text files.
extern const char* const kNativeLineEnd;

// Files that open at once but are no plain files, made in the folder where needed: a FIFO without a writer and
// a device that never ends, where the system has them.
std::vector<std::string> SpecialFiles(const std::string& folder);

// Whether the toolkit's converter decodes bytes that encode a number past U+10FFFF the same way every time. Where
// a wide character has 16 bits it does not (two runs over the same bytes gave different texts).
extern const bool kConverterStableBeyondUnicode;

}  // namespace testsupport
