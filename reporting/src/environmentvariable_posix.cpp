#include "reporting/environmentvariable.h"
#include <cstdlib>
#include <wx/strconv.h>

namespace Varnel {

std::optional<wxString> EnvironmentVariable(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr) return std::nullopt;
  return wxString(value, wxConvWhateverWorks);
}

bool SetEnvironmentVariable(const char* name, const wxString& value) {
  return ::setenv(name, value.utf8_str().data(), 1) == 0;
}

}  // namespace Varnel
