// Every verifier class's experiment name, as its source declares it, against the catalogue. The registry keeps
// the first of two classes claiming one name and says nothing, so a copied verifier would pass unnoticed: this
// test is what notices, naming both classes and their files.
#include "support/catalogue.h"
#include "support/pluginhost.h"
#include <gtest/gtest.h>

namespace {

using namespace testsupport;

TEST(VerifierClaims, ProblemsNameTheClassesAndFilesInvolved) {
  const std::vector<CatalogueEntry> catalogue = {{"First", "a.vn5"}, {"Second", "b.vn5"}, {"Unclaimed", "c.vn5"}};
  const std::vector<VerifierClaim> claims = {
      {"First", "a.vn5", "x/first.cpp"}, {"Copy", "A.VN5", "y/copy.cpp"}, {"Second", "B.vn5", "x/second.cpp"}};
  const std::vector<std::string> expected = {
      "First (x/first.cpp) and Copy (y/copy.cpp) both claim \"A.VN5\": the registry keeps one of them only",
      "Copy (y/copy.cpp) is not in the catalogue",
      "Second (x/second.cpp) claims \"B.vn5\", the catalogue lists \"b.vn5\"",
      "no class claims \"c.vn5\" (catalogued for Unclaimed)"};
  EXPECT_EQ(ClaimProblems(claims, catalogue), expected);
  EXPECT_TRUE(ClaimProblems({claims[0], claims[2]}, {{"First", "a.vn5"}, {"Second", "B.vn5"}}).empty());
}

TEST(VerifierClaims, EveryVerifierClassClaimsItsCatalogueName) {
  const std::vector<CatalogueEntry> catalogue = ReadCatalogue(TestData("catalogue.tsv"));
  const std::vector<VerifierClaim> claims = ClaimsInSources(TestData("../verifiers/cases"));
  ASSERT_FALSE(catalogue.empty());
  EXPECT_EQ(claims.size(), catalogue.size());
  for (const std::string& problem : ClaimProblems(claims, catalogue)) ADD_FAILURE() << problem;
}

}  // namespace
