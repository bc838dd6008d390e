// The plug-in knows every test experiment: each name reaches exactly one verifier of the right class, which fails
// an unreadable file unless the run is expected to leave none (its golden data file, which must exist, is empty).
// That no other class registers is the claims test's.
#include "datahookoutputtestingplugin.h"
#include "support/catalogue.h"
#include "support/pluginhost.h"
#include "support/recordingprinter.h"
#include "framework/verifierregistry.h"
#include <cxxabi.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <typeinfo>

namespace {

using namespace Varnel;

using testsupport::CatalogueEntry;

const std::vector<CatalogueEntry> kCatalogue = testsupport::ReadCatalogue(testsupport::TestData("catalogue.tsv"));

std::string ClassOf(const Interface_SpecificIndividualTestVerifier& verifier) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> demangled(
      abi::__cxa_demangle(typeid(verifier).name(), nullptr, nullptr, &status), std::free);
  return status == 0 ? demangled.get() : typeid(verifier).name();
}

TEST(Catalogue, EachExperimentReachesOneVerifierOfItsClass) {
  ASSERT_FALSE(kCatalogue.empty()) << "the catalogue could not be read";
  std::set<const Interface_SpecificIndividualTestVerifier*> seen;
  for (const CatalogueEntry& entry : kCatalogue) {
    const wxString dataFile = wxString::FromUTF8("/runs/" + entry.experimentFile + " P07 2026.txt");
    const auto found = TheVerifierRegistry().find(RegistryKeyForDataFile(dataFile));
    ASSERT_NE(found, TheVerifierRegistry().end()) << entry.experimentFile;
    EXPECT_EQ(found->second.name, entry.experimentFile);
    EXPECT_EQ(ClassOf(*found->second.verifier), "Varnel::" + entry.verifierClass);
    EXPECT_TRUE(seen.insert(found->second.verifier).second) << entry.verifierClass << " serves two experiments";
    // A file it cannot read (there is none) fails, unless the run leaves none to read: the golden file is empty.
    testsupport::RecordingPrinter printer;
    found->second.verifier->VerifyDatafile(dataFile, nullptr, &printer);
    std::string failures;
    for (const std::string& said : printer.entries) {
      if (said.rfind("FAIL ", 0) == 0) failures += said.substr(0, said.find(" | ")) + "\n";
    }
    const bool leavesNone =
        std::filesystem::is_empty(testsupport::TestData("golden/" + entry.experimentFile + " P01.txt"));
    EXPECT_EQ(failures, leavesNone ? "" : "FAIL open_and_parse_" + entry.experimentFile + " P07 2026\n");
  }
}

}  // namespace
