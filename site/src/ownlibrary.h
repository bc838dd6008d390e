#pragma once
#include <wx/string.h>

namespace Varnel {

// The folder of the library (or program) this code is linked into, where its site settings sit; empty when the
// system does not tell. One implementation per system, chosen by the build.
wxString FolderOfOwnLibrary();

}  // namespace Varnel
