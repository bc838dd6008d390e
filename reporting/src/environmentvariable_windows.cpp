#include "reporting/environmentvariable.h"
#include <wx/utils.h>

namespace Varnel {

// The toolkit reads and writes Windows' environment through its wide-character calls already.
std::optional<wxString> EnvironmentVariable(const char* name) {
  wxString value;
  if (!wxGetEnv(name, &value)) return std::nullopt;
  return value;
}

bool SetEnvironmentVariable(const char* name, const wxString& value) { return wxSetEnv(name, value); }

}  // namespace Varnel
