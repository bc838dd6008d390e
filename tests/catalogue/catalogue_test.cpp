// The plug-in knows every test experiment: each name reaches exactly one verifier of the right class, and the
// golden corpus holds a data file for each.
#include "plugin/datahookoutputtestingplugin.h"
#include "tests/support/pluginhost.h"
#include "verifiers/framework/verifierregistry.h"
#include <cxxabi.h>
#include <fstream>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>
#include <typeinfo>

namespace {

using namespace Varnel;

struct CatalogueEntry {
  std::string verifierClass;
  std::string experimentFile;
};

// testdata/catalogue.tsv: a line per experiment, its verifier's class and its name, TAB-separated.
std::vector<CatalogueEntry> ReadCatalogue() {
  std::vector<CatalogueEntry> entries;
  std::ifstream in(testsupport::TestData("catalogue.tsv"));
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line[0] == '#') continue;
    // A line without a TAB names no experiment, which the tests below then fail to find.
    const std::size_t tab = line.find('\t');
    entries.push_back({line.substr(0, tab), tab == std::string::npos ? "" : line.substr(tab + 1)});
  }
  return entries;
}

const std::vector<CatalogueEntry> kCatalogue = ReadCatalogue();

std::string ClassOf(const Interface_SpecificIndividualTestVerifier& verifier) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(
      abi::__cxa_demangle(typeid(verifier).name(), nullptr, nullptr, &status), std::free);
  return status == 0 ? demangled.get() : typeid(verifier).name();
}

TEST(Catalogue, SixtyEightExperimentsWithDistinctKeys) {
  std::set<wxString> keys;
  for (const CatalogueEntry& entry : kCatalogue) keys.insert(wxString::FromUTF8(entry.experimentFile).Upper());
  EXPECT_EQ(kCatalogue.size(), 68u);
  EXPECT_EQ(keys.size(), kCatalogue.size()) << "two experiment names are equal ignoring case";
  EXPECT_EQ(TheVerifierRegistry().size(), kCatalogue.size()) << "a verifier registered that is not listed";
}

TEST(Catalogue, EachExperimentReachesOneVerifierOfItsClass) {
  std::set<const Interface_SpecificIndividualTestVerifier*> seen;
  for (const CatalogueEntry& entry : kCatalogue) {
    const wxString dataFile = wxString::FromUTF8("/runs/" + entry.experimentFile + " P07 2026.txt");
    const auto found = TheVerifierRegistry().find(RegistryKeyForDataFile(dataFile));
    ASSERT_NE(found, TheVerifierRegistry().end()) << entry.experimentFile;
    EXPECT_EQ(found->second.name, entry.experimentFile);
    EXPECT_EQ(ClassOf(*found->second.verifier), "Varnel::" + entry.verifierClass);
    EXPECT_TRUE(seen.insert(found->second.verifier).second) << entry.verifierClass << " serves two experiments";
  }
}

TEST(Catalogue, GoldenCorpusHoldsADataFileForEveryExperiment) {
  std::map<wxString, int> goldenFilesByKey;
  for (const auto& file : std::filesystem::directory_iterator(testsupport::TestData("golden"))) {
    if (file.path().extension() == ".txt") ++goldenFilesByKey[RegistryKeyForDataFile(file.path().string())];
  }
  for (const CatalogueEntry& entry : kCatalogue) {
    EXPECT_EQ(goldenFilesByKey[wxString::FromUTF8(entry.experimentFile).Upper()], 1) << entry.experimentFile;
  }
}

}  // namespace
