#include "plugin/verifierregistry.h"
#include "plugin/staticinitorder.h"
#include <wx/filename.h>

namespace Varnel {

namespace {
VerifierRegistry theRegistry DH_INIT_ORDER(kRegistryInitOrder);
}  // namespace

VerifierRegistry& TheVerifierRegistry() { return theRegistry; }

wxString DataFileNamePart(const wxString& dataFilePath) { return wxFileName(dataFilePath, wxPATH_NATIVE).GetName(); }

wxString RegistryKeyForDataFile(const wxString& dataFilePath) {
  const wxString upper = DataFileNamePart(dataFilePath).Upper();
  const int blank = upper.Find(' ');
  return blank == wxNOT_FOUND ? upper : upper.Left(blank);
}

}  // namespace Varnel
