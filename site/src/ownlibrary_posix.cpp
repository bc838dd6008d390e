#include "ownlibrary.h"
#include <dlfcn.h>
#include <wx/filename.h>

namespace Varnel {

namespace {
// Any object of this library: the system tells which loaded file holds its address.
const char kAnchor = 0;
}  // namespace

wxString FolderOfOwnLibrary() {
  Dl_info info{};
  if (dladdr(&kAnchor, &info) == 0 || info.dli_fname == nullptr || info.dli_fname[0] == '\0') return wxString();
  wxFileName path(wxString(info.dli_fname, wxConvFile));
  path.MakeAbsolute();
  return path.GetPath();
}

}  // namespace Varnel
