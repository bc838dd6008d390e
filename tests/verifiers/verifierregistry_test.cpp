// The names offered for a data file that reached no verifier: nearest first by character edits over the whole key.
#include "framework/verifierregistry.h"
#include <gtest/gtest.h>

namespace {

TEST(VerifierRegistry, ClosestNamesWeighEveryCharacterOfTheKey) {
  Varnel::VerifierRegistry& registry = Varnel::TheVerifierRegistry();
  const Varnel::VerifierRegistry before = registry;
  Varnel::RegisterVerifier({"zq_nearest.vn", nullptr});
  Varnel::RegisterVerifier({"zq_nearest.vn5", nullptr});
  // The key's last character alone puts the second first; case counts for nothing.
  EXPECT_EQ(Varnel::ClosestRegisteredNames("ZQ_NEAREST.VN5", 2),
            (std::vector<wxString>{"zq_nearest.vn5", "zq_nearest.vn"}));
  registry = before;
}

}  // namespace
