#pragma once
#include "verifiers/framework/verifierinterface.h"
#include <map>
#include <wx/string.h>

namespace Varnel {

// One verifier as the registry knows it: the experiment file name it gave, and the verifier, which the
// registry does not own (verifier instances live in static storage for the library's lifetime).
struct VerifierRegistration {
  wxString name;
  Interface_SpecificIndividualTestVerifier* verifier = nullptr;
};

// Verifiers by experiment file name in upper case. Filled while the library loads, read-only afterwards.
using VerifierRegistry = std::map<wxString, VerifierRegistration>;

// The library's one registry. It is constructed before any verifier registers and destroyed after them.
VerifierRegistry& TheVerifierRegistry();

// The lookup key of a data file: its name part (no directory, no last extension) in upper case, cut at the
// first blank. Experiment "x.vn5" thus matches "x.vn5 subject 1.txt" and "x.vn5.txt".
wxString DataFileNamePart(const wxString& dataFilePath);
wxString RegistryKeyForDataFile(const wxString& dataFilePath);

}  // namespace Varnel
