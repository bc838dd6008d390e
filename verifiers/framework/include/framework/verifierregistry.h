#pragma once
#include "framework/datafilename.h"
#include "framework/verifierinterface.h"
#include <cstddef>
#include <map>
#include <vector>
#include <wx/string.h>

namespace Varnel {

// One verifier as the registry knows it: the experiment file name it gave, and the verifier, which the
// registry does not own (each verifier's single instance lives in static storage for the library's lifetime).
struct VerifierRegistration {
  wxString name;
  Interface_SpecificIndividualTestVerifier* verifier = nullptr;
};

// Verifiers by experiment file name in upper case. Filled while the library loads, read-only afterwards.
using VerifierRegistry = std::map<wxString, VerifierRegistration>;

// The library's one registry, built on first use. The first verifier to register builds it, so it is destroyed
// after every verifier instance at unload.
VerifierRegistry& TheVerifierRegistry();

// Adds a verifier under its name in upper case; the first registration of a name (ignoring case) wins.
void RegisterVerifier(const VerifierRegistration& registration);

// The lookup key of a data file: its name part in upper case, cut at the first blank. Experiment "x.vn5" thus
// matches "x.vn5 subject 1.txt" and "x.vn5.txt".
wxString RegistryKeyForDataFile(const wxString& dataFilePath);

// The registered names nearest to a key that found no verifier (fewest character edits, ignoring case), at
// most count of them, nearest first; a person reading a failed lookup sees which name was probably meant.
std::vector<wxString> ClosestRegisteredNames(const wxString& key, std::size_t count);

}  // namespace Varnel
