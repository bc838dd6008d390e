#include "site/hostnames.h"
#include "tabulon/asciicase.h"
#include <cstdlib>
#include <wx/utils.h>

namespace Varnel {

const char kHostNameOverrideVariable[] = "DH_AUTOMATEDTESTING_TEST_HOST_NAME";

namespace {
// The posed name is read as UTF-8 whatever the locale, as the settings' variables are.
wxString MachineHostName() {
  const char* overridden = std::getenv(kHostNameOverrideVariable);
  if (overridden != nullptr) return wxString::FromUTF8(overridden);
  return wxGetHostName();
}
}  // namespace

bool IsRunningOnHost(const wxString& hostFragment) {
  return tabulon::ContainsIgnoringAsciiCase(MachineHostName(), hostFragment);
}

}  // namespace Varnel
