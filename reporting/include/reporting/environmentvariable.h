#pragma once
#include <optional>
#include <wx/string.h>

namespace Varnel {

// The environment read and written in its own encoding, whatever locale the host runs under: UTF-8 bytes on POSIX
// systems (a value that is not valid UTF-8 is read as well as it can be, never dropped), wide characters on
// Windows. The toolkit's own calls convert by the C library's locale, which drops every non-ASCII value under "C".

// The variable's value; nothing when it is not set.
std::optional<wxString> EnvironmentVariable(const char* name);

// Sets the variable for this process; false when the system refuses.
bool SetEnvironmentVariable(const char* name, const wxString& value);

}  // namespace Varnel
