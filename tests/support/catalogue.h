#pragma once
#include <string>
#include <vector>

namespace testsupport {

struct CatalogueEntry {
  std::string verifierClass;
  std::string experimentFile;
};

// testdata/catalogue.tsv: a line per experiment, its verifier's class and its name, TAB-separated.
std::vector<CatalogueEntry> ReadCatalogue(const std::string& path);

// A verifier class as its source file declares it: the experiment name it registers under.
struct VerifierClaim {
  std::string verifierClass;
  std::string experimentFile;
  std::string sourceFile;
};

// Every kExperimentFileName under the folder's .cpp files, with the class declared last before it.
std::vector<VerifierClaim> ClaimsInSources(const std::string& folder);

// What is wrong between the classes' claims and the catalogue, one line each: two classes claiming names equal
// ignoring case (as the registry compares them; it keeps only the first), a class the catalogue lists under
// another name or not at all, an experiment no class claims.
std::vector<std::string> ClaimProblems(const std::vector<VerifierClaim>& claims,
                                       const std::vector<CatalogueEntry>& catalogue);

}  // namespace testsupport
