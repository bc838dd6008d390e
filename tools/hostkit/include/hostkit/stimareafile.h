#pragma once
#include "sdk/stimareadata.h"
#include "hostkit/result.h"
#include <string>

namespace hostkit {

// A stimulus-area file is read like a data file (a regular file, opened without blocking) and may be this large.
constexpr unsigned long long kMaximumStimAreaFileSize = 16ULL << 20;

// One area per line: x<TAB>y<TAB>width<TAB>height<TAB>responseId<TAB>areaName; empty lines are skipped.
// On a malformed line or an unreadable file, the error names the file (as given) and, for a bad line, its number.
Result<Varnel::StimAreaList> ReadStimAreaFile(const std::string& path);

// The same for the file's content; name stands for the file in the message.
Result<Varnel::StimAreaList> ParseStimAreaText(const std::string& bytes, const std::string& name);

// Parses one line without its line end; the error says what is wrong with it.
Result<Varnel::StimAreaData> ParseStimAreaLine(const std::string& line);

}  // namespace hostkit
