#include "system.h"
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace testsupport {

const char* const kNativeLineEnd = "\n";
const bool kConverterStableBeyondUnicode = true;

std::vector<std::string> SpecialFiles(const std::string& folder) {
  const std::string fifo = folder + "/fifo.txt";
  EXPECT_EQ(::mkfifo(fifo.c_str(), 0600), 0) << fifo;
  return {"/dev/zero", fifo};
}

}  // namespace testsupport
