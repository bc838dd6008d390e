// The corpus cases are read from the data folders at start-up, not when the program is built.
#include "corpuscases.h"
#include "support/hostlocale.h"
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  testsupport::AdoptLocaleAsAHostDoes();
  ::testing::InitGoogleTest(&argc, argv);
  corpus::RegisterCorpusCases();
  return RUN_ALL_TESTS();
}
