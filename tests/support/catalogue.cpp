#include "catalogue.h"
#include "tabulon/asciicase.h"
#include "files.h"
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <wx/string.h>

namespace testsupport {

std::vector<CatalogueEntry> ReadCatalogue(const std::string& path) {
  std::vector<CatalogueEntry> entries;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    // A line without a TAB names no experiment, which the tests then fail to find.
    const std::size_t tab = line.find('\t');
    entries.push_back({line.substr(0, tab), tab == std::string::npos ? "" : line.substr(tab + 1)});
  }
  return entries;
}

std::vector<VerifierClaim> ClaimsInSources(const std::string& folder) {
  static const std::regex declaration(R"re(\bclass\s+(\w+)[^;{]*\{|\bkExperimentFileName\[\]\s*=\s*"([^"]*)")re");
  std::vector<VerifierClaim> claims;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.path().extension() != ".cpp") continue;
    const std::string text = ReadFile(entry.path().string());
    std::string lastClass;
    for (std::sregex_iterator it(text.begin(), text.end(), declaration), end; it != end; ++it) {
      if ((*it)[1].matched) lastClass = (*it)[1];
      if ((*it)[2].matched) claims.push_back({lastClass, (*it)[2], entry.path().string()});
    }
  }
  std::sort(claims.begin(), claims.end(),
            [](const VerifierClaim& a, const VerifierClaim& b) { return a.sourceFile < b.sourceFile; });
  return claims;
}

std::vector<std::string> ClaimProblems(const std::vector<VerifierClaim>& claims,
                                       const std::vector<CatalogueEntry>& catalogue) {
  const auto key = [](const std::string& name) { return tabulon::AsciiUpper(wxString::FromUTF8(name)).utf8_string(); };
  std::vector<std::string> problems;
  std::map<std::string, const VerifierClaim*> claimByKey;
  std::map<std::string, std::string> catalogueByClass;
  for (const CatalogueEntry& entry : catalogue) catalogueByClass[entry.verifierClass] = entry.experimentFile;
  for (const VerifierClaim& claim : claims) {
    const auto [first, inserted] = claimByKey.emplace(key(claim.experimentFile), &claim);
    if (!inserted) {
      problems.push_back(first->second->verifierClass + " (" + first->second->sourceFile + ") and " +
                         claim.verifierClass + " (" + claim.sourceFile + ") both claim \"" + claim.experimentFile +
                         "\": the registry keeps one of them only");
    }
    const auto listed = catalogueByClass.find(claim.verifierClass);
    if (listed == catalogueByClass.end()) {
      problems.push_back(claim.verifierClass + " (" + claim.sourceFile + ") is not in the catalogue");
    } else if (listed->second != claim.experimentFile) {
      problems.push_back(claim.verifierClass + " (" + claim.sourceFile + ") claims \"" + claim.experimentFile +
                         "\", the catalogue lists \"" + listed->second + "\"");
    }
  }
  for (const CatalogueEntry& entry : catalogue) {
    if (claimByKey.count(key(entry.experimentFile)) == 0) {
      problems.push_back("no class claims \"" + entry.experimentFile + "\" (catalogued for " + entry.verifierClass +
                         ")");
    }
  }
  return problems;
}

}  // namespace testsupport
