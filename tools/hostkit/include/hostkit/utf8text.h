#pragma once
#include <string>
#include <wx/string.h>

namespace hostkit {

// Decodes UTF-8 into the toolkit's string, as the host's strings are. False for invalid UTF-8, which the
// toolkit would otherwise silently turn into an empty string.
bool DecodeUtf8(const std::string& bytes, wxString& text);

}  // namespace hostkit
