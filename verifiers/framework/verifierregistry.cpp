#include "verifiers/framework/verifierregistry.h"

namespace Varnel {

VerifierRegistry& TheVerifierRegistry() {
  static VerifierRegistry registry;
  return registry;
}

void RegisterVerifier(const VerifierRegistration& registration) {
  TheVerifierRegistry().emplace(registration.name.Upper(), registration);
}

wxString RegistryKeyForDataFile(const wxString& dataFilePath) {
  const wxString upper = DataFileNamePart(dataFilePath).Upper();
  const int blank = upper.Find(' ');
  return blank == wxNOT_FOUND ? upper : upper.Left(blank);
}

}  // namespace Varnel
