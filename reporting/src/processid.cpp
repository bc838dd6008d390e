#include "reporting/processid.h"
#include <wx/utils.h>

namespace Varnel {

std::uint32_t CurrentProcessId() {
  wxString posed;
  unsigned long id = 0;
  if (wxGetEnv("DH_AUTOMATEDTESTING_TEST_PROCESS_ID", &posed) && posed.ToULong(&id) && id > 0 && id <= UINT32_MAX) {
    return static_cast<std::uint32_t>(id);
  }
  return static_cast<std::uint32_t>(wxGetProcessId());
}

}  // namespace Varnel
