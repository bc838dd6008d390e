// A write that fails is told with the reason of the call that failed, not whatever errno held afterwards.
#include "reporting/reportfiles.h"
#include "support/files.h"
#include "support/scratchdir.h"
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace {

// A file-size limit takes the first bytes of a write and refuses the rest (SIGXFSZ ignored, as a host may run).
TEST(WriteErrors, AFileSizeLimitIsToldAsFileTooLarge) {
  testsupport::ScratchDir scratch;
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const rlimit limited{10000, saved.rlim_max};
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  ::testing::internal::CaptureStderr();
  const bool written = Varnel::WriteFileAtomically("r.xml", std::string(200000, 'x'));
  const std::string errors = ::testing::internal::GetCapturedStderr();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(written);
  EXPECT_NE(errors.find("failed to write to the file r.xml: cannot write: File too large"), std::string::npos)
      << errors;
  EXPECT_FALSE(testsupport::FileExists("r.xml") || testsupport::FileExists("r.xml.partial"));
}

}  // namespace
