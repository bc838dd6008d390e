#pragma once
#include "sdk/stimareadata.h"
#include <string>

namespace hostkit {

// A stimulus-area file is read like a data file (a regular file, opened without blocking) and may be this large.
constexpr unsigned long long kMaximumStimAreaFileSize = 16ULL << 20;

// One area per line: x<TAB>y<TAB>width<TAB>height<TAB>responseId<TAB>areaName; empty lines are skipped.
// On a malformed line or an unreadable file, returns false and sets error to a message that names the file
// (as given) and, for a bad line, its number.
bool ReadStimAreaFile(const std::string& path, Varnel::StimAreaList& areas, std::string& error);

// The same for the file's content; name stands for the file in the message.
bool ParseStimAreaText(const std::string& bytes, const std::string& name, Varnel::StimAreaList& areas,
                       std::string& error);

// Parses one line without its line end. On failure, problem says what is wrong with it.
bool ParseStimAreaLine(const std::string& line, Varnel::StimAreaData& area, std::string& problem);

}  // namespace hostkit
