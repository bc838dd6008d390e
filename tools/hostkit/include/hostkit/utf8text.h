#pragma once
#include <optional>
#include <string>
#include <wx/string.h>

namespace hostkit {

// Decodes UTF-8 into the toolkit's string, as the host's strings are. None for invalid UTF-8, which the
// toolkit would otherwise silently turn into an empty string.
std::optional<wxString> DecodeUtf8(const std::string& bytes);

}  // namespace hostkit
