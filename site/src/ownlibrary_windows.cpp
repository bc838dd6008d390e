#include "ownlibrary.h"
#include <vector>
#include <windows.h>
#include <wx/filename.h>

namespace Varnel {

namespace {
// Any object of this library: the system tells which loaded module holds its address.
const char kAnchor = 0;
}  // namespace

wxString FolderOfOwnLibrary() {
  HMODULE module = nullptr;
  if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                          reinterpret_cast<LPCWSTR>(&kAnchor), &module)) {
    return wxString();
  }
  // The name is cut to fit the buffer without saying so but by filling it: grow until it fits.
  for (DWORD size = MAX_PATH; size <= 32768 * 2; size *= 2) {
    std::vector<wchar_t> name(size);
    const DWORD length = GetModuleFileNameW(module, name.data(), size);
    if (length == 0) return wxString();
    if (length < size) return wxFileName(wxString(name.data(), length)).GetPath();
  }
  return wxString();
}

}  // namespace Varnel
